# Building applet modules.
#
#   rivakel_applet_code(<target>)
#     Compiles <target> as code that goes into an applet module: hidden visibility, and no
#     unique symbols, which would keep the module mapped after it is unloaded.
#
#   rivakel_applet(<target> MANIFEST <file> [ART <art module>] SOURCES <...> LIBS <...>)
#     The module <Identifier>.gam, where the identifier is string 5 of the manifest's string
#     table, in <build>/Games/<Identifier>/ (a game's own folder, as installed). Its resources are
#     packed from the manifest. The module's path is the target's RIVAKEL_GAME_FILE property.
#     A test checks that it exports only the two entry points and needs no library of the shell.

function(rivakel_applet_code target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    POSITION_INDEPENDENT_CODE ON)
  target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
endfunction()

function(rivakel_applet target)
  cmake_parse_arguments(A "" "MANIFEST;ART" "SOURCES;LIBS" ${ARGN})
  file(STRINGS ${A_MANIFEST} identifier_line REGEX "^string 5 ")
  string(REGEX REPLACE "^string 5 +" "" identifier "${identifier_line}")
  if(identifier STREQUAL "")
    message(FATAL_ERROR "${A_MANIFEST}: string 5, the game's identifier, is missing")
  endif()
  set(folder ${PROJECT_BINARY_DIR}/Games/${identifier})
  add_library(${target} MODULE ${A_SOURCES})
  target_link_libraries(${target} PRIVATE ${A_LIBS})
  rivakel_applet_code(${target})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME "${identifier}" SUFFIX ".gam"
    LIBRARY_OUTPUT_DIRECTORY ${folder} RIVAKEL_GAME_FILE ${folder}/${identifier}.gam)
  if(A_ART)
    rivakel_add_resources(${target} MANIFEST ${A_MANIFEST} ART ${A_ART})
  else()
    rivakel_add_resources(${target} MANIFEST ${A_MANIFEST})
  endif()
  # The standard library's own inline variables would be exported too: the version script keeps
  # the module's table to its two entry points.
  target_link_options(${target} PRIVATE -Wl,--version-script=${CMAKE_CURRENT_FUNCTION_LIST_DIR}/Applet.exports)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/Applet.exports)
  add_test(NAME ${target}_module_check COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:${target}>
    -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckAppletModule.cmake)
endfunction()

#   rivakel_game(<Name> [MANIFEST <file>] [BARE_MANIFEST <file>] [TEST_DEPS <...>])
#     A whole game from its folder (the current one): the library rivakel_game_<name> of its code
#     (all but Exports.cpp, which holds the entry points and goes into the module alone), its
#     tests, benchmarks and fuzz targets, the art module rivart_<name> when art/ has recipes, and
#     the module rivakel_<name>_gam from <Name>.manifest. With BARE_MANIFEST, the same module
#     without its resources as rivakel_<name>_bare_gam. Tests and benchmarks get <NAME>_GAM (and
#     <NAME>_BARE_GAM) with the module's path, <NAME>_GAME_ID and <NAME>_SOURCE_DIR; the global property
#     RIVAKEL_GAME_MODULES lists every game's module.
function(rivakel_game name)
  cmake_parse_arguments(G "" "MANIFEST;BARE_MANIFEST" "TEST_DEPS" ${ARGN})
  string(TOLOWER ${name} lower)
  string(TOUPPER ${name} upper)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT G_MANIFEST)
    set(G_MANIFEST ${dir}/${name}.manifest)
  endif()
  set(RIVAKEL_INCLUDE_ROOT ${PROJECT_SOURCE_DIR}/Shell/Rivakel)

  file(GLOB art CONFIGURE_DEPENDS ${dir}/art/*.cpp)
  set(art_args)
  if(art)
    rivakel_art_module(${lower} SOURCES ${art})
    set(art_args ART ${lower})
  endif()

  set(library rivakel_game_${lower})
  rivakel_component(NAME ${library} DIR ${dir} DEPS rivakel_apps_common
    TEST_DEPS rivakel_applet_harness ${G_TEST_DEPS})
  rivakel_applet_code(${library})
  get_target_property(sources ${library} SOURCES)
  list(FILTER sources EXCLUDE REGEX "/Exports\\.cpp$")
  set_target_properties(${library} PROPERTIES SOURCES "${sources}")

  rivakel_applet(rivakel_${lower}_gam MANIFEST ${G_MANIFEST} ${art_args} SOURCES ${dir}/Exports.cpp LIBS ${library})
  get_target_property(module rivakel_${lower}_gam RIVAKEL_GAME_FILE)
  set_property(GLOBAL APPEND PROPERTY RIVAKEL_GAME_MODULES rivakel_${lower}_gam)
  set(modules rivakel_${lower}_gam)
  file(STRINGS ${G_MANIFEST} identifier_line REGEX "^string 5 ")
  string(REGEX REPLACE "^string 5 +" "" identifier "${identifier_line}")
  set(definitions ${upper}_GAM="${module}" ${upper}_GAME_ID="${identifier}" ${upper}_SOURCE_DIR="${dir}")
  if(G_BARE_MANIFEST)
    rivakel_applet(rivakel_${lower}_bare_gam MANIFEST ${G_BARE_MANIFEST} SOURCES ${dir}/Exports.cpp LIBS ${library})
    get_target_property(bare rivakel_${lower}_bare_gam RIVAKEL_GAME_FILE)
    list(APPEND modules rivakel_${lower}_bare_gam)
    list(APPEND definitions ${upper}_BARE_GAM="${bare}")
  endif()
  foreach(consumer ${library}_tests ${library}_bench)
    if(TARGET ${consumer})
      add_dependencies(${consumer} ${modules})
      target_compile_definitions(${consumer} PRIVATE ${definitions})
    endif()
  endforeach()
endfunction()

# The "<game>=<module file>" of every game rivakel_game built (<game> in lower case), for the
# programs that take them all.
function(rivakel_game_module_files out)
  get_property(modules GLOBAL PROPERTY RIVAKEL_GAME_MODULES)
  set(files)
  foreach(module ${modules})
    string(REGEX REPLACE "^rivakel_(.*)_gam$" "\\1" game ${module})
    list(APPEND files ${game}=$<TARGET_PROPERTY:${module},RIVAKEL_GAME_FILE>)
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

#   rivakel_games_start_bench()
#     After every game: the benchmark of a click on a game's tile until its first frame, in the real
#     portal, for each module rivakel_game built (Shell/Rivakel/harness/bench).
function(rivakel_games_start_bench)
  get_property(modules GLOBAL PROPERTY RIVAKEL_GAME_MODULES)
  if(NOT benchmark_FOUND OR NOT modules)
    return()
  endif()
  rivakel_game_module_files(files)
  add_executable(rivakel_tile_click_bench ${PROJECT_SOURCE_DIR}/Shell/Rivakel/harness/bench/TileClickBench.cpp)
  target_link_libraries(rivakel_tile_click_bench PRIVATE rivakel_applet_harness rivakel_shell_resources
    benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(rivakel_tile_click_bench PRIVATE "RIVAKEL_GAME_MODULES=\"$<JOIN:${files},|>\"")
  add_dependencies(rivakel_tile_click_bench ${modules})
endfunction()

#   rivakel_games_names_test()
#     After every game: the test of the players' names on each game screen that shows one, in the
#     harness, with every module rivakel_game built (Shell/Rivakel/harness/tests); Dunmoro's bot wins
#     its challenge.
function(rivakel_games_names_test)
  get_property(modules GLOBAL PROPERTY RIVAKEL_GAME_MODULES)
  if(NOT TARGET rivakel_dunmoro_gam)
    return()
  endif()
  rivakel_game_module_files(files)
  set(bot ${PROJECT_SOURCE_DIR}/Games/Dunmoro/tests)
  add_executable(rivakel_games_names_tests ${PROJECT_SOURCE_DIR}/Shell/Rivakel/harness/tests/PlayerNamesTest.cpp
    ${bot}/DunmoroBot.cpp ${bot}/SolitaireModel.cpp)
  target_link_libraries(rivakel_games_names_tests PRIVATE rivakel_applet_harness rivakel_game_dunmoro
    GTest::gtest GTest::gtest_main)
  target_compile_definitions(rivakel_games_names_tests PRIVATE "RIVAKEL_GAME_MODULES=\"$<JOIN:${files},|>\""
    "DUNMORO_GAM=\"$<TARGET_PROPERTY:rivakel_dunmoro_gam,RIVAKEL_GAME_FILE>\"")
  add_dependencies(rivakel_games_names_tests ${modules})
  gtest_discover_tests(rivakel_games_names_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "RIVAKEL_PLATFORM=headless")
endfunction()
