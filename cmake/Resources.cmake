# Art and resources of a module.
#
#   rivakel_art_module(<name> SOURCES <recipe sources...>)
#     Makes rivart_<name>: the art tool with that module's recipes, and the test
#     rivart_<name>_check that checks every picture against its name.
#
#   rivakel_add_resources(<target> MANIFEST <file> [ART <art-module-name>])
#     At build time draws the module's art (when ART is given) and packs what the manifest
#     names into one blob, placed in the "rivres" section of an object added to <target>.
#     Outputs go to the binary folder; they are remade when a recipe, the manifest or a
#     source it names changes.

function(rivakel_art_module name)
  cmake_parse_arguments(A "" "" "SOURCES" ${ARGN})
  add_executable(rivart_${name} ${A_SOURCES})
  target_link_libraries(rivart_${name} PRIVATE rivakel_rivart_main)
  add_test(NAME rivart_${name}_check COMMAND rivart_${name} --check)
  set_tests_properties(rivart_${name}_check PROPERTIES ENVIRONMENT "RIVAKEL_PLATFORM=headless")
endfunction()

function(rivakel_add_resources target)
  cmake_parse_arguments(R "" "MANIFEST;ART" "" ${ARGN})
  get_filename_component(manifest ${R_MANIFEST} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
  set(art_dir ${out}/art)
  set(art_stamp)
  if(R_ART)
    set(art_stamp ${art_dir}/art.stamp)
    add_custom_command(OUTPUT ${art_stamp}
      COMMAND rivart_${R_ART} --out ${art_dir} --stamp ${art_stamp}
      DEPENDS rivart_${R_ART}
      COMMENT "Drawing the art of ${R_ART}"
      VERBATIM)
  endif()
  add_custom_command(OUTPUT ${out}/rivres.bin ${out}/rivres.S
    COMMAND respack --manifest ${manifest} --art-dir ${art_dir}
            --blob ${out}/rivres.bin --asm ${out}/rivres.S --depfile ${out}/rivres.d
    DEPENDS respack ${manifest} ${art_stamp}
    DEPFILE ${out}/rivres.d
    COMMENT "Packing the resources of ${target}"
    VERBATIM)
  # The assembler pulls the blob in with .incbin, which no dependency scanner sees.
  set_source_files_properties(${out}/rivres.S PROPERTIES GENERATED TRUE OBJECT_DEPENDS ${out}/rivres.bin)
  target_sources(${target} PRIVATE ${out}/rivres.S)
endfunction()

#   rivakel_game_module(<name> SOURCE <file> MANIFEST <file> [ART <art-module-name>] OUTPUT <folder>
#                       [DEFINES <definitions...>])
#     A game module built as real games are: "<name>.gam" in <folder>, hidden visibility, no
#     unique symbols (so that unloading unloads), nothing of the shell linked, its resources packed.
function(rivakel_game_module name)
  cmake_parse_arguments(G "" "SOURCE;MANIFEST;ART;OUTPUT" "DEFINES" ${ARGN})
  add_library(${name} MODULE ${G_SOURCE})
  target_include_directories(${name} PRIVATE ${RIVAKEL_INCLUDE_ROOT})
  target_compile_definitions(${name} PRIVATE ${G_DEFINES})
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".gam"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${G_OUTPUT})
  if(G_ART)
    rivakel_add_resources(${name} MANIFEST ${G_MANIFEST} ART ${G_ART})
  else()
    rivakel_add_resources(${name} MANIFEST ${G_MANIFEST})
  endif()
endfunction()
