# What `cmake --install` puts where, and the Debian package that `make package` (CPack) builds from it.
#
#   bin/veskaro-cr                                  the program (headless commands, no Qt)
#   lib/libveskaro-cr-gui.so                        the desktop part, loaded by the program on demand
#   share/veskaro-cr/data/                          seed files of a new data directory
#   share/applications/, share/metainfo/            desktop entry and AppStream description
#   share/icons/hicolor/{16..256, scalable}/apps/   the icon
#
# The program finds its seed files relative to itself first, so an unpacked or moved install works too.

install(TARGETS veskaro-cr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${VESKARO_DATA_SUBDIR})

set(VESKARO_ICON_SIZES 16 24 32 48 64 128 256)
if(VESKARO_GUI)
  install(TARGETS veskaro-cr-gui LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/dist/${VESKARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/dist/${VESKARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${VESKARO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size ${VESKARO_ICON_SIZES})
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}/${VESKARO_APP_ID}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veskaro-cr)
set(CPACK_PACKAGE_VENDOR Veskaro)
set(CPACK_PACKAGE_CONTACT "Veskaro CR maintainers <veskaro-cr@veskaro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Refrigeration load of a cold room")
set(CPACK_PACKAGE_DESCRIPTION "Computes the refrigeration load of a chilled or freezer store from its envelope, air change, goods and internal heat sources; desktop program, printed report and a command line for batches of projects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(VESKARO_DEB_DEPENDS "libc6, libstdc++6, libgcc-s1")
if(VESKARO_GUI)
  # The Qt 6 runtime of the desktop part; the platform plugins live in qt6-qpa-plugins.
  set(qt "(>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR})")
  string(APPEND VESKARO_DEB_DEPENDS ", libqt6widgets6 ${qt}, libqt6printsupport6 ${qt}, libqt6gui6 ${qt}, "
    "libqt6core6 ${qt}, qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${VESKARO_DEB_DEPENDS})
include(CPack)
