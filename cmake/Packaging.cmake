# Installing the till (`cmake --install`) and packaging it as a .deb (`make package`), or
# for Windows as an installer and a .zip. Included from the top-level list after res/,
# whose icons it installs.
if(WIN32)
  if(TARGET receipt)
    include(cmake/WindowsPackaging.cmake)
  endif()
  return()
endif()

include(GNUInstallDirs)

# The desktop's name for the program: the desktop entry, the icons and the metainfo file
# are all named after it.
set(RECEIPT_APP_ID io.github.norvessa.Receipt)
# The project's home, where that name points: the metainfo's homepage and the package's.
set(RECEIPT_HOMEPAGE https://github.com/norvessa/receipt)
# The developer as AppStream names it (its <developer> element): the reverse domain of the
# application's name.
set(RECEIPT_DEVELOPER_ID io.github.norvessa)
# The day the release in PROJECT_VERSION came out; move it on with the version, and give
# the version an entry at the top of debian/changelog.
set(RECEIPT_RELEASE_DATE 2026-12-08)
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog latest_change LIMIT_COUNT 1)
if(NOT latest_change MATCHES "^norvessa \\(([^)]+)\\)" OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog has no entry for ${PROJECT_VERSION} at its top")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                       ${PROJECT_SOURCE_DIR}/debian/changelog)

set(desktop_dir ${PROJECT_BINARY_DIR}/desktop)
set(RECEIPT_DESKTOP_ENTRY ${desktop_dir}/${RECEIPT_APP_ID}.desktop)
set(RECEIPT_METAINFO ${desktop_dir}/${RECEIPT_APP_ID}.metainfo.xml)
configure_file(res/receipt.desktop.in ${RECEIPT_DESKTOP_ENTRY} @ONLY)
configure_file(res/receipt.metainfo.xml.in ${RECEIPT_METAINFO} @ONLY)

# The program and, with it, its place on the desktop.
if(TARGET receipt)
  install(TARGETS receipt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${RECEIPT_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${RECEIPT_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size png IN ZIP_LISTS RECEIPT_ICON_SIZES RECEIPT_ICON_PNGS)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${RECEIPT_APP_ID}.png)
  endforeach()

  # Its documents, where Debian keeps them: the manual page receipt(1); the copyright file,
  # the changelog and the third-party notices (the libraries the program links and their
  # packages) in the package's documentation folder. The changelog and the manual page are
  # compressed as Debian's tools do it: gzip -9n, without the file's name and time. A
  # version without a Debian revision makes a native package, whose one changelog Debian
  # names changelog.gz (changelog.Debian.gz is for a package of someone else's program).
  find_program(GZIP gzip REQUIRED)
  set(doc_dir ${PROJECT_BINARY_DIR}/doc)
  set(notices ${doc_dir}/THIRD-PARTY-NOTICES)
  configure_file(res/receipt.1.in ${doc_dir}/receipt.1 @ONLY)
  configure_file(debian/changelog ${doc_dir}/changelog COPYONLY)
  add_custom_command(
    OUTPUT ${doc_dir}/receipt.1.gz ${doc_dir}/changelog.gz
    COMMAND ${GZIP} -9nkf receipt.1 changelog
    WORKING_DIRECTORY ${doc_dir}
    DEPENDS ${doc_dir}/receipt.1 ${doc_dir}/changelog
    VERBATIM)
  add_custom_command(
    OUTPUT ${notices}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/third-party-notices linux $<TARGET_FILE:receipt>
            ${notices}
    DEPENDS receipt ${PROJECT_SOURCE_DIR}/scripts/third-party-notices
    COMMENT "Naming the libraries the program links in THIRD-PARTY-NOTICES"
    VERBATIM)
  add_custom_target(receipt_documents ALL
                    DEPENDS ${doc_dir}/receipt.1.gz ${doc_dir}/changelog.gz ${notices})
  install(FILES ${doc_dir}/receipt.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/norvessa)
  install(FILES debian/copyright ${doc_dir}/changelog.gz ${notices}
          DESTINATION ${package_doc_dir})
endif()

# The Debian package. Its dependencies are the packages of the libraries the program links
# (dpkg-shlibdeps); the desktop's icon and menu caches update through dpkg's triggers.
set(RECEIPT_PACKAGE_MAINTAINER "Norvessa till maintainers <till@norvessa.invalid>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvessa)
set(CPACK_PACKAGE_VENDOR Norvessa)
# All four parts: CPack would otherwise drop the last one.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${RECEIPT_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point-of-sale receipt printer for the shop counter")
# Lines of at most 80 characters, the limit of Debian's tools.
set(CPACK_PACKAGE_DESCRIPTION
    "Norvessa (收银小票) is a till for a shop counter: the cashier fills in one
form with up to six item rows of goods, quantity and unit price, sees the
running total, and prints the receipt as plain GBK text straight to the
printer on the first parallel port (/dev/lp0) or, where there is none, the
first USB printer (/dev/usb/lp0).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${RECEIPT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
