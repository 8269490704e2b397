# Static checks of the Win32 and Win64 OCX files, read as PE images by a native test.
add_executable(ov_static_tests ${CMAKE_CURRENT_LIST_DIR}/ocx_static_test.cpp)
target_compile_definitions(ov_static_tests PRIVATE OV_WIN32_OCX="${OV_WIN32_DIR}/OvSplitr.ocx"
                                                   OV_WIN64_OCX="${OV_WIN64_DIR}/OvSplitr.ocx")
target_link_libraries(ov_static_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(ov_static_tests DISCOVERY_TIMEOUT 60)
