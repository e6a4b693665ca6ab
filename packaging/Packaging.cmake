# Installing Quillfold as a desktop program, and its Debian package.
include(GNUInstallDirs)

# AppStream wants a reverse-DNS id; it follows the publisher's host.
string(REPLACE "." ";" host_parts "${QUILLFOLD_PUBLISHER_HOST}")
list(REVERSE host_parts)
list(JOIN host_parts "." reversed_host)
set(QUILLFOLD_APPSTREAM_ID "${reversed_host}.Quillfold")
set(QUILLFOLD_METAINFO "${CMAKE_CURRENT_BINARY_DIR}/packaging/${QUILLFOLD_APPSTREAM_ID}.metainfo.xml")
configure_file(${PROJECT_SOURCE_DIR}/packaging/metainfo.xml.in ${QUILLFOLD_METAINFO} @ONLY)

install(TARGETS quillfold quillfold-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillfold.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUILLFOLD_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32)
  install(FILES ${PROJECT_SOURCE_DIR}/window/icons/quillfold-${size}.xpm
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quillfold.xpm)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/readme.html DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillfold)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillfold)
set(CPACK_PACKAGE_VERSION ${QUILLFOLD_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "Quillfold")
set(CPACK_PACKAGE_CONTACT "Quillfold <packages@${QUILLFOLD_PUBLISHER_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write HTML pages that link to every file of a folder")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillfold adds a link for every file directly in a folder to numbered HTML pages in that "
    "folder, optionally only for names containing a given text and spread over pages of a given "
    "size with a master index. It comes as a window (quillfold) and a command-line program "
    "(quillfold-cli).")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${QUILLFOLD_PUBLISHER_HOST}/Quillfold/readme.html")
# The libraries the programs link come from dpkg-shlibdeps. The read-me
# button hands its address to the desktop's opener; DejaVu Sans stands in
# for Verdana.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
include(CPack)

if(QUILLFOLD_BUILD_TESTS)
  add_test(NAME desktop_entry_validates
           COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/packaging/quillfold.desktop)
  add_test(NAME metainfo_validates COMMAND appstreamcli validate --no-net ${QUILLFOLD_METAINFO})
  add_test(NAME debian_package_contents
           COMMAND ${PROJECT_SOURCE_DIR}/packaging/check-deb.sh ${CMAKE_BINARY_DIR}
                   ${QUILLFOLD_APPSTREAM_ID})
  set_tests_properties(debian_package_contents PROPERTIES TIMEOUT 300)
endif()
