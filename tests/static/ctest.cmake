# Static checks of the Win32 and Win64 OCX files, read as PE images by a native test.
get_filename_component(ov_win32_ocx ${OV_WIN32_DIR}/OvSplitr.ocx ABSOLUTE)
get_filename_component(ov_win64_ocx ${OV_WIN64_DIR}/OvSplitr.ocx ABSOLUTE)

add_executable(ov_static_tests
  ${CMAKE_CURRENT_LIST_DIR}/ocx_static_test.cpp
)
target_compile_definitions(ov_static_tests PRIVATE
  OV_WIN32_OCX="${ov_win32_ocx}"
  OV_WIN64_OCX="${ov_win64_ocx}"
)
target_link_libraries(ov_static_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(ov_static_tests DISCOVERY_TIMEOUT 60)
