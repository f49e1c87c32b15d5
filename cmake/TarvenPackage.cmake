# A Debian package of the installed layout (scripts/package.sh runs CPack). The library
# dependencies are found by dpkg-shlibdeps; the Qt plugins in use (xcb platform, JPEG,
# multimedia) ship in those same libraries' packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarven)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TARVEN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the TARVEN II CB and 10 m radio")
# CPack puts the summary on the Description line and indents each line of the body by
# one space: the body is written without indentation, so apt shows it as flowing text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Reads the memory of the TARVEN II radio (27 MHz CB and 10 m band) over a\nserial programming cable, edits its channels, tones, DTMF codes, keys and tone\ntips, saves them as data files and writes them back into the radio.\n.\nThe package holds the desktop program tarven and the command-line tool\ntarven-cli, which also serves a simulated radio for trying every command\nwithout a cable and checks the serial connection (tarven-cli doctor). A udev\nrule gives the logged-in user access to the usual programming-cable adapters\nand keeps ModemManager away from them.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese interface needs a CJK font; most machines do without, so it is suggested only.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-cjk")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
