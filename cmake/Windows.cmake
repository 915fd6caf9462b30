# The Windows program (cmake/windows-x86_64.cmake): one sferonda.exe that
# needs no DLL beside it, the same bytes from every build of a commit, with
# the manifest that makes names UTF-8 and lifts the old limit on path
# lengths, and the version resource. scripts/build-windows.sh zips it.
enable_language(RC)
# The arguments as UTF-16 (CommandLineToArgvW).
target_link_libraries(sferonda_core PUBLIC shell32)
# Both carry the version of project(), the one place it is kept.
set(SFERONDA_MANIFEST ${PROJECT_BINARY_DIR}/sferonda.manifest)
configure_file(${PROJECT_SOURCE_DIR}/platform/sferonda.manifest.in ${SFERONDA_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/platform/sferonda.rc.in ${PROJECT_BINARY_DIR}/sferonda.rc @ONLY)
target_sources(sferonda PRIVATE ${PROJECT_BINARY_DIR}/sferonda.rc)
# The resource compiler's dependencies leave out the file that it embeds.
set_source_files_properties(${PROJECT_BINARY_DIR}/sferonda.rc PROPERTIES OBJECT_DEPENDS ${SFERONDA_MANIFEST})
# Stripped as it is linked: a strip afterwards would write a time into the
# PE header again.
target_link_options(sferonda PRIVATE -s)
