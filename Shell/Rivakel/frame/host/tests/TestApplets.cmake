# Game modules the host's tests load: built as real games are (hidden visibility, no unique
# symbols so that unloading unloads, nothing of the shell linked), each with its own resources.
set(TEST_APPLETS_DIR ${CMAKE_CURRENT_LIST_DIR}/applets)
set(TEST_APPLETS_OUT ${CMAKE_CURRENT_BINARY_DIR}/testgames)

function(rivakel_test_applet name)
  cmake_parse_arguments(T "" "MANIFEST" "DEFINES" ${ARGN})
  rivakel_game_module(${name} SOURCE ${TEST_APPLETS_DIR}/TestGame.cpp MANIFEST ${TEST_APPLETS_DIR}/${T_MANIFEST}
    OUTPUT ${TEST_APPLETS_OUT} DEFINES ${T_DEFINES})
  if(TARGET rivakel_frame_host_tests)
    add_dependencies(rivakel_frame_host_tests ${name})
  endif()
endfunction()

rivakel_test_applet(TestGame MANIFEST TestGame.manifest)
rivakel_test_applet(TestGameBare MANIFEST TestGameBare.manifest)
rivakel_test_applet(TestGameCard MANIFEST TestGameCard.manifest)
rivakel_test_applet(TestGameNoName MANIFEST TestGameNoName.manifest)
rivakel_test_applet(TestGameNoStart MANIFEST TestGame.manifest DEFINES TEST_GAME_WITHOUT_START)

if(TARGET rivakel_frame_host_tests)
  target_compile_definitions(rivakel_frame_host_tests PRIVATE TEST_GAMES_DIR="${TEST_APPLETS_OUT}")
endif()
