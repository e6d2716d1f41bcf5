# Lays out the program directory in build/bin: every file under data/ is
# copied to the same relative place, but only when it is missing there, so a
# rebuild never overwrites what the user (or the program) changed.
# Generated files (the skin pictures) are added by their own targets.

file(GLOB_RECURSE K9_DATA_FILES RELATIVE ${CMAKE_SOURCE_DIR}/data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)

add_custom_target(k9_program_data ALL
  COMMAND ${CMAKE_COMMAND}
          -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/data
          -DDEST_DIR=${K9_PROGRAM_DIR}
          "-DFILES=${K9_DATA_FILES}"
          -P ${CMAKE_SOURCE_DIR}/cmake/CopyIfMissing.cmake
  COMMENT "Laying out the program directory in ${K9_PROGRAM_DIR}"
  VERBATIM)
