# Game modules the host's tests load: built as real games are (hidden visibility, no unique
# symbols so that unloading unloads, nothing of the shell linked), each with its own resources.
set(TEST_APPLETS_DIR ${CMAKE_CURRENT_LIST_DIR}/applets)
set(TEST_APPLETS_OUT ${CMAKE_CURRENT_BINARY_DIR}/testgames)

function(rivakel_test_applet name)
  cmake_parse_arguments(T "" "MANIFEST;SOURCE" "DEFINES" ${ARGN})
  if(NOT T_SOURCE)
    set(T_SOURCE TestGame.cpp)
  endif()
  add_library(${name} MODULE ${TEST_APPLETS_DIR}/${T_SOURCE})
  target_include_directories(${name} PRIVATE ${RIVAKEL_INCLUDE_ROOT})
  target_compile_definitions(${name} PRIVATE ${T_DEFINES})
  # Not instrumented: the sanitizer build checks the shell's side, and a lean module keeps a
  # thousand loads in a row quick.
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique> -fno-sanitize=all)
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".gam"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${TEST_APPLETS_OUT})
  rivakel_add_resources(${name} MANIFEST ${TEST_APPLETS_DIR}/${T_MANIFEST})
  set_property(GLOBAL APPEND PROPERTY RIVAKEL_TEST_APPLETS ${name})
endfunction()

# A test program that loads or installs the test game modules: built after them, told where.
function(rivakel_use_test_applets target)
  if(TARGET ${target})
    get_property(applets GLOBAL PROPERTY RIVAKEL_TEST_APPLETS)
    add_dependencies(${target} ${applets})
    target_compile_definitions(${target} PRIVATE TEST_GAMES_DIR="${TEST_APPLETS_OUT}")
  endif()
endfunction()

rivakel_test_applet(TestGame MANIFEST TestGame.manifest)
rivakel_test_applet(TestGameBare MANIFEST TestGameBare.manifest)
rivakel_test_applet(TestGameCard MANIFEST TestGameCard.manifest)
rivakel_test_applet(TestGameNoName MANIFEST TestGameNoName.manifest)
rivakel_test_applet(TestGameNoStart MANIFEST TestGame.manifest DEFINES TEST_GAME_WITHOUT_START)
rivakel_test_applet(TestGameNewer MANIFEST TestGameNewer.manifest)
rivakel_test_applet(TestGameEscape MANIFEST TestGameEscape.manifest)
rivakel_test_applet(TestGameFiller MANIFEST TestGame.manifest DEFINES TEST_GAME_FILLS_STORE)
rivakel_test_applet(TestGameHugeLogo MANIFEST TestGameHugeLogo.manifest)
# Games that crash on purpose, for the error report.
foreach(crash NullWrite Abort Overflow OnTick)
  string(REGEX REPLACE "([a-z])([A-Z])" "\\1_\\2" define ${crash})
  string(TOUPPER ${define} define)
  rivakel_test_applet(CrashGame${crash} MANIFEST TestGame.manifest SOURCE CrashGame.cpp DEFINES CRASH_GAME_${define})
endforeach()

# Games that misbehave on purpose, one way each (see MisbehavingGame.cpp), and one that sweeps
# every slot with hostile arguments.
foreach(way LeaveTimer LeaveListeners LeaveButtons LeaveSound LeavePageSurfaces EndTheRecord Throws
            AskOnInstructions AskForMail)
  rivakel_test_applet(Misbehaving${way} MANIFEST MisbehavingGame.manifest SOURCE MisbehavingGame.cpp
    DEFINES GAME_WAY=${way})
endforeach()
rivakel_test_applet(MisbehavingNoStop MANIFEST MisbehavingGame.manifest SOURCE MisbehavingGame.cpp
  DEFINES GAME_WAY=LeaveTimer TEST_GAME_WITHOUT_STOP)
rivakel_test_applet(HostileSweep MANIFEST MisbehavingGame.manifest SOURCE HostileSweepGame.cpp)

rivakel_use_test_applets(rivakel_frame_host_tests)
rivakel_use_test_applets(rivakel_frame_host_bench)
if(TARGET rivakel_frame_host_tests)
  # The crash tests let the real shell program write the error report.
  target_compile_definitions(rivakel_frame_host_tests PRIVATE RIVAKEL_PROGRAM="$<TARGET_FILE:rivakel>")
  add_dependencies(rivakel_frame_host_tests rivakel)
endif()
