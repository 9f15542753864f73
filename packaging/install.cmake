# What `cmake --install` puts under the prefix, and the Debian package
# `cpack -G DEB` builds from the same files.
include(GNUInstallDirs)

install(TARGETS quorled-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/quorled-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quorled-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quorled-cli)

if(QUORLED_BUILD_EDITOR)
  install(TARGETS quorled RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/docs/man/quorled.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quorled.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The icon, drawn by tools/draw-artwork: one PNG per theme size and the SVG.
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/quorled-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quorled.png)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/quorled.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME quorled)
set(CPACK_PACKAGE_VENDOR "Quorled developers")
set(CPACK_PACKAGE_CONTACT "Quorled developers <quorled@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Level editor for images of the game Quorl")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorled opens an image of Quorl, an 8-bit console platform game, and edits its areas, game tables and palettes; quorled-cli does the same without a window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The dependencies are found by dpkg-shlibdeps from the libraries the
# programs actually link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
