# One static library per component folder, with its tests/, bench/ and fuzz/ beside it.
#   rivakel_component(NAME <target> DIR <folder> [DEPS <targets...>] [TEST_DEPS <targets...>])
# Sources are the folder's own *.cpp (not its subfolders); tests/*.cpp form <target>_tests,
# bench/*.cpp form <target>_bench, and every fuzz/*.cpp becomes its own fuzz target.
function(rivakel_component)
  cmake_parse_arguments(C "" "NAME;DIR" "DEPS;TEST_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${C_DIR}/*.cpp)
  if(sources)
    add_library(${C_NAME} STATIC ${sources})
    target_include_directories(${C_NAME} PUBLIC ${RIVAKEL_INCLUDE_ROOT})
    target_link_libraries(${C_NAME} PUBLIC ${C_DEPS})
  else()
    # A component whose code is still all headers.
    add_library(${C_NAME} INTERFACE)
    target_include_directories(${C_NAME} INTERFACE ${RIVAKEL_INCLUDE_ROOT})
    target_link_libraries(${C_NAME} INTERFACE ${C_DEPS})
  endif()

  file(GLOB tests CONFIGURE_DEPENDS ${C_DIR}/tests/*.cpp)
  if(tests)
    add_executable(${C_NAME}_tests ${tests})
    target_link_libraries(${C_NAME}_tests PRIVATE ${C_NAME} ${C_TEST_DEPS} GTest::gtest GTest::gtest_main)
    # One value only: gtest_discover_tests splits a list-valued ENVIRONMENT.
    target_compile_definitions(${C_NAME}_tests PRIVATE
      RIVAKEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}" RIVAKEL_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${C_NAME}_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "RIVAKEL_PLATFORM=headless")
  endif()

  file(GLOB benches CONFIGURE_DEPENDS ${C_DIR}/bench/*.cpp)
  if(benches AND benchmark_FOUND)
    add_executable(${C_NAME}_bench ${benches})
    target_link_libraries(${C_NAME}_bench PRIVATE ${C_NAME} ${C_TEST_DEPS} benchmark::benchmark benchmark::benchmark_main)
  endif()

  file(GLOB fuzzers CONFIGURE_DEPENDS ${C_DIR}/fuzz/*.cpp)
  foreach(fuzzer ${fuzzers})
    get_filename_component(fname ${fuzzer} NAME_WE)
    rivakel_fuzz_target(${C_NAME}_${fname} ${fuzzer} ${C_NAME})
  endforeach()
endfunction()

# A fuzz target is a libFuzzer binary in the fuzz build; elsewhere it is linked with a small driver
# that replays the corpus folder beside it plus inputs mutated from it, and runs as a test. Either
# way its log stays quiet: anything written to it fails the replay.
function(rivakel_fuzz_target target source lib)
  add_executable(${target} ${source} ${PROJECT_SOURCE_DIR}/Tools/fuzzdriver/FuzzQuiet.cpp)
  # FuzzQuiet silences the platform's log, which applet libraries do not link themselves.
  target_link_libraries(${target} PRIVATE ${lib} rivakel_platform)
  get_filename_component(fdir ${source} DIRECTORY)
  get_filename_component(fname ${source} NAME_WE)
  if(RIVAKEL_LIBFUZZER)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    add_dependencies(rivakel_fuzz_targets ${target})
    # Its corpus replayed by the fuzzing build itself (CI runs the label after building the
    # targets): an input that ends in a finding fails.
    add_test(NAME ${target} COMMAND ${target} -runs=0 ${fdir}/corpus/${fname})
    set_tests_properties(${target} PROPERTIES LABELS fuzz ENVIRONMENT "RIVAKEL_PLATFORM=headless")
  else()
    target_link_libraries(${target} PRIVATE rivakel_fuzz_driver)
    add_test(NAME ${target} COMMAND ${CMAKE_COMMAND} -DTARGET=$<TARGET_FILE:${target}> -DCORPUS=${fdir}/corpus/${fname}
      -DLOG=${CMAKE_CURRENT_BINARY_DIR}/${target}.log -P ${PROJECT_SOURCE_DIR}/cmake/QuietFuzzReplay.cmake)
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "RIVAKEL_PLATFORM=headless")
  endif()
endfunction()
