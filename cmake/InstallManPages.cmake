# Install-time script (cmake/Install.cmake sets its BW_* variables): writes
# the man pages with the folders of the copy being installed. In the Debian
# package (BW_DEBIAN_PACKAGE holds its prefix) they are compressed.
if(BW_DEBIAN_PACKAGE)
  set(prefix ${BW_DEBIAN_PACKAGE})
else()
  set(prefix ${CMAKE_INSTALL_PREFIX})
endif()
set(BW_MAN_DATADIR ${prefix}/${BW_DATA_SUBDIR})
foreach(page brindlewick.6 brindlewick-tool.1)
  configure_file(${BW_MAN_SOURCE}/${page}.in ${BW_MAN_WORK}/${page} @ONLY)
  string(REGEX REPLACE ".*\\." "" section ${page})
  set(destination ${CMAKE_INSTALL_PREFIX}/${BW_MANDIR}/man${section})
  if(BW_DEBIAN_PACKAGE)
    # gzip -9n: no name or time stamp, so the package builds reproducibly.
    execute_process(COMMAND gzip -9nc ${BW_MAN_WORK}/${page}
                    OUTPUT_FILE ${BW_MAN_WORK}/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
    file(INSTALL ${BW_MAN_WORK}/${page}.gz DESTINATION ${destination} PERMISSIONS
         OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  else()
    file(INSTALL ${BW_MAN_WORK}/${page} DESTINATION ${destination} PERMISSIONS
         OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
