# The Windows program as a shop installs it: an MSI (per machine, into Program Files) and a
# portable .zip, both named after the version. `make windows-release` builds them.
find_program(WIXL wixl REQUIRED)
set(RECEIPT_WINDOWS_PACKAGE norvessa-${PROJECT_VERSION}-x86)
set(RECEIPT_MSI ${PROJECT_BINARY_DIR}/${RECEIPT_WINDOWS_PACKAGE}.msi)
set(RECEIPT_ZIP ${PROJECT_BINARY_DIR}/${RECEIPT_WINDOWS_PACKAGE}.zip)

# The third-party notices: every library linked into the program, as the linker's map
# lists them, with its licence; both packages carry them beside the program.
set(link_map ${PROJECT_BINARY_DIR}/receipt.map)
target_link_options(receipt PRIVATE -Wl,-Map=${link_map})
set(RECEIPT_NOTICES ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
file(GLOB licence_texts ${PROJECT_SOURCE_DIR}/res/licences/*.txt)
add_custom_command(
  OUTPUT ${RECEIPT_NOTICES}
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/third-party-notices windows ${link_map}
          ${PROJECT_SOURCE_DIR}/res/licences ${PROJECT_SOURCE_DIR}/LICENSE ${RECEIPT_NOTICES}
  DEPENDS receipt ${PROJECT_SOURCE_DIR}/scripts/third-party-notices ${licence_texts}
          ${PROJECT_SOURCE_DIR}/LICENSE
  COMMENT "Gathering the licences of the libraries linked into THIRD-PARTY-NOTICES.txt"
  VERBATIM)

set(wxs ${PROJECT_BINARY_DIR}/receipt.wxs)
configure_file(res/receipt.wxs.in ${wxs} @ONLY)
add_custom_command(
  OUTPUT ${RECEIPT_MSI}
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-windows-msi ${wxs} $<TARGET_FILE:receipt>
          ${RECEIPT_ICO} ${RECEIPT_NOTICES} ${RECEIPT_MSI}
  DEPENDS receipt ${wxs} ${RECEIPT_ICO} ${RECEIPT_NOTICES}
          ${PROJECT_SOURCE_DIR}/scripts/build-windows-msi
  COMMENT "Building the Windows installer ${RECEIPT_WINDOWS_PACKAGE}.msi"
  VERBATIM)

# The .zip holds one folder: the program, the third-party notices and how to connect the
# printer (PRINTERS.txt, with Windows line ends for Notepad).
set(portable ${PROJECT_BINARY_DIR}/portable)
configure_file(res/printers-windows.txt ${portable}/${RECEIPT_WINDOWS_PACKAGE}/PRINTERS.txt
               NEWLINE_STYLE CRLF)
add_custom_command(
  OUTPUT ${RECEIPT_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:receipt>
          ${portable}/${RECEIPT_WINDOWS_PACKAGE}/receipt.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${RECEIPT_NOTICES} ${portable}/${RECEIPT_WINDOWS_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${RECEIPT_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${portable}
          ${CMAKE_COMMAND} -E tar cf ${RECEIPT_ZIP} --format=zip ${RECEIPT_WINDOWS_PACKAGE}
  DEPENDS receipt ${portable}/${RECEIPT_WINDOWS_PACKAGE}/PRINTERS.txt ${RECEIPT_NOTICES}
  COMMENT "Building the portable ${RECEIPT_WINDOWS_PACKAGE}.zip"
  VERBATIM)

add_custom_target(windows_release DEPENDS ${RECEIPT_MSI} ${RECEIPT_ZIP})
