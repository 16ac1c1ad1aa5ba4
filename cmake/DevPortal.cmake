# The portal as scripts/run.sh starts it: a data folder of the build's own (<build>/portal) in
# which the games built here are installed, so that a development run has every game under
# "Games you have" and neither needs nor touches an installed portal's folders.
#
#   rivakel_dev_portal()  after every game: the target rivakel_portal lays the folder out with
#                         each game's module (rivakel_game).

function(rivakel_dev_portal)
  get_property(games GLOBAL PROPERTY RIVAKEL_GAME_MODULES)
  set(folder ${PROJECT_BINARY_DIR}/portal/Rivakel)
  set(commands)
  foreach(game ${games})
    get_target_property(file ${game} RIVAKEL_GAME_FILE)
    get_filename_component(game_folder ${file} DIRECTORY)
    get_filename_component(identifier ${game_folder} NAME)
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/Games/${identifier}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${folder}/Games/${identifier}/)
  endforeach()
  # A store of its own marks the folder as an installed portal; it is kept across builds.
  add_custom_target(rivakel_portal ALL ${commands}
    COMMAND ${CMAKE_COMMAND} -DSTORE=${folder}/System/Core.rdt -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SeedStore.cmake
    COMMENT "Installing the built games into ${PROJECT_BINARY_DIR}/portal" VERBATIM)
  add_dependencies(rivakel_portal rivakel ${games})
endfunction()
