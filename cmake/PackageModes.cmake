# Run by cpack on its staging tree before it packs it: directories made
# during the install carry the builder's umask, the package's are 0755.
file(GLOB_RECURSE staged_directories LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS staged_directories)
  if(IS_DIRECTORY "${path}")
    file(CHMOD "${path}" DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
