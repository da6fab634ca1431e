# The Debian package, made from a release build with `cpack -G DEB`: what `cmake --install`
# installs (desktop/CMakeLists.txt), under /usr. Its Depends come from the programs' own
# libraries (dpkg-shlibdeps), so nothing that Debian ships is bundled. The MIME, desktop-entry
# and icon databases are updated by Debian's triggers, so the package needs no scripts. It carries
# a manual page, a machine-readable copyright file and a changelog, and is clean under lintian.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelkan)
set(CPACK_PACKAGE_VENDOR "Trelkan developers")
set(CPACK_PACKAGE_CONTACT "Trelkan developers <trelkan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for a 3D snake game")
set(CPACK_PACKAGE_DESCRIPTION
    "Trelkan draws and edits the level map files of a three-dimensional snake
game: walls, items, the snake's start, textures, sky box and game settings,
in a top-down edit view beside a lit 3D preview. It checks levels and draws
pictures of them without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://trelkan.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
