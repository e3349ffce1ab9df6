# Where `cmake --install` and the package put things. The program, its
# component libraries, regmend and data/ocreg stay together, as in the
# build's bin/, because they find each other by the program's directory.
set(OC_INSTALL_PROGRAM_DIR lib/orvane-commander)
# Read-only data and help; the program looks here when they are not beside it.
set(OC_INSTALL_DATA_DIR share/orvane-commander)

install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/orvane-commander DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orvane-commander.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orvane-commander.svg DESTINATION share/icons/hicolor/scalable/apps)
