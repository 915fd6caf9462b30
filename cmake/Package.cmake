# `cpack -G DEB` in the build folder makes sferonda_VERSION_ARCH.deb of what
# the install rules install, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sferonda)
set(CPACK_PACKAGE_VENDOR "Sferonda project contributors")
set(CPACK_PACKAGE_CONTACT "Sferonda project contributors <sferonda@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bead models to scene files for renderers and viewers")
# Lines within 80 columns as they stand: cpack does not wrap them.
set(CPACK_PACKAGE_DESCRIPTION
"Sferonda turns bead models, spheres joined by cylinders, into scene files.
It runs a batch of cases listed in a main input file and writes, for each
case, a pseudo-PDB file for molecular viewers, a POV-Ray fragment or a
complete POV-Ray scene, a Polyray fragment or a VRML 2.0 world.

Its gltf subcommand writes one model as a binary glTF 2.0 file, which
Blender, three.js and the 3D viewers of desktop systems open.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The same package from every build of a commit: cpack, a process of its
# own, takes the times of the packaged files from the configuration's
# SOURCE_DATE_EPOCH; the scripts set the modes that follow the umask.
set(CPACK_SFERONDA_SOURCE_DATE_EPOCH ${SFERONDA_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageOptions.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageModes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageArMembers.cmake)

include(CPack)
