# The Windows program (cmake/windows-x86_64.cmake): one sferonda.exe that
# needs no DLL beside it, the same bytes from every build of a commit, with
# the manifest that makes names UTF-8. scripts/build-windows.sh zips it.
enable_language(RC)
target_sources(sferonda PRIVATE ${PROJECT_SOURCE_DIR}/platform/sferonda.rc)
# Stripped as it is linked: a strip afterwards would write a time into the
# PE header again.
target_link_options(sferonda PRIVATE -s)
