# Install-time script for the Debian package only (BW_DEBIAN_PACKAGE is set
# by cpack): the programs move to games/, where Debian keeps its games, and
# the package's copyright and changelog go to share/doc/brindlewick.
if(NOT BW_DEBIAN_PACKAGE)
  return()
endif()
set(root $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${root}/games)
foreach(program brindlewick brindlewick-tool)
  file(RENAME ${root}/${BW_BINDIR}/${program} ${root}/games/${program})
endforeach()
file(GLOB left ${root}/${BW_BINDIR}/*)
if(NOT left)
  file(REMOVE_RECURSE ${root}/${BW_BINDIR})
endif()

set(doc ${root}/share/doc/brindlewick)
file(MAKE_DIRECTORY ${doc})
configure_file(${BW_PACKAGE_DOC_SOURCE}/copyright.in ${doc}/copyright @ONLY)
# The release date, not the build's: the same sources give the same package.
execute_process(COMMAND date -u -R -d "${BW_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE BW_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${BW_PACKAGE_DOC_SOURCE}/changelog.in ${doc}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
file(CHMOD ${doc}/copyright ${doc}/changelog.gz PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ
     WORLD_READ)
