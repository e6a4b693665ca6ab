# Installing Quillfold as a desktop program: what the Debian package (debian/)
# installs, and what cmake --install does.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)

set(quillfold_packaging_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${quillfold_packaging_out})

# The publisher's web host, if one is configured, names the home page and the
# screenshot's address. Without one there is no home page to name, and the
# names that must contain a domain use quillfold.example instead: it can never
# belong to anybody (.example is reserved for examples), and the AppStream id
# made from it is the one Quillfold has always had, so software centres keep
# recognising the installed program.
set(quillfold_domain "${QUILLFOLD_PUBLISHER_HOST}")
if(quillfold_domain STREQUAL "")
  set(quillfold_domain quillfold.example)
endif()
string(REPLACE "." ";" domain_parts "${quillfold_domain}")
list(REVERSE domain_parts)
list(JOIN domain_parts "." reversed_domain)
set(QUILLFOLD_APPSTREAM_ID "${reversed_domain}.Quillfold")
set(QUILLFOLD_SCREENSHOT_URL "https://${quillfold_domain}/Quillfold/screenshot.png")
set(QUILLFOLD_METAINFO_HOMEPAGE "")
if(NOT QUILLFOLD_HOMEPAGE STREQUAL "")
  set(QUILLFOLD_METAINFO_HOMEPAGE "<url type=\"homepage\">${QUILLFOLD_HOMEPAGE}</url>")
endif()
# debian/rules gives the package this Homepage; dpkg-gencontrol leaves out
# the field when it is empty.
file(CONFIGURE OUTPUT ${quillfold_packaging_out}/quillfold.substvars
     CONTENT "quillfold:Homepage=${QUILLFOLD_HOMEPAGE}\n")
set(QUILLFOLD_METAINFO "${quillfold_packaging_out}/${QUILLFOLD_APPSTREAM_ID}.metainfo.xml")
configure_file(${PROJECT_SOURCE_DIR}/packaging/metainfo.xml.in ${QUILLFOLD_METAINFO} @ONLY)

# Manual pages and the user's manual are installed compressed, as Debian's
# policy asks; -n leaves out the name and time, so the same text gives the
# same bytes.
set(quillfold_compressed "")
function(quillfold_gzip input output)
  add_custom_command(OUTPUT ${output}
                     COMMAND sh -c "gzip -9n <\"$1\" >\"$2\"" sh ${input} ${output}
                     DEPENDS ${input} VERBATIM)
  set(quillfold_compressed ${quillfold_compressed} ${output} PARENT_SCOPE)
endfunction()
foreach(page quillfold quillfold-cli)
  quillfold_gzip(${PROJECT_SOURCE_DIR}/packaging/man/${page}.1 ${quillfold_packaging_out}/${page}.1.gz)
endforeach()
quillfold_gzip(${PROJECT_SOURCE_DIR}/docs/manual.md ${quillfold_packaging_out}/manual.md.gz)

# The icon theme's PNG sizes, drawn from the one SVG at build time.
include(${PROJECT_SOURCE_DIR}/cmake/Icons.cmake)
set(quillfold_icon_sizes 16 32 48 64 128 256)
set(quillfold_icons "")
foreach(size ${quillfold_icon_sizes})
  set(png ${quillfold_packaging_out}/icons/${size}x${size}/quillfold.png)
  quillfold_icon_png(${size} ${png})
  list(APPEND quillfold_icons ${png})
endforeach()
add_custom_target(quillfold_package_files ALL DEPENDS ${quillfold_compressed} ${quillfold_icons})

install(TARGETS quillfold quillfold-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped program also loses the compiler's version notes, as dh_strip
# does for Debian's own packages.
install(CODE "set(quillfold_objcopy \"${CMAKE_OBJCOPY}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program quillfold quillfold-cli)
      execute_process(COMMAND "${quillfold_objcopy}" --remove-section=.comment --remove-section=.note
                              "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${program}"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
]])
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillfold.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUILLFOLD_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/window/icons/quillfold.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${quillfold_icon_sizes})
  install(FILES ${quillfold_packaging_out}/icons/${size}x${size}/quillfold.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${quillfold_packaging_out}/quillfold.1.gz ${quillfold_packaging_out}/quillfold-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The read-me button opens the installed page when there is no publisher's
# site; the page shows the screenshot beside it. The manual pages point to
# the user's manual beside them.
set(quillfold_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillfold)
install(FILES ${QUILLFOLD_READ_ME_PAGE} ${QUILLFOLD_READ_ME_SCREENSHOT} ${quillfold_packaging_out}/manual.md.gz
        DESTINATION ${quillfold_docdir})

if(QUILLFOLD_BUILD_TESTS)
  add_test(NAME desktop_entry_validates
           COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/packaging/quillfold.desktop)
  add_test(NAME metainfo_validates
           COMMAND appstreamcli validate --pedantic --no-net ${QUILLFOLD_METAINFO})
  add_test(NAME debian_copyright_carries_license
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-copyright.sh ${PROJECT_SOURCE_DIR}/LICENSE
                   ${PROJECT_SOURCE_DIR}/debian/copyright)
  add_test(NAME manual_pages
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-man.sh
                   /usr/share/doc/quillfold/manual.md.gz
                   ${PROJECT_SOURCE_DIR}/packaging/man/quillfold.1 $<TARGET_FILE:quillfold>
                   ${PROJECT_SOURCE_DIR}/packaging/man/quillfold-cli.1 $<TARGET_FILE:quillfold-cli>)
endif()
