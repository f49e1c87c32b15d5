# Lays out the data files of the runnable tree: language files, the version table,
# the default images (generated from the channel-plan tables in the source), the stock
# channel lists and pictures.
file(GLOB TARVEN_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/language/*.ini)
set(TARVEN_DIST_OUTPUTS)
foreach(f ${TARVEN_LANGUAGE_FILES})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${TARVEN_PROGRAM_DIR}/language/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${TARVEN_PROGRAM_DIR}/language/${n}
    DEPENDS ${f})
  list(APPEND TARVEN_DIST_OUTPUTS ${TARVEN_PROGRAM_DIR}/language/${n})
endforeach()

# Stock channel lists (File > Import stock list), CSV tables in the program's own format.
file(GLOB TARVEN_STOCK_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/stock/*.csv)
foreach(f ${TARVEN_STOCK_FILES})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${TARVEN_PROGRAM_DIR}/stock/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${TARVEN_PROGRAM_DIR}/stock/${n}
    DEPENDS ${f})
  list(APPEND TARVEN_DIST_OUTPUTS ${TARVEN_PROGRAM_DIR}/stock/${n})
endforeach()

add_custom_command(OUTPUT ${TARVEN_DIST_DIR}/Version.ini
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/Version.ini ${TARVEN_DIST_DIR}/Version.ini
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/Version.ini)
list(APPEND TARVEN_DIST_OUTPUTS ${TARVEN_DIST_DIR}/Version.ini)

# Default images for the three bands, ordinary and factory variants.
add_executable(tarven-mkinit ${CMAKE_SOURCE_DIR}/resources/generators/mkinit.cpp)
target_link_libraries(tarven-mkinit PRIVATE tarvencore)
set(TARVEN_INIT_FILES)
foreach(b 0 1 2)
  list(APPEND TARVEN_INIT_FILES ${TARVEN_PROGRAM_DIR}/Init/TARVEN2_${b}.dat ${TARVEN_PROGRAM_DIR}/Init/TARVEN2_${b}_NEW.dat)
endforeach()
add_custom_command(OUTPUT ${TARVEN_INIT_FILES}
  COMMAND tarven-mkinit ${TARVEN_PROGRAM_DIR}/Init
  DEPENDS tarven-mkinit)
list(APPEND TARVEN_DIST_OUTPUTS ${TARVEN_INIT_FILES})

# Pictures (splash and background) are drawn by a small generator when it exists.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/generators/mkpictures.cpp)
  add_executable(tarven-mkpictures ${CMAKE_SOURCE_DIR}/resources/generators/mkpictures.cpp)
  target_link_libraries(tarven-mkpictures PRIVATE Qt6::Gui)
  set(TARVEN_PICTURES ${TARVEN_PROGRAM_DIR}/StartE.jpg ${TARVEN_PROGRAM_DIR}/StartC.jpg
      ${TARVEN_PROGRAM_DIR}/PIC/BK_1.jpg ${TARVEN_PROGRAM_DIR}/PIC/BK_2.jpg)
  add_custom_command(OUTPUT ${TARVEN_PICTURES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:tarven-mkpictures> ${TARVEN_PROGRAM_DIR}
    DEPENDS tarven-mkpictures)
  list(APPEND TARVEN_DIST_OUTPUTS ${TARVEN_PICTURES})
endif()

add_custom_target(tarven_dist ALL DEPENDS ${TARVEN_DIST_OUTPUTS})
