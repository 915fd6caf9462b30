# The program's sources but its main(), for the normal build and the fuzz
# build alike: sets SFERONDA_CORE_SOURCES.
get_filename_component(sferonda_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
file(GLOB SFERONDA_CORE_SOURCES CONFIGURE_DEPENDS
  ${sferonda_root}/records/*.cpp
  ${sferonda_root}/geometry/*.cpp
  ${sferonda_root}/writers/*.cpp
  ${sferonda_root}/driver/*.cpp)
list(FILTER SFERONDA_CORE_SOURCES EXCLUDE REGEX "/driver/main\\.cpp$")
