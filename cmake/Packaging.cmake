# What `cmake --install` puts beside the programs, and the Debian package that
# `cmake --build <dir> --target package` makes of it all.
add_subdirectory(man)
install(DIRECTORY src/ui/help/ DESTINATION share/doc/kelvane-tools/help)
install(FILES README.md DESTINATION share/doc/kelvane-tools)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane-tools)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kelvane")
set(CPACK_PACKAGE_CONTACT "Kelvane Prog Tools maintainers <prog-tools@kelvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool of the Kelvane nurse-call and staff-attack alarm network")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "kelvane-tools builds and edits the configuration of one site (loop devices,\n"
  "zones, groups, areas, routing equations, place names, codes and settings),\n"
  "keeps it in .KCF files, loads it from and saves it to the Network Controller\n"
  "over an RS-232 link, shows the controller's event log and the decoded link\n"
  "trace, and prints a site report. kelvane-cli does the same from a terminal;\n"
  "kelvane-panel-sim is a simulated Network Controller for tests and training.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; the platform
# plugins Qt loads at run time are in libqt6gui6, which it finds, and the
# window needs a font. The report is laid out for Liberation Mono's metrics:
# another face would run its texts into its lines.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-qpa-plugins")
include(CPack)
