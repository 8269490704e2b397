# The real GDI against the simulated raster. The Win64 tree builds the painter of real
# windows; the native tree builds the comparison and runs both, the painting under wine64.
if(WIN32)
  add_executable(ov_paint_dump ${CMAKE_CURRENT_LIST_DIR}/paint_dump.cpp)
  target_compile_definitions(ov_paint_dump PRIVATE UNICODE _UNICODE)
  target_link_libraries(ov_paint_dump PRIVATE ov_splitter ov_win32)
  target_link_options(ov_paint_dump PRIVATE -static)
else()
  add_executable(ov_paint_window_match ${PROJECT_SOURCE_DIR}/tests/splitter/control_painter_window_match_test.cpp)
  target_link_libraries(ov_paint_window_match PRIVATE ov_panes ov_splitter ov_sim GTest::gtest_main)

  set(ov_paint_dumps ${CMAKE_BINARY_DIR}/paint_window_dumps)
  file(MAKE_DIRECTORY ${ov_paint_dumps})
  add_test(NAME paint_window_dump
           COMMAND bash ${PROJECT_SOURCE_DIR}/tools/wine-run.sh ${OV_WIN64_DIR}
                   ${OV_WIN64_DIR}/tests/wine/ov_paint_dump.exe
           WORKING_DIRECTORY ${ov_paint_dumps})
  # One wine prefix: its wineserver ends with each run.
  set_tests_properties(paint_window_dump PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE FIXTURES_SETUP paint_window_dumps)
  add_test(NAME paint_window_match COMMAND ov_paint_window_match)
  set_tests_properties(paint_window_match PROPERTIES FIXTURES_REQUIRED paint_window_dumps
                                                     ENVIRONMENT OV_PAINT_DUMPS=${ov_paint_dumps})
endif()
