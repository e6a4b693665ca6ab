# The program's icon is one SVG, window/icons/quillfold.svg; every picture
# of it at a given size is drawn from it at build time by rsvg-convert.
find_program(QUILLFOLD_RSVG_CONVERT rsvg-convert REQUIRED)

# quillfold_icon_png(<size> <output>): the icon as a PNG of <size> pixels
# square at <output>, its folder made when missing.
function(quillfold_icon_png size output)
  set(svg ${PROJECT_SOURCE_DIR}/window/icons/quillfold.svg)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND ${QUILLFOLD_RSVG_CONVERT} --width ${size} --height ${size}
                             --output ${output} ${svg}
                     DEPENDS ${svg} VERBATIM)
endfunction()
