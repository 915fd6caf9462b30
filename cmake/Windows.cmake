# The Windows program (cmake/windows-x86_64.cmake): one sferonda.exe that
# needs no DLL beside it, the same bytes from every build of a commit, with
# the manifest that makes names UTF-8. scripts/build-windows.sh zips it.
enable_language(RC)
target_sources(sferonda PRIVATE ${PROJECT_SOURCE_DIR}/platform/sferonda.rc)
# The resource compiler's dependencies leave out the file that it embeds.
set_source_files_properties(${PROJECT_SOURCE_DIR}/platform/sferonda.rc PROPERTIES
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/platform/sferonda.manifest)
# Stripped as it is linked: a strip afterwards would write a time into the
# PE header again.
target_link_options(sferonda PRIVATE -s)
