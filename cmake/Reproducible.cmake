# The same commit builds the same bytes wherever it is checked out and
# whenever it is built.
#
# No folder of the build machine in the objects: file names, those of the
# asserts that stay on included, are relative to the source folder.
add_compile_options(
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
  # Checked first, as the build folder may lie inside the source folder.
  -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# Every date that lands in a file (the manual page, the package's changelog
# and file times) comes from SOURCE_DATE_EPOCH: as given, else the time of
# the last commit, else a fixed date. Set here, string(TIMESTAMP) follows it.
# A checkout asks git; a tarball made by `git archive` has the time in
# commit-time.txt (export-subst), so that it builds the checkout's bytes.
# Only a .git of the source folder itself counts: one of a folder around an
# unpacked tarball would give another commit's time.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(last_commit_time "")
  if(EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND git log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE last_commit_time
      OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET)
  elseif(EXISTS ${PROJECT_SOURCE_DIR}/cmake/commit-time.txt)
    file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/commit-time.txt last_commit_time LIMIT_COUNT 1)
  endif()
  # Unexpanded, the file still holds its $Format placeholder.
  if(last_commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${last_commit_time})
  else()
    set(ENV{SOURCE_DATE_EPOCH} 1796083200)  # 2026-12-01 00:00 UTC
  endif()
endif()
set(SFERONDA_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
