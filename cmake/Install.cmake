# `make install` and `make package`: the game in bin/, its data in share/quorvane (where the game
# looks beside its executable), and what the desktop needs to list it: the desktop entry, the
# icon at every size of the hicolor theme (painted by the forge into the data folder), the
# AppStream metainfo and the man page.
include(GNUInstallDirs)

set(QV_APP_ID com.drovanagames.Quorvane)
set(QV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
configure_file(${QV_PACKAGING_DIR}/${QV_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/${QV_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${QV_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvane PATTERN manifest.txt EXCLUDE)
install(DIRECTORY ${QV_DATA_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${QV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QV_PACKAGING_DIR}/quorvane.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Drovana Games")
set(CPACK_PACKAGE_CONTACT "Drovana Games <games@drovana.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-three boards and island adventures of a shipwrecked expedition")
set(CPACK_PACKAGE_DESCRIPTION
    "Win timed match-three boards to rebuild a shipwrecked expedition's camp, reveal the island map\n"
    "and explore hand-painted adventure scenes with an inventory and hidden-object lists.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executable links are found by dpkg-shlibdeps; xdg-open only opens the survey page.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
