# The Debian package: `cpack -G DEB` in the build folder gives
# orvane-commander_<version>_amd64.deb with the installed layout under /usr.
set(CPACK_PACKAGE_NAME orvane-commander)
set(CPACK_PACKAGE_VENDOR "Orvane Commander")
set(CPACK_PACKAGE_CONTACT "Orvane Commander <orvane-commander@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keyboard-driven two-panel file manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Two panels of names, a command line and the function-key bar; copying, deleting,\n"
    "attributes and directory statistics run in component libraries loaded by class name.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
# Debug information stays in the build; the package only carries what runs.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
# The shared libraries the binaries link (Qt and the C++ runtime) come from
# the binaries themselves; the fonts the windows are drawn in, the encoding
# detector, Qt's SVG picture reader (a plugin) and Qt's Polish texts, which
# are loaded by name, are added here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libuchardet0, libqt6svg6, qt6-translations-l10n")
include(CPack)

# The package's file list and an installed copy, against the layout the
# program expects; sanitized builds leave packaging to the plain one.
if(OC_BUILD_TESTS AND NOT OC_SANITIZE AND NOT OC_FUZZ)
  set(oc_component_names "")
  foreach(file IN LISTS OC_COMPONENT_FILES)
    get_filename_component(name ${file} NAME)
    list(APPEND oc_component_names ${name})
  endforeach()
  foreach(mode package install)
    add_test(NAME ${mode}_layout
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-layout.sh ${mode} ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
              ${oc_component_names})
    set_tests_properties(${mode}_layout PROPERTIES TIMEOUT 300)
  endforeach()
endif()
