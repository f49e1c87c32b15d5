# `cmake --install build --prefix PREFIX` lays out the program tree under
# PREFIX/lib/tarven (ParentDir: Version.ini; V100/: the programs, language files, Init/, stock/
# and pictures), links both programs into PREFIX/bin, and adds the desktop entry, icons,
# AppStream metainfo, manual pages and bash completion. Files the programs write while
# running (mysetup.ini, Setting.ini) are not installed: each user gets his own under
# $XDG_CONFIG_HOME/tarven; the marker file tells the programs that this tree is shared.
set(TARVEN_APP_ID org.tarven.tarven)
set(tree lib/tarven)
set(program_dir ${tree}/V100)

install(TARGETS tarven tarven-cli RUNTIME DESTINATION ${program_dir})
install(FILES ${TARVEN_DIST_DIR}/Version.ini DESTINATION ${tree})
install(DIRECTORY ${TARVEN_PROGRAM_DIR}/language DESTINATION ${program_dir}
  FILES_MATCHING PATTERN "*.ini" PATTERN "mysetup.ini" EXCLUDE)
install(DIRECTORY ${TARVEN_PROGRAM_DIR}/Init DESTINATION ${program_dir} FILES_MATCHING PATTERN "*.dat")
install(DIRECTORY ${TARVEN_PROGRAM_DIR}/stock DESTINATION ${program_dir} FILES_MATCHING PATTERN "*.csv")
install(DIRECTORY ${TARVEN_PROGRAM_DIR}/ DESTINATION ${program_dir} FILES_MATCHING PATTERN "*.jpg")

file(WRITE ${CMAKE_BINARY_DIR}/install/installed-tree
  "This program tree is shared by the users of this machine: each user's settings are kept\n"
  "under $XDG_CONFIG_HOME/tarven (~/.config/tarven).\n")
install(FILES ${CMAKE_BINARY_DIR}/install/installed-tree DESTINATION ${tree})

foreach(program tarven tarven-cli)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${program_dir}/${program} \"\${bin}/${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${program} -> ../${program_dir}/${program}\")")
endforeach()

# Desktop integration.
set(res ${CMAKE_SOURCE_DIR}/resources)
install(FILES ${res}/desktop/${TARVEN_APP_ID}.desktop DESTINATION share/applications)
configure_file(${res}/desktop/${TARVEN_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/install/${TARVEN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/${TARVEN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
# Manual pages and the changelog go out compressed, as Debian installs them (-n: no
# name or time in the header, so the same source gives the same bytes).
set(TARVEN_MAINTAINER "TARVEN programmer team <tarven@example.org>" CACHE STRING
  "Maintainer of the package: name <address>")
configure_file(${res}/debian/changelog ${CMAKE_BINARY_DIR}/install/changelog @ONLY)
set(compressed)
foreach(page man/tarven.1 man/tarven-cli.1 changelog)
  if(NOT page STREQUAL "changelog")
    configure_file(${res}/${page} ${CMAKE_BINARY_DIR}/install/${page} @ONLY)
  endif()
  set(out ${CMAKE_BINARY_DIR}/install/${page}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/install/${page} > ${out}
    DEPENDS ${CMAKE_BINARY_DIR}/install/${page} VERBATIM)
  list(APPEND compressed ${out})
endforeach()
add_custom_target(tarven_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/install/man/tarven.1.gz ${CMAKE_BINARY_DIR}/install/man/tarven-cli.1.gz
  DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/install/changelog.gz ${res}/debian/copyright DESTINATION share/doc/tarven)

# Completion for both programs; the data files' type, known by their content; the udev
# rule that gives the logged-in user the programming cable and keeps ModemManager away.
install(FILES ${res}/completion/tarven-cli ${res}/completion/tarven DESTINATION share/bash-completion/completions)
install(FILES ${res}/mime/${TARVEN_APP_ID}.xml DESTINATION share/mime/packages)
install(FILES ${res}/udev/70-tarven-cable.rules DESTINATION lib/udev/rules.d)

# Icons in the hicolor theme, drawn by the same code as the program's window icon.
add_executable(tarven-mkicons ${res}/generators/mkicons.cpp)
target_link_libraries(tarven-mkicons PRIVATE tarvengui)
set(icon_stamp ${CMAKE_BINARY_DIR}/install/icons/hicolor/256x256/apps/tarven.png)
add_custom_command(OUTPUT ${icon_stamp}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:tarven-mkicons> ${CMAKE_BINARY_DIR}/install/icons
  DEPENDS tarven-mkicons)
add_custom_target(tarven_icons ALL DEPENDS ${icon_stamp})
install(DIRECTORY ${CMAKE_BINARY_DIR}/install/icons/ DESTINATION share/icons)
