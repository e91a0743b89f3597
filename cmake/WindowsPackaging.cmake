# The Windows program as a shop installs it: an MSI (per machine, into Program Files) and a
# portable .zip, both named after the version. `make windows-release` builds them.
find_program(WIXL wixl REQUIRED)
set(RECEIPT_WINDOWS_PACKAGE norvessa-${PROJECT_VERSION}-x86)
set(RECEIPT_MSI ${PROJECT_BINARY_DIR}/${RECEIPT_WINDOWS_PACKAGE}.msi)
set(RECEIPT_ZIP ${PROJECT_BINARY_DIR}/${RECEIPT_WINDOWS_PACKAGE}.zip)

set(wxs ${PROJECT_BINARY_DIR}/receipt.wxs)
configure_file(res/receipt.wxs.in ${wxs} @ONLY)
add_custom_command(
  OUTPUT ${RECEIPT_MSI}
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-windows-msi ${wxs} $<TARGET_FILE:receipt>
          ${RECEIPT_ICO} ${RECEIPT_MSI}
  DEPENDS receipt ${wxs} ${RECEIPT_ICO} ${PROJECT_SOURCE_DIR}/scripts/build-windows-msi
  COMMENT "Building the Windows installer ${RECEIPT_WINDOWS_PACKAGE}.msi"
  VERBATIM)

# The .zip holds one folder: the program and how to connect the printer, with Windows
# line ends for Notepad.
set(portable ${PROJECT_BINARY_DIR}/portable)
configure_file(res/printers-windows.txt ${portable}/${RECEIPT_WINDOWS_PACKAGE}/PRINTERS.txt
               NEWLINE_STYLE CRLF)
add_custom_command(
  OUTPUT ${RECEIPT_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:receipt>
          ${portable}/${RECEIPT_WINDOWS_PACKAGE}/receipt.exe
  COMMAND ${CMAKE_COMMAND} -E rm -f ${RECEIPT_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${portable}
          ${CMAKE_COMMAND} -E tar cf ${RECEIPT_ZIP} --format=zip ${RECEIPT_WINDOWS_PACKAGE}
  DEPENDS receipt ${portable}/${RECEIPT_WINDOWS_PACKAGE}/PRINTERS.txt
  COMMENT "Building the portable ${RECEIPT_WINDOWS_PACKAGE}.zip"
  VERBATIM)

add_custom_target(windows_release DEPENDS ${RECEIPT_MSI} ${RECEIPT_ZIP})
