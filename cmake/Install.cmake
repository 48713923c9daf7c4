# `cmake --install` (make install): the program keeps its own folder layout under
# PREFIX/lib/verigraf (the executable with Fonts, StdForms, the help file and whatever
# blocks, instruments and sketches ship with it), started through PREFIX/bin/verigraf;
# the desktop finds its menu entry, icon and sketch file type under PREFIX/share.
set(VERIGRAF_INSTALL_DIR lib/verigraf)

install(TARGETS verigraf RUNTIME DESTINATION ${VERIGRAF_INSTALL_DIR})
install(DIRECTORY ${VERIGRAF_BIN_DIR}/Fonts ${VERIGRAF_BIN_DIR}/StdForms DESTINATION ${VERIGRAF_INSTALL_DIR})
install(FILES ${VERIGRAF_BIN_DIR}/Verigraf_Help.html ${VERIGRAF_BIN_DIR}/obmen-example.txt
        DESTINATION ${VERIGRAF_INSTALL_DIR})
# The starter blocks and instruments the build draws, and any sketches kept in the
# sources under the name of the program's folder; the program copies them to each
# user's data folder.
install(DIRECTORY ${STARTER_LIBRARY_DIR}/Blocks ${STARTER_LIBRARY_DIR}/Instrument DESTINATION ${VERIGRAF_INSTALL_DIR})
foreach(shipped Эскизы)
  if(EXISTS ${PROJECT_SOURCE_DIR}/data/${shipped})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/${shipped} DESTINATION ${VERIGRAF_INSTALL_DIR})
  endif()
endforeach()

# An installed program writes into each user's data folder, also where the user could
# write beside it (an installation into the home folder, or one run as root).
set(SHARED_MARK ${CMAKE_BINARY_DIR}/install/shared-installation)
file(WRITE ${SHARED_MARK}
     "Blocks, Эскизы, Instrument and Temp of this installation are kept in each user's data folder\n"
     "($XDG_DATA_HOME/verigraf, by default ~/.local/share/verigraf).\n")
install(FILES ${SHARED_MARK} DESTINATION ${VERIGRAF_INSTALL_DIR})

# The command: a relative link, so that the program finds its folder wherever the
# prefix is (also under a package's staging folder).
file(CREATE_LINK ../${VERIGRAF_INSTALL_DIR}/verigraf ${CMAKE_BINARY_DIR}/install/verigraf SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install/verigraf DESTINATION bin)

# The menu entry, the sketch file type and the icon in the sizes desktops look for.
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(ICON_FILES)
foreach(side ${ICON_SIZES})
  list(APPEND ICON_FILES ${ICON_DIR}/${side}x${side}/apps/verigraf.png)
endforeach()
add_custom_command(
  OUTPUT ${ICON_FILES}
  COMMAND make-icon ${ICON_DIR} ${ICON_SIZES}
  DEPENDS make-icon
  COMMENT "Drawing the program's icon"
  VERBATIM)
add_custom_target(icons ALL DEPENDS ${ICON_FILES})
install(DIRECTORY ${ICON_DIR} DESTINATION share/icons)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/verigraf.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/verigraf-mime.xml DESTINATION share/mime/packages
        RENAME verigraf.xml)
