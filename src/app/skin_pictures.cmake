# The skin pictures are drawn by a tool target defined after src/: the
# dependency is added once the whole tree has been read. (A deferred call's
# arguments are expanded when it runs, so the name is spliced in now.)
function(k9_after_skin_pictures target)
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL k9_add_skin_picture_dependency [[${target}]])")
endfunction()
function(k9_add_skin_picture_dependency target)
  if(TARGET k9_skin_pictures)
    add_dependencies(${target} k9_skin_pictures)
  endif()
endfunction()
