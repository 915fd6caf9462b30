# The program's sources but its main(), for the normal build and the fuzz
# build alike: sets SFERONDA_CORE_SOURCES. Of platform/, only the source of
# the system built for.
get_filename_component(sferonda_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
file(GLOB SFERONDA_CORE_SOURCES CONFIGURE_DEPENDS
  ${sferonda_root}/records/*.cpp
  ${sferonda_root}/geometry/*.cpp
  ${sferonda_root}/writers/*.cpp
  ${sferonda_root}/driver/*.cpp)
list(FILTER SFERONDA_CORE_SOURCES EXCLUDE REGEX "/driver/main\\.cpp$")
if(WIN32)
  list(APPEND SFERONDA_CORE_SOURCES ${sferonda_root}/platform/windows.cpp
    ${sferonda_root}/platform/windows_console.cpp)
else()
  list(APPEND SFERONDA_CORE_SOURCES ${sferonda_root}/platform/posix.cpp)
endif()
