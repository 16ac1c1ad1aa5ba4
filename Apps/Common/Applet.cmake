# Building applet modules.
#
#   rivakel_applet_code(<target>)
#     Compiles <target> as code that goes into an applet module: hidden visibility, and no
#     unique symbols, which would keep the module mapped after it is unloaded.
#
#   rivakel_applet(<target> MANIFEST <file> [ART <art module>] [TEST_MODULE] SOURCES <...> LIBS <...>)
#     The module <Identifier>.gam, where the identifier is string 5 of the manifest's string
#     table, in <build>/Games/<Identifier>/ (a game's own folder, as installed). Its resources are
#     packed from the manifest. The module's path is the target's RIVAKEL_GAME_FILE property.
#     A test checks that it exports only the two entry points and needs no library of the shell.
#     Every module but a TEST_MODULE is a game of the development portal (DevPortal.cmake).

function(rivakel_applet_code target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    POSITION_INDEPENDENT_CODE ON)
  target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
endfunction()

function(rivakel_applet target)
  cmake_parse_arguments(A "TEST_MODULE" "MANIFEST;ART" "SOURCES;LIBS" ${ARGN})
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
  if(NOT A_TEST_MODULE)
    set_property(GLOBAL APPEND PROPERTY RIVAKEL_PORTAL_GAMES ${target})
  endif()
  add_test(NAME ${target}_module_check COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:${target}>
    -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckAppletModule.cmake)
endfunction()
