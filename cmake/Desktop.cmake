# What makes the installed program a desktop program: its menu entry, its
# icon in the hicolor theme (the SVG and PNGs rendered from it), the file
# types of the logs it opens so that a double-click on one opens it, and the
# AppStream metainfo that software centres list it by.
if(NOT TARGET sorvak)
    return()  # no menu entry without the window program
endif()
set(sorvak_desktop_dir ${PROJECT_SOURCE_DIR}/desktop)

install(FILES ${sorvak_desktop_dir}/sorvak.desktop DESTINATION share/applications)
install(FILES ${sorvak_desktop_dir}/sorvak.xml DESTINATION share/mime/packages)
install(FILES ${sorvak_desktop_dir}/sorvak.svg DESTINATION share/icons/hicolor/scalable/apps)

# The component id is in reverse-DNS form, as AppStream asks; the project has
# no domain of its own, so it is that of the maintainer address.
set(SORVAK_APPSTREAM_ID invalid.sorvak.sorvak)
set(sorvak_metainfo ${CMAKE_CURRENT_BINARY_DIR}/desktop/${SORVAK_APPSTREAM_ID}.metainfo.xml)
configure_file(${sorvak_desktop_dir}/sorvak.metainfo.xml.in ${sorvak_metainfo} @ONLY)
install(FILES ${sorvak_metainfo} DESTINATION share/metainfo)

find_program(SORVAK_RSVG_CONVERT rsvg-convert)
if(NOT SORVAK_RSVG_CONVERT)
    message(STATUS "No rsvg-convert: the icon is installed as SVG only")
    return()
endif()

set(sorvak_icon_pngs)
foreach(size 16 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/sorvak.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${SORVAK_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${sorvak_desktop_dir}/sorvak.svg
        DEPENDS ${sorvak_desktop_dir}/sorvak.svg
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    list(APPEND sorvak_icon_pngs ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(desktop_icons ALL DEPENDS ${sorvak_icon_pngs})
