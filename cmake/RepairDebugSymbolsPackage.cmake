# Run by cpack after the packages are made. The generator's debug-symbols package lists its files
# in md5sums by the absolute paths of its staging tree and carries no Debian documents; this
# rebuilds it as dh would: md5sums by the paths in the package, the symbol files not executable,
# and its documents a link to those of the package it belongs to.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.ddeb$")
    continue()
  endif()
  set(tree ${CPACK_TOPLEVEL_DIRECTORY}/repaired-dbgsym)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE symbols RELATIVE ${tree} ${tree}/usr/*)
  set(sums "")
  foreach(file IN LISTS symbols)
    file(CHMOD ${tree}/${file} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 ${tree}/${file} sum)
    string(APPEND sums "${sum}  ${file}\n")
  endforeach()
  file(WRITE ${tree}/DEBIAN/md5sums "${sums}")
  file(MAKE_DIRECTORY ${tree}/usr/share/doc)
  file(CREATE_LINK ${CPACK_PACKAGE_NAME} ${tree}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym
       SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
