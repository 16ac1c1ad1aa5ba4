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
