# The game module the shell window's tests, benchmarks and screenshots launch.
set(SHELL_TEST_GAME_DIR ${CMAKE_CURRENT_LIST_DIR}/applets)
rivakel_game_module(ShellTestGame SOURCE ${SHELL_TEST_GAME_DIR}/ShellTestGame.cpp
  MANIFEST ${SHELL_TEST_GAME_DIR}/ShellTestGame.manifest OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/testgames)
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
