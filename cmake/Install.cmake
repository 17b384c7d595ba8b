# Where the desktop finds the viewer, and the Debian package that carries it.
include(GNUInstallDirs)

configure_file(${CMAKE_SOURCE_DIR}/data/zentavi-tv.desktop.in
               ${CMAKE_BINARY_DIR}/data/${ZENTAVI_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/zentavi-tv.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${ZENTAVI_APP_ID}.metainfo.xml @ONLY)

install(TARGETS zentavi-tv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/data/${ZENTAVI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/${ZENTAVI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS ZENTAVI_ICON_SIZES)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ZENTAVI_APP_ID}.png)
endforeach()
install(FILES ${ZENTAVI_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZENTAVI_APP_ID}.svg)

set(CPACK_PACKAGE_NAME zentavi-tv)
set(CPACK_PACKAGE_VERSION 1.01)
set(CPACK_PACKAGE_CONTACT "${ZENTAVI_MAKER_NAME} <support@${ZENTAVI_MAKER_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for a web television service")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The engine loads the media plugins and the fonts only at run time, so no
# library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
