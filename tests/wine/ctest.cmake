# Included from the native test tree: the wine64 runs of the Win64 build, one at a time.
function(ov_wine_run name timeout)
  add_test(NAME ${name} COMMAND bash ${ARGN})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout} RUN_SERIAL TRUE)
endfunction()
set(wine_tests ${PROJECT_SOURCE_DIR}/tests/wine)
# The integration run; the drag with real input, under an Xvfb of its own (skips only
# without Xvfb or xdotool); the same form at 144 and 192 pixels per inch (Wine's LogPixels,
# put back afterwards); form files saved by one formhost process, opened by another,
# damaged ones refused.
ov_wine_run(wine_integration 600 ${wine_tests}/run_integration.sh ${OV_WIN64_DIR})
ov_wine_run(wine_real_input 300 ${wine_tests}/run_real_input.sh ${OV_WIN64_DIR})
ov_wine_run(wine_resolutions 400 ${wine_tests}/run_resolutions.sh ${OV_WIN64_DIR})
ov_wine_run(wine_form_files 300 ${wine_tests}/run_form_files.sh ${OV_WIN64_DIR})
# A working day in about a minute (OV_ENDURANCE_CYCLES for longer), under an Xvfb of its own.
ov_wine_run(wine_endurance 900 ${PROJECT_SOURCE_DIR}/tools/wine-x11-run.sh ${OV_WIN64_DIR}
            ${OV_WIN64_DIR}/tests/wine/ov_wine_endurance_tests.exe)
set_tests_properties(wine_endurance PROPERTIES ENVIRONMENT "OV_WINE_TIMEOUT=840")
# The reference in the tree against the built type library; the samples as a user runs them;
# the installer packages of both builds (tools/dist.sh, into the native tree's dist/): their
# signatures, the 32-bit one's tables, and the 64-bit one installed, upgraded and removed.
ov_wine_run(wine_reference 120 ${wine_tests}/run_reference.sh ${OV_WIN64_DIR})
ov_wine_run(wine_samples 300 ${wine_tests}/run_samples.sh ${OV_WIN64_DIR})
ov_wine_run(wine_installer 600 ${wine_tests}/run_installer.sh ${OV_WIN64_DIR} ${OV_WIN32_DIR} ${CMAKE_BINARY_DIR}/dist)
