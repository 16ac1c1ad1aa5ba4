# The game module the shell window's tests, benchmarks and screenshots launch: built as real
# games are (hidden visibility, no unique symbols, nothing of the shell linked).
set(SHELL_TEST_GAME_DIR ${CMAKE_CURRENT_LIST_DIR}/applets)
add_library(ShellTestGame MODULE ${SHELL_TEST_GAME_DIR}/ShellTestGame.cpp)
target_include_directories(ShellTestGame PRIVATE ${RIVAKEL_INCLUDE_ROOT})
target_compile_options(ShellTestGame PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
set_target_properties(ShellTestGame PROPERTIES PREFIX "" SUFFIX ".gam"
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/testgames)
rivakel_add_resources(ShellTestGame MANIFEST ${SHELL_TEST_GAME_DIR}/ShellTestGame.manifest)
# Programs that launch the game are built after it and told its path.
function(rivakel_use_shell_test_game)
  foreach(user ${ARGN})
    if(TARGET ${user})
      add_dependencies(${user} ShellTestGame)
      target_compile_definitions(${user} PRIVATE SHELL_TEST_GAME="$<TARGET_FILE:ShellTestGame>")
    endif()
  endforeach()
endfunction()
rivakel_use_shell_test_game(rivakel_frame_shell_tests rivakel_frame_shell_bench)
