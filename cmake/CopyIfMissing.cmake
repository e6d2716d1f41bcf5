# cmake -DSOURCE_DIR=.. -DDEST_DIR=.. -DFILES=a;b/c -P CopyIfMissing.cmake
foreach(file IN LISTS FILES)
  set(dest "${DEST_DIR}/${file}")
  if(NOT EXISTS "${dest}")
    get_filename_component(dest_dir "${dest}" DIRECTORY)
    file(MAKE_DIRECTORY "${dest_dir}")
    file(COPY_FILE "${SOURCE_DIR}/${file}" "${dest}")
  endif()
endforeach()
