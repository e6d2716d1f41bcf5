# Installing the driver as a Linux program: the executables in bin/, the
# shipped data in share/veltrix-k9/ (each user's data folder is filled from it
# at first start), the udev rule that gives the seat's user the mouse, the
# launcher entry with its icons and AppStream metadata. CPack makes the .deb.
include(GNUInstallDirs)
set(K9_PACKAGE_NAME veltrix-k9)
set(K9_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/${K9_PACKAGE_NAME})

install(TARGETS ZEL_RAdeze ZEL_RAdeze-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${K9_DATA_INSTALL_DIR})
# The skin pictures are drawn at build time.
install(DIRECTORY ${K9_PROGRAM_DIR}/skins/ DESTINATION ${K9_DATA_INSTALL_DIR}/skins FILES_MATCHING PATTERN "*.jpg")

# The rule, with this build's identifiers as udev compares them: four
# lower-case hex digits.
function(k9_udev_hex out value)
  string(REGEX REPLACE "^0x" "" digits "${value}")
  string(TOLOWER "${digits}" digits)
  string(LENGTH "${digits}" length)
  while(length LESS 4)
    string(PREPEND digits "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${digits}" PARENT_SCOPE)
endfunction()
k9_udev_hex(K9_UDEV_VENDOR4 "${K9_USB_VENDOR_ID}")
k9_udev_hex(K9_UDEV_PRODUCT4 "${K9_USB_PRODUCT_ID}")
string(TOUPPER "${K9_UDEV_VENDOR4}" K9_UDEV_VENDOR4_UPPER)
string(TOUPPER "${K9_UDEV_PRODUCT4}" K9_UDEV_PRODUCT4_UPPER)
set(K9_UDEV_RULE ${CMAKE_BINARY_DIR}/packaging/70-veltrix-k9.rules)
configure_file(${CMAKE_SOURCE_DIR}/packaging/udev/70-veltrix-k9.rules.in ${K9_UDEV_RULE} @ONLY)
# udev's own folder: /etc/udev/rules.d belongs to the administrator.
install(FILES ${K9_UDEV_RULE} DESTINATION lib/udev/rules.d)

# The launcher entry names the desktop id (its file name) and the icon.
file(GLOB K9_DESKTOP_ENTRY ${CMAKE_SOURCE_DIR}/packaging/desktop/*.desktop)
list(GET K9_DESKTOP_ENTRY 0 K9_DESKTOP_ENTRY)
get_filename_component(K9_DESKTOP_FILE "${K9_DESKTOP_ENTRY}" NAME)
string(REGEX REPLACE "\\.desktop$" "" K9_DESKTOP_ID "${K9_DESKTOP_FILE}")
file(STRINGS "${K9_DESKTOP_ENTRY}" K9_ICON_LINE REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" K9_ICON_NAME "${K9_ICON_LINE}")
install(FILES ${K9_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

file(GLOB K9_ICON_SOURCE ${CMAKE_SOURCE_DIR}/packaging/desktop/*.png)
set(K9_ICON_DIR ${CMAKE_BINARY_DIR}/packaging/icons)
add_custom_command(OUTPUT ${K9_ICON_DIR}/64x64/apps/${K9_ICON_NAME}.png
  COMMAND k9-icon-sizes ${K9_ICON_SOURCE} ${K9_ICON_DIR} ${K9_ICON_NAME} 16 22 24 32 48 64
  DEPENDS k9-icon-sizes ${K9_ICON_SOURCE}
  COMMENT "Icons in the hicolor sizes")
add_custom_target(k9_icons ALL DEPENDS ${K9_ICON_DIR}/64x64/apps/${K9_ICON_NAME}.png)
install(DIRECTORY ${K9_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

configure_file(${CMAKE_SOURCE_DIR}/packaging/desktop/metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${K9_DESKTOP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${K9_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian's documentation folder: the copyright and a changelog.
set(K9_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${K9_PACKAGE_NAME})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/deb/copyright DESTINATION ${K9_DOC_DIR})
set(K9_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${K9_CHANGELOG}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/deb/changelog > ${K9_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/deb/changelog
  VERBATIM)
add_custom_target(k9_changelog ALL DEPENDS ${K9_CHANGELOG})
install(FILES ${K9_CHANGELOG} DESTINATION ${K9_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/real-mouse.md DESTINATION ${K9_DOC_DIR})

set(CPACK_PACKAGE_NAME ${K9_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "x11-apps")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "VELTRIX K9 driver developers <k9-driver@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility and driver of the VELTRIX K9 gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION "The VELTRIX K9 is a USB gaming mouse with seven programmable buttons, four
DPI levels, lighting modes, a fire time and a switchable report rate. This
program sets all of that up in five profiles, records and edits keyboard
macros and, while it runs, plays them back through the mouse.
.
The package installs a udev rule that gives the user at the seat access to
the mouse, and ZEL_RAdeze-sim, the driver on a virtual mouse.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_SOURCE_DIR}/packaging/deb/postinst;${CMAKE_SOURCE_DIR}/packaging/deb/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
