# `make package`: the Debian package zolvik-tools, built by CPack from the install rules.
set(ZOLVIK_MAINTAINER "Zolvik Tools maintainers <maintainers@users.noreply.c-seed-edcfc38f.example>"
  CACHE STRING "Maintainer field of the Debian package")

# The copyright file and the changelog Debian policy asks of every package.
set(ZOLVIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zolvik-tools)
configure_file(data/debian/copyright ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(data/debian/changelog ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
  COMMAND gzip -9nkf changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/debian
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog VERBATIM)
add_custom_target(zolvik_debian_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
  DESTINATION ${ZOLVIK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zolvik-tools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZOLVIK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZOLVIK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tool box for firmware and hardware developers")
# The synopsis comes from the summary; this is the long description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "One window with eleven pages of small tools whose output goes straight into
firmware sources: ROM tables as C arrays or VHDL constants, Intel HEX to
binary conversion, font and icon sheets, cursor and LCD character editors,
and thermistor, timer, schedule, remainder and temperature calculators.")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZOLVIK_HOMEPAGE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
