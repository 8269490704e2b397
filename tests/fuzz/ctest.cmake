# Included from the native test tree: a bounded run of each libFuzzer target, built with
# clang in a tree of its own (OV_FUZZ_DIR); left out where clang is missing.
find_program(OV_CLANGXX clang++)
option(OV_FUZZ_TESTS "Run each fuzz target briefly as a test where clang is found" ON)
if(OV_FUZZ_TESTS AND OV_CLANGXX AND NOT OV_FUZZ)
  set(OV_FUZZ_DIR ${CMAKE_BINARY_DIR}/../fuzz CACHE PATH "Fuzzing build tree")
  add_test(NAME fuzz_record COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fuzz/run_fuzz.sh ${OV_FUZZ_DIR} record
                                    -runs=20000 -max_total_time=30)
  add_test(NAME fuzz_bag_reader COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fuzz/run_fuzz.sh ${OV_FUZZ_DIR} bag_reader
                                        -runs=2000 -max_total_time=30)
  # Both build the same tree: one at a time; the first build of that tree takes minutes.
  set_tests_properties(fuzz_record fuzz_bag_reader PROPERTIES TIMEOUT 1200 RUN_SERIAL TRUE)
endif()
