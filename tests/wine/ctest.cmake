# Included from the native test tree: the wine64 integration run of the Win64 build.
add_test(NAME wine_integration
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_integration.sh ${OV_WIN64_DIR})
set_tests_properties(wine_integration PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
# The drag with real input, under an Xvfb of its own (skips only without Xvfb or xdotool).
add_test(NAME wine_real_input
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_real_input.sh ${OV_WIN64_DIR})
set_tests_properties(wine_real_input PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
# The same form at 144 and 192 pixels per inch (Wine's LogPixels, put back afterwards).
add_test(NAME wine_resolutions
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_resolutions.sh ${OV_WIN64_DIR})
set_tests_properties(wine_resolutions PROPERTIES TIMEOUT 400 RUN_SERIAL TRUE)
# Form files: saved by one formhost process, opened by another; damaged ones refused.
add_test(NAME wine_form_files
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_form_files.sh ${OV_WIN64_DIR})
set_tests_properties(wine_form_files PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
# A working day in about a minute (OV_ENDURANCE_CYCLES for longer), under an Xvfb of its own.
add_test(NAME wine_endurance
         COMMAND bash ${PROJECT_SOURCE_DIR}/tools/wine-x11-run.sh ${OV_WIN64_DIR}
                 ${OV_WIN64_DIR}/tests/wine/ov_wine_endurance_tests.exe)
set_tests_properties(wine_endurance PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE ENVIRONMENT "OV_WINE_TIMEOUT=840")
# The reference in the tree against the built type library.
add_test(NAME wine_reference COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_reference.sh ${OV_WIN64_DIR})
set_tests_properties(wine_reference PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
# The samples as a user runs them.
add_test(NAME wine_samples COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_samples.sh ${OV_WIN64_DIR})
set_tests_properties(wine_samples PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
# The installer packages of both builds (tools/dist.sh, into the native tree's dist/): their
# signatures, the 32-bit one's tables, and the 64-bit one installed, upgraded and removed.
add_test(NAME wine_installer
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/run_installer.sh ${OV_WIN64_DIR} ${OV_WIN32_DIR}
                 ${CMAKE_BINARY_DIR}/dist)
set_tests_properties(wine_installer PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
