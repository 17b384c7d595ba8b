# The application icon: rendered from its SVG source at the sizes the desktop
# asks for, and compiled into the binary as a GResource.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GLIB_COMPILE_RESOURCES glib-compile-resources REQUIRED)

set(ZENTAVI_ICON_SVG ${CMAKE_SOURCE_DIR}/data/icons/zentavi-tv.svg)
set(ZENTAVI_ICON_SIZES 48 32 24 16)
set(icon_dir ${CMAKE_BINARY_DIR}/icons)
set(ZENTAVI_ICON_PNGS)
set(resource_entries)
foreach(size IN LISTS ZENTAVI_ICON_SIZES)
  set(png ${icon_dir}/${size}x${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZENTAVI_ICON_SVG}
    DEPENDS ${ZENTAVI_ICON_SVG} VERBATIM)
  list(APPEND ZENTAVI_ICON_PNGS ${png})
  string(APPEND resource_entries "    <file>${size}x${size}.png</file>\n")
endforeach()

set(resource_xml ${icon_dir}/icons.gresource.xml)
file(WRITE ${resource_xml}.in "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<gresources>
  <gresource prefix=\"/org/zentavi/tv/icons\">
${resource_entries}  </gresource>
</gresources>
")
configure_file(${resource_xml}.in ${resource_xml} COPYONLY)

set(ZENTAVI_ICON_RESOURCES ${CMAKE_BINARY_DIR}/generated/icon_resources.c)
add_custom_command(OUTPUT ${ZENTAVI_ICON_RESOURCES}
  COMMAND ${GLIB_COMPILE_RESOURCES} --sourcedir=${icon_dir} --generate-source
          --target=${ZENTAVI_ICON_RESOURCES} ${resource_xml}
  DEPENDS ${resource_xml} ${ZENTAVI_ICON_PNGS} VERBATIM)
