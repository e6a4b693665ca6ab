# Installing Quillfold as a desktop program, and its Debian package.
include(GNUInstallDirs)

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
set(QUILLFOLD_PACKAGE_CONTACT "Quillfold <packages@${quillfold_domain}>")
set(QUILLFOLD_SCREENSHOT_URL "https://${quillfold_domain}/Quillfold/screenshot.png")
set(QUILLFOLD_METAINFO_HOMEPAGE "")
if(NOT QUILLFOLD_PUBLISHER_HOST STREQUAL "")
  set(quillfold_homepage "https://${QUILLFOLD_PUBLISHER_HOST}/Quillfold/readme.html")
  set(QUILLFOLD_METAINFO_HOMEPAGE "<url type=\"homepage\">${quillfold_homepage}</url>")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${quillfold_homepage}")
endif()
set(QUILLFOLD_METAINFO "${quillfold_packaging_out}/${QUILLFOLD_APPSTREAM_ID}.metainfo.xml")
configure_file(${PROJECT_SOURCE_DIR}/packaging/metainfo.xml.in ${QUILLFOLD_METAINFO} @ONLY)

# The Debian copyright file carries the licence text of LICENSE itself, in the
# form the machine-readable format asks for: every line indented by a blank,
# an empty line written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
string(FIND "${license_text}" "Permission is hereby granted" permission_start)
string(SUBSTRING "${license_text}" ${permission_start} -1 license_text)
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " QUILLFOLD_LICENSE_PARAGRAPH " ${license_text}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${quillfold_packaging_out}/copyright
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${quillfold_packaging_out}/changelog
               @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# Manual pages and the changelog are installed compressed, as Debian's policy
# asks; -n leaves out the name and time, so the same text gives the same bytes.
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
quillfold_gzip(${quillfold_packaging_out}/changelog ${quillfold_packaging_out}/changelog.gz)

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
# site; the page shows the screenshot beside it.
set(quillfold_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillfold)
install(FILES ${PROJECT_SOURCE_DIR}/docs/readme.html ${PROJECT_SOURCE_DIR}/docs/screenshot.png
              ${quillfold_packaging_out}/copyright ${quillfold_packaging_out}/changelog.gz
        DESTINATION ${quillfold_docdir})
# The read-me's entry in Debian's documentation index. doc-base reads only
# /usr/share/doc-base, and the entry names the read-me under /usr, so it is
# installed only into /usr, as the Debian package always is.
install(CODE "set(quillfold_doc_base \"${PROJECT_SOURCE_DIR}/packaging/quillfold.doc-base\")")
install(CODE [[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/doc-base" TYPE FILE
         RENAME quillfold FILES "${quillfold_doc_base}")
  endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillfold)
set(CPACK_PACKAGE_VERSION ${QUILLFOLD_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "Quillfold")
set(CPACK_PACKAGE_CONTACT "${QUILLFOLD_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write HTML pages that link to every file of a folder")
# The lines stay within 80 columns for the terminals package tools show them on.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillfold adds a link for every file directly in a folder to numbered HTML"
    "pages in that folder, optionally only for names containing a given text"
    "and spread over pages of a given size with a master index. Pages are only"
    "ever appended to."
    ""
    "It comes as a window (quillfold) and a command-line program"
    "(quillfold-cli).")
list(JOIN CPACK_PACKAGE_DESCRIPTION "\n" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the programs link come from dpkg-shlibdeps. The read-me
# button hands its address to the desktop's opener; DejaVu Sans stands in
# for Verdana; Symbola draws the control pictures (U+2400 on) that show a
# control character of a name in the log and the folder list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, fonts-symbola")
include(CPack)

if(QUILLFOLD_BUILD_TESTS)
  add_test(NAME desktop_entry_validates
           COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/packaging/quillfold.desktop)
  add_test(NAME metainfo_validates
           COMMAND appstreamcli validate --pedantic --no-net ${QUILLFOLD_METAINFO})
  add_test(NAME manual_pages
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-man.sh
                   ${PROJECT_SOURCE_DIR}/runtime/error.h
                   ${PROJECT_SOURCE_DIR}/packaging/man/quillfold.1 $<TARGET_FILE:quillfold>
                   ${PROJECT_SOURCE_DIR}/packaging/man/quillfold-cli.1 $<TARGET_FILE:quillfold-cli>)

  # The package is built once per test run, and each check below reads it.
  set(package_check ${CMAKE_BINARY_DIR}/package-check)
  add_test(NAME debian_package_builds
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-deb.sh build ${CMAKE_BINARY_DIR}
                   ${package_check})
  set_tests_properties(debian_package_builds PROPERTIES FIXTURES_SETUP debian_package TIMEOUT 300)
  add_test(NAME debian_package_contents
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-deb.sh contents ${package_check}
                   ${QUILLFOLD_APPSTREAM_ID})
  # Lintian's informational tags count as failures where the programs are
  # hardened; the sanitizer builds lack the hardening on purpose, and without
  # optimisation there are no fortified calls.
  set(hardened OFF)
  if(QUILLFOLD_HARDENING AND CMAKE_SYSTEM_NAME STREQUAL "Linux"
     AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(hardened ON)
  endif()
  if(hardened)
    set(lintian_fails_on error,warning,info)
  else()
    set(lintian_fails_on error,warning)
  endif()
  # hardening-no-fortify-functions: neither program makes a libc call whose
  # buffer size is known when compiling, so no call can show as fortified;
  # debian_package_hardening checks instead that every file was compiled
  # with _FORTIFY_SOURCE.
  add_test(NAME debian_package_lintian
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-deb.sh lintian ${package_check}
                   ${lintian_fails_on} hardening-no-fortify-functions)
  set_tests_properties(debian_package_contents debian_package_lintian
                       PROPERTIES FIXTURES_REQUIRED debian_package TIMEOUT 300)
  if(hardened)
    add_test(NAME debian_package_hardening
             COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-deb.sh hardening ${package_check}
                     ${CMAKE_BINARY_DIR})
    set_tests_properties(debian_package_hardening PROPERTIES FIXTURES_REQUIRED debian_package)
  endif()
endif()
