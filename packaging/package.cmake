# `cpack -G DEB` in a build folder makes a Debian package of what `cmake --install` installs, with the
# dependencies that dpkg-shlibdeps reads off the program and its player module.
include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)

set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(package_doc ${CMAKE_BINARY_DIR}/packaging/doc)
add_custom_command(OUTPUT ${package_doc}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/changelog ${package_doc}/changelog
    COMMAND ${GZIP} -9 -n -f ${package_doc}/changelog
    DEPENDS ${packaging}/changelog VERBATIM)
add_custom_target(zeb_package_doc ALL DEPENDS ${package_doc}/changelog.gz)
install(FILES ${packaging}/copyright ${package_doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME zeb)
set(CPACK_PACKAGE_VENDOR ZEB)
set(CPACK_PACKAGE_CONTACT "ZEB <info@zeb.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "organise and play sound and video files")
set(CPACK_PACKAGE_DESCRIPTION "ZEB organises and plays your sound and video files. You walk your
disks in a media browser that lists only the files of the formats you
recognise, gather files into a playlist, save playlists as small .zbl list
files and load them again, and play a whole playlist in order, in a loop or
at random, in a viewer window. Every text it shows is Italian.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://zeb.example.org)
set(CPACK_STRIP_FILES ON)
# The package installs below /usr, and its default settings in /etc: installing into a staging root
# (DESTDIR) keeps both where they belong.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's display plugins, which libqt6gui6 only recommends: without them no window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Native windows on Wayland desktops; Qt's own dialogs in Italian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
