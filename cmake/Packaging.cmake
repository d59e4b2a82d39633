# The Debian package. `cd build && cpack -G DEB` makes
# vantrel-cps_<version>_<arch>.deb from whatever `cmake --install` installs,
# placed under /usr whatever this build's own install prefix is.
# The test package_contents builds it and checks what it holds.

set(VANTREL_PACKAGE_NAME vantrel-cps)
set(VANTREL_MAINTAINER "Vantrel CPS developers <cps@vantrel.example>")

# Manual pages and the changelog are installed gzip'd, as Debian wants them;
# -n keeps the name and time out of the archive so the package is reproducible.
set(VANTREL_GZ_DIR ${CMAKE_BINARY_DIR}/gz)
set(VANTREL_GZ_FILES)
function(vantrel_gzip source)
  get_filename_component(name ${source} NAME)
  set(output ${VANTREL_GZ_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${VANTREL_GZ_DIR}/${name}
    COMMAND gzip -9nf ${VANTREL_GZ_DIR}/${name}
    DEPENDS ${source}
    VERBATIM)
  set(VANTREL_GZ_FILES ${VANTREL_GZ_FILES} ${output} PARENT_SCOPE)
endfunction()

set(VERSION ${PROJECT_VERSION})  # the pages' footer
foreach(page vantrel-cps.1 vantrelctl.1)
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
  vantrel_gzip(${CMAKE_BINARY_DIR}/man/${page})
  install(FILES ${VANTREL_GZ_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

vantrel_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog)
set(VANTREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${VANTREL_PACKAGE_NAME})
install(FILES ${VANTREL_GZ_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${VANTREL_DOC_DIR})
add_custom_target(compressed_docs ALL DEPENDS ${VANTREL_GZ_FILES})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VANTREL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Vantrel CPS developers")
set(CPACK_PACKAGE_CONTACT ${VANTREL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for Vantrel two-way radios")
set(CPACK_PACKAGE_DESCRIPTION
"Reads the codeplug of a Vantrel radio over a serial programming cable,
edits its radio-wide settings, channels, signalling tones, scan list and
password, writes it back, keeps it in .cpg data files and prints a one-page
report of it.

Includes vantrelctl, which reads, writes, checks, compares and converts
codeplugs from a terminal and simulates a radio on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VANTREL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages come from the binaries; the report is laid out for
# the metric-compatible Liberation fonts. The radio archive's SQL drivers are
# plugins, which no binary names: SQLite for the archive on the machine,
# PostgreSQL for a shop's shared one. Qt's own dialogs take their translations
# from qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6sql6-sqlite, qt6-translations-l10n")
# Used, when present, to refresh the desktop's file-type databases.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)

if(VANTREL_TESTS)
  add_test(NAME package_contents
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
endif()
