# Read by cpack itself, before it packages: the date of the configuration,
# unless SOURCE_DATE_EPOCH is given to cpack.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_SFERONDA_SOURCE_DATE_EPOCH})
endif()
