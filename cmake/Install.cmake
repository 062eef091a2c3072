# What `cmake --install` lays out under the prefix: the programs side by side in bin (the window
# finds hex2bin beside itself), the desktop entry, icon and AppStream metadata, the manual pages,
# the bash completion and the CMake package of zolvik_embed.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZOLVIK_HOMEPAGE "https://github.com/zolvik/zolvik-tools" CACHE STRING
  "Home page named by the AppStream metadata and the Debian package")
set(ZOLVIK_SCREENSHOT_URL "${ZOLVIK_HOMEPAGE}/raw/main/docs/screenshots" CACHE STRING
  "Where the AppStream metadata finds the screenshots of docs/screenshots")
set(ZOLVIK_RELEASE_DATE "2026-12-09" CACHE STRING "Date of this release, YYYY-MM-DD")
set(ZOLVIK_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX expression of the licence")

install(TARGETS ZolvikTools RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES data/${ZOLVIK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(data/${ZOLVIK_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/data/${ZOLVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${ZOLVIK_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${ZOLVIK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ZOLVIK_ICON_SIZES})
  install(FILES ${ZOLVIK_ICON_DIR}/${size}x${size}/apps/${ZOLVIK_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages carry the project version and are installed compressed, as Debian wants them.
set(man_archives)
foreach(page hex2bin.1 zolvik.1)
  configure_file(data/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND gzip -9nkf ${page}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/man
    DEPENDS ${CMAKE_BINARY_DIR}/man/${page} VERBATIM)
  list(APPEND man_archives ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(zolvik_man_pages ALL DEPENDS ${man_archives})
install(FILES ${man_archives} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The command-line program, its completion and the CMake package that runs it from a build.
install(TARGETS zolvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/completion/zolvik
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(ZOLVIK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZolvikTools)
configure_package_config_file(cmake/ZolvikToolsConfig.cmake.in
  ${CMAKE_BINARY_DIR}/cmake/ZolvikToolsConfig.cmake
  INSTALL_DESTINATION ${ZOLVIK_CMAKE_DIR} PATH_VARS CMAKE_INSTALL_BINDIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/cmake/ZolvikToolsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/cmake/ZolvikToolsConfig.cmake
  ${CMAKE_BINARY_DIR}/cmake/ZolvikToolsConfigVersion.cmake DESTINATION ${ZOLVIK_CMAKE_DIR})
install(FILES cmake/ZolvikTools.cmake DESTINATION ${ZOLVIK_CMAKE_DIR})
