# What `cmake --install` puts under the prefix, and the package with it:
# the program, its manual page, the README, the licence in the Debian
# copyright format as well, the changelog and the examples.
set(CMAKE_INSTALL_DOCDIR share/doc/sferonda CACHE PATH "Documentation folder")
include(GNUInstallDirs)

set(generated ${PROJECT_BINARY_DIR}/install)

# gzip -9n: the best compression, and no name or time in the header, so
# that the same text always compresses to the same bytes.
function(sferonda_gzip source target)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${target} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${source}")
  endif()
endfunction()

string(TIMESTAMP SFERONDA_MANUAL_DATE "%Y-%m-%d" UTC)
configure_file(${PROJECT_SOURCE_DIR}/man/sferonda.1.in ${generated}/sferonda.1 @ONLY)
sferonda_gzip(${generated}/sferonda.1 ${generated}/sferonda.1.gz)

# The licence's terms as a field of the copyright file: lines indented by
# one blank, an empty line written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(FIND "${licence}" "Permission is hereby granted" terms_start)
string(SUBSTRING "${licence}" ${terms_start} -1 terms)
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " SFERONDA_LICENCE_TERMS " ${terms}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${generated}/copyright @ONLY)

string(TIMESTAMP SFERONDA_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${generated}/changelog @ONLY)
sferonda_gzip(${generated}/changelog ${generated}/changelog.gz)

install(TARGETS sferonda RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/sferonda.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md LICENSE ${generated}/copyright ${generated}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The README's links lead into docs/: the pages and their pictures go with it.
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(FILES
    examples/main.inp examples/header.inc
    examples/chain.dat examples/chain.col
    examples/compact.dat examples/compact.col
    examples/helix.dat examples/helix.col
    examples/single.dat examples/single.col
    examples/star.dat examples/star.col
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
