# Run by cpack on the finished package: the ar headers of its three members
# (debian-binary, control.tar, data.tar) carry the modes of cpack's own
# working files, which follow the builder's umask; set them to 100644, as
# dpkg-deb writes them. Each header is 60 ASCII bytes: name 16, time 12,
# owner 6, group 6, mode 8, size 10, end 2; a member's data is padded to an
# even length.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE "${package}" package_size)
  set(header_offset 8)  # after "!<arch>\n"
  while(header_offset LESS package_size)
    file(READ "${package}" header OFFSET ${header_offset} LIMIT 60)
    string(SUBSTRING "${header}" 48 10 member_size)
    string(STRIP "${member_size}" member_size)
    if(NOT member_size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${package}: no ar member header at byte ${header_offset}")
    endif()
    math(EXPR mode_offset "${header_offset} + 40")
    execute_process(
      COMMAND sh -c "printf '100644  ' | dd of=\"$1\" bs=1 seek=$2 conv=notrunc status=none"
        sh "${package}" ${mode_offset}
      RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${package}: could not set the mode of the member at byte ${header_offset}")
    endif()
    math(EXPR header_offset "${header_offset} + 60 + ${member_size} + ${member_size} % 2")
  endwhile()
endforeach()
