# A Debian package of the installed layout (scripts/package.sh runs CPack). The library
# dependencies are found by dpkg-shlibdeps; the Qt plugins in use (xcb platform, JPEG,
# multimedia) ship in those same libraries' packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarven)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "TARVEN programmer team <tarven@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the TARVEN II CB and 10 m radio")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "programmer for the TARVEN II CB and 10 m radio\n Reads the memory of the TARVEN II radio over a serial programming cable,\n edits channels, tones, DTMF codes, keys and tone tips, saves data files and\n writes them back. Includes the tarven-cli command-line tool and a simulated\n radio for trying every command without a cable.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
