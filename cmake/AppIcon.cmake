# The application icon: one drawing, data/icons/<id>.svg, rendered into the hicolor sizes at
# build time. The window carries the PNGs as a resource; the install puts all of them in the
# hicolor theme.
find_program(ZOLVIK_RSVG_CONVERT rsvg-convert REQUIRED)

set(ZOLVIK_ICON_SVG ${CMAKE_SOURCE_DIR}/data/icons/${ZOLVIK_APP_ID}.svg)
set(ZOLVIK_ICON_SIZES 16 32 48 64 128 256)
set(ZOLVIK_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(ZOLVIK_ICON_PNGS)
foreach(size ${ZOLVIK_ICON_SIZES})
  set(png ${ZOLVIK_ICON_DIR}/${size}x${size}/apps/${ZOLVIK_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZOLVIK_ICON_DIR}/${size}x${size}/apps
    COMMAND ${ZOLVIK_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZOLVIK_ICON_SVG}
    DEPENDS ${ZOLVIK_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon" VERBATIM)
  list(APPEND ZOLVIK_ICON_PNGS ${png})
endforeach()

qt_add_resources(ZolvikTools app_icon PREFIX /icons BASE ${ZOLVIK_ICON_DIR}
  FILES ${ZOLVIK_ICON_PNGS})
target_compile_definitions(ZolvikTools PRIVATE ZOLVIK_APP_ID="${ZOLVIK_APP_ID}")
