# Installing the player the way Linux programs are installed, and the Debian
# package made from that (cpack -G DEB in the build folder):
#   bin/sorvi                          the program
#   lib/sorvi/mpeg.so                  the decoder engine module
#   lib/sorvi/Plusin/sndfile.so        the FLAC/Ogg/Opus/WAV/AIFF plug-in
#   lib/sorvi/sorvi-browser.so         the browser window, loaded at the first "#Explorer"
#   lib/sorvi/sorvi-net.so             lyrics service, lyrics downloads, update check,
#                                      loaded at their first use
#   share/sorvi/skins/default.eks      the shipped skin
#   share/applications/sorvi.desktop   the menu entry
#   share/icons/hicolor/...            the icon, SVG and PNG sizes
#   share/mime/packages/sorvi.xml      the file types the player adds
#   share/metainfo/...                 the software-centre description
# An installed program keeps the user's files in ~/.local/share/sorvi/.
include(GNUInstallDirs)

set(SORVI_ICON_SVG ${PROJECT_SOURCE_DIR}/src/core/app/sorvi.svg)
set(SORVI_ICON_SIZES 16 22 24 32 48 64 128 256)
set(SORVI_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(icon_files "")
foreach(size ${SORVI_ICON_SIZES})
    list(APPEND icon_files ${SORVI_ICON_DIR}/${size}x${size}/apps/sorvi.png)
endforeach()
add_custom_command(
    OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:icon-render> ${SORVI_ICON_SVG} ${SORVI_ICON_DIR} ${SORVI_ICON_SIZES}
    DEPENDS icon-render ${SORVI_ICON_SVG}
    COMMENT "Drawing the program icon's sizes"
    VERBATIM)
add_custom_target(sorvi_icons ALL DEPENDS ${icon_files})

install(TARGETS sorvi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS mpeg_engine LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/sorvi)
# The program looks for them beside itself, then here (SORVI_INSTALLED_MODULES).
install(TARGETS sorvi_browser_module sorvi_net_module LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/sorvi)
# Copied as built: its description trailer ends the file. The program carries it
# as well; installed, it also gives the package its libsndfile dependency.
install(FILES $<TARGET_FILE:sndfile_plugin> DESTINATION ${CMAKE_INSTALL_LIBDIR}/sorvi/Plusin)
install(FILES ${CMAKE_BINARY_DIR}/default.eks DESTINATION ${CMAKE_INSTALL_DATADIR}/sorvi/skins)
install(FILES ${PROJECT_SOURCE_DIR}/data/sorvi.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/sorvi.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.sorvi.Player.metainfo.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/sorvi-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME sorvi.xml)
install(FILES ${SORVI_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${SORVI_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvi)
set(CPACK_PACKAGE_VENDOR "Sorvi")
set(CPACK_PACKAGE_CONTACT "Sorvi developers <developers@sorvi.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Skinnable audio player with synchronized lyrics")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# Library dependencies come from dpkg-shlibdeps; the Qt plug-ins the program
# loads at run time (window system, SVG icons) are not linked, so named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
include(CPack)
