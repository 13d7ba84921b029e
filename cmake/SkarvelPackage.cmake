# cpack -G DEB (or ./run package): skarvel_<version>_amd64.deb with the programs (stripped), the
# desktop entry, the icon, the manual pages and the Debian documents, and skarvel-dbgsym with
# their debugging symbols under /usr/lib/debug/.build-id, as apt expects of a package.
include(GNUInstallDirs)

# Debian wants manual pages and the changelog compressed, reproducibly (no name, no time stamp).
set(SKARVEL_PACKAGE_DOCS ${PROJECT_BINARY_DIR}/package-docs)
file(MAKE_DIRECTORY ${SKARVEL_PACKAGE_DOCS})
set(SKARVEL_PACKAGE_GZIPPED)
foreach(source docs/man/skarvel.1 docs/man/skarvel-cli.1 packaging/deb/changelog)
  get_filename_component(name ${source} NAME)
  set(target ${SKARVEL_PACKAGE_DOCS}/${name}.gz)
  add_custom_command(OUTPUT ${target}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${source} > ${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND SKARVEL_PACKAGE_GZIPPED ${target})
endforeach()
add_custom_target(skarvel_package_docs ALL DEPENDS ${SKARVEL_PACKAGE_GZIPPED})

install(FILES ${SKARVEL_PACKAGE_DOCS}/skarvel.1.gz ${SKARVEL_PACKAGE_DOCS}/skarvel-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SKARVEL_PACKAGE_DOCS}/changelog.gz packaging/deb/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skarvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skarvel)
set(CPACK_PACKAGE_VENDOR "Skarvel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "installation wizard for Lumtrak point-of-sale tills")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Skarvel turns a shop computer into a working Lumtrak till: from the
customer code typed or scanned by a shop employee it fetches the
installation record from the maker's configuration service, downloads and
unpacks the packages, fills the till database from the shop's central one,
registers the till and reports every step, so that an interrupted
installation resumes where it stopped.
.
The package holds the wizard (skarvel) and its unattended form
(skarvel-cli), which also checks beforehand whether an installation can run
and writes its results as JSON lines for scripts and rollout tools. What
the till's own user may not do (the database server's setup, a receipt
printer, a till folder in the system's folders) goes through a small
helper with an administrator's consent through polkit.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Skarvel developers <developers@skarvel.example>")
# The debugging symbols go into skarvel-dbgsym; the generator strips the programs itself after
# taking them out (CPACK_STRIP_FILES would leave it nothing to take).
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# The libraries' own packages and versions, as dpkg-shlibdeps finds them in the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs run or load rather than link: the archive tool, and the embedded database
# engine (its plugin, character sets and configuration) that opens a till database when no
# database server is named.
# pkexec asks an administrator's consent for the administrator's part of an installation that
# the till's own user runs. The system's store of certificate authorities (ca-certificates)
# vouches for servers reached over TLS when no CA file is named.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "p7zip-full, firebird3.0-server-core (>= 3.0), pkexec, ca-certificates")
# Till programs built for Windows start through wine; receipt printers need a CUPS scheduler.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-daemon")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/RepairDebugSymbolsPackage.cmake)
include(CPack)
