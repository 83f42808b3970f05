# The desktop integration and the Debian package (scripts/package.sh runs cpack -G DEB on a
# release build). The hicolor icons are drawn by the program's own icon code at build time.

set(QUILLON_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)

add_executable(quillon_icon_png ${QUILLON_DESKTOP_DIR}/IconPng.cpp)
target_link_libraries(quillon_icon_png PRIVATE quillon_controls Qt6::Gui)
quillon_target_defaults(quillon_icon_png)

set(QUILLON_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(QUILLON_ICONS)
foreach(size 16 24 32 48 64 128 256)
  set(png ${QUILLON_ICON_DIR}/${size}/quillon.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLON_ICON_DIR}/${size}
    COMMAND $<TARGET_FILE:quillon_icon_png> ${size} ${png}
    DEPENDS quillon_icon_png
    COMMENT "Drawing the ${size} px icon"
    VERBATIM)
  list(APPEND QUILLON_ICONS ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(quillon_icons ALL DEPENDS ${QUILLON_ICONS})

install(TARGETS quillon-calc RUNTIME DESTINATION bin)
install(FILES ${QUILLON_DESKTOP_DIR}/quillon.desktop DESTINATION share/applications)
install(FILES ${QUILLON_DESKTOP_DIR}/quillon.metainfo.xml DESTINATION share/metainfo
        RENAME za.co.quillon.Quillon2017.metainfo.xml)

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon 2017 <support@quillon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "South African payroll tax calculators for the 2017 tax year")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Loaded at run time, so shlibdeps cannot see them: Qt SQL's SQLite driver, the platform
# plugins and the fonts the layouts are measured with. (The PDF, network and charts libraries
# are seen through the modules in /usr/lib/quillon that link them.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-dejavu-core, fonts-liberation2")
include(CPack)
