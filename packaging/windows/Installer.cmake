# The Windows installer (Quillfold-VERSION-setup.exe, made with NSIS's
# makensis) and the portable zip (Quillfold-VERSION-windows-x64.zip), both
# from one folder of the files to ship:
#   cmake --build --preset windows --target windows_installer
include(${PROJECT_SOURCE_DIR}/packaging/Release.cmake)
set(QUILLFOLD_WINDOWS_SETUP ${CMAKE_BINARY_DIR}/Quillfold-${QUILLFOLD_VERSION_TEXT}-setup.exe)
set(QUILLFOLD_WINDOWS_ZIP ${CMAKE_BINARY_DIR}/Quillfold-${QUILLFOLD_VERSION_TEXT}-windows-x64.zip)
include(${PROJECT_SOURCE_DIR}/cmake/Signing.cmake)
find_program(QUILLFOLD_MAKENSIS makensis)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# What the downloads hold: the programs, and copies of the Windows read-me
# with the Win32 window's screenshot, as the build made them, and of LICENSE
# with the extension Windows opens with a text editor (SOURCE|NAME).
set(quillfold_windows_programs quillfold-cli)
if(TARGET quillfold)
  list(PREPEND quillfold_windows_programs quillfold)
endif()
set(quillfold_windows_copies "${QUILLFOLD_READ_ME_PAGE}|readme.html"
    "${QUILLFOLD_READ_ME_SCREENSHOT}|screenshot.png" "${PROJECT_SOURCE_DIR}/LICENSE|LICENSE.txt")
set(quillfold_windows_names "")
foreach(program ${quillfold_windows_programs})
  list(APPEND quillfold_windows_names ${program}.exe)
endforeach()
foreach(copy ${quillfold_windows_copies})
  string(REGEX REPLACE ".*[|]" "" name "${copy}")
  list(APPEND quillfold_windows_names ${name})
endforeach()

set(QUILLFOLD_NSIS_WINDOW_DEFINE "")
set(QUILLFOLD_NSIS_ICON_DEFINE "")
set(quillfold_nsis_icon "")
if(TARGET quillfold)
  set(QUILLFOLD_NSIS_WINDOW_DEFINE "!define QUILLFOLD_WINDOW")
  # The window's icon, drawn by its build (window/win32/CMakeLists.txt).
  get_target_property(quillfold_nsis_icon quillfold_ico QUILLFOLD_ICO_FILE)
  set(QUILLFOLD_NSIS_ICON_DEFINE
      "!define MUI_ICON \"${quillfold_nsis_icon}\"\n!define MUI_UNICON \"${quillfold_nsis_icon}\"")
endif()

# The target TARGET, which makes in the folder OUT the files to ship
# (OUT/files) and the uninstaller (OUT/Uninstall.exe), and from them the
# installer SETUP and the zip ZIP. With a certificate CERT and its key KEY
# each program, then the uninstaller, and last the installer are signed,
# their unsigned bytes kept in OUT/unsigned.
function(quillfold_windows_downloads target out setup zip cert key timestamp_url)
  set(files ${out}/files)
  set(unsigned ${out}/unsigned)
  set(folders ${files})
  set(signing_inputs "")
  if(NOT cert STREQUAL "")
    list(APPEND folders ${unsigned})
    set(signing_inputs ${cert} ${key})
  endif()
  # The signing commands for a file made unsigned in OUT/unsigned.
  macro(quillfold_sign_into variable name output)
    set(${variable} "")
    if(NOT cert STREQUAL "")
      quillfold_sign_command(${variable} ${unsigned}/${name} ${output} ${cert} ${key}
                             "${timestamp_url}")
    endif()
  endmacro()
  # Where a file to be signed is made: OUT/unsigned when signing.
  macro(quillfold_made_as variable name output)
    set(${variable} ${output})
    if(NOT cert STREQUAL "")
      set(${variable} ${unsigned}/${name})
    endif()
  endmacro()

  # The programs are shipped without their debugging information, which is
  # most of their size in a RelWithDebInfo build; the built ones keep it.
  # strip writes a time into the program's header: the release's, not the
  # time it runs.
  set(staged_files "")
  foreach(program ${quillfold_windows_programs})
    set(staged ${files}/${program}.exe)
    quillfold_made_as(stripped ${program}.exe ${staged})
    quillfold_sign_into(sign ${program}.exe ${staged})
    add_custom_command(OUTPUT ${staged}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folders}
                       COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUILLFOLD_RELEASE_EPOCH}
                               ${CMAKE_STRIP} --strip-debug -o ${stripped} $<TARGET_FILE:${program}>
                       ${sign}
                       DEPENDS ${program} ${signing_inputs} VERBATIM)
    list(APPEND staged_files ${staged})
  endforeach()
  foreach(copy ${quillfold_windows_copies})
    string(REPLACE "|" ";" copy "${copy}")
    list(GET copy 0 source)
    list(GET copy 1 name)
    add_custom_command(OUTPUT ${files}/${name}
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${files}/${name}
                       DEPENDS ${source} VERBATIM)
    list(APPEND staged_files ${files}/${name})
  endforeach()

  set(QUILLFOLD_NSIS_FILES ${files})
  set(QUILLFOLD_NSIS_COMMON ${out}/common.nsh)
  set(QUILLFOLD_NSIS_UNINSTALLER ${out}/Uninstall.exe)
  set(QUILLFOLD_NSIS_UNINSTALLER_STUB ${out}/uninstaller-stub.exe)
  quillfold_made_as(QUILLFOLD_NSIS_MADE_UNINSTALLER Uninstall.exe ${QUILLFOLD_NSIS_UNINSTALLER})
  quillfold_made_as(QUILLFOLD_NSIS_OUTFILE setup.exe ${setup})
  foreach(script common.nsh quillfold.nsi uninstaller.nsi)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${script} ${out}/${script} @ONLY)
  endforeach()

  if(QUILLFOLD_MAKENSIS)
    # Two runs: the uninstaller first, signed before the installer that
    # holds it is made.
    set(makensis ${QUILLFOLD_MAKENSIS} -V2 -INPUTCHARSET UTF8)
    quillfold_sign_into(sign Uninstall.exe ${QUILLFOLD_NSIS_UNINSTALLER})
    add_custom_command(OUTPUT ${QUILLFOLD_NSIS_UNINSTALLER}
                       BYPRODUCTS ${QUILLFOLD_NSIS_UNINSTALLER_STUB}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folders}
                       COMMAND ${makensis} ${out}/uninstaller.nsi
                       ${sign}
                       DEPENDS ${out}/common.nsh ${out}/uninstaller.nsi ${quillfold_nsis_icon}
                               ${signing_inputs}
                       VERBATIM)
    quillfold_sign_into(sign setup.exe ${setup})
    add_custom_command(OUTPUT ${setup}
                       COMMAND ${makensis} ${out}/quillfold.nsi
                       ${sign}
                       DEPENDS ${out}/common.nsh ${out}/quillfold.nsi ${QUILLFOLD_NSIS_UNINSTALLER}
                               ${staged_files} ${quillfold_nsis_icon} ${signing_inputs}
                       VERBATIM)
  else()
    add_custom_command(OUTPUT ${setup}
                       COMMAND ${CMAKE_COMMAND} -E echo "makensis not found: install nsis"
                       COMMAND ${CMAKE_COMMAND} -E false VERBATIM)
  endif()

  # The zip holds the files themselves, without a folder around them:
  # Windows' "Extract all" makes one named after the zip. Its entries carry
  # the release's time and nothing of the build machine's, so that the same
  # sources give the same zip.
  set(make_zip ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/make-zip.py)
  add_custom_command(OUTPUT ${zip}
                     COMMAND ${Python3_EXECUTABLE} ${make_zip} ${zip} ${QUILLFOLD_RELEASE_EPOCH}
                             ${files} ${quillfold_windows_names}
                     DEPENDS ${staged_files} ${make_zip} VERBATIM)

  add_custom_target(${target} DEPENDS ${setup} ${zip})
  if(TARGET quillfold_ico)
    add_dependencies(${target} quillfold_ico)
  endif()
  # The read-me is made in docs/, whose rules this folder's do not see.
  add_dependencies(${target} quillfold_read_me)
endfunction()

set(quillfold_windows_out ${CMAKE_BINARY_DIR}/packaging/windows)
quillfold_windows_downloads(windows_installer ${quillfold_windows_out} ${QUILLFOLD_WINDOWS_SETUP}
                            ${QUILLFOLD_WINDOWS_ZIP} "${QUILLFOLD_SIGNING_CERT}"
                            "${QUILLFOLD_SIGNING_KEY}" "${QUILLFOLD_SIGNING_TIMESTAMP_URL}")

if(QUILLFOLD_BUILD_TESTS AND CMAKE_CROSSCOMPILING_EMULATOR)
  # Built once per test run, as the Debian package is; the checks read it.
  add_test(NAME windows_installer_builds
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target windows_installer)
  set_tests_properties(windows_installer_builds PROPERTIES FIXTURES_SETUP windows_installer
                       TIMEOUT 300)
  # The same downloads signed, in a folder of their own, with a key and a
  # self-signed certificate (its own authority, valid for a day) made anew
  # by each test run.
  set(quillfold_signed_out ${CMAKE_BINARY_DIR}/packaging/windows-signed)
  set(quillfold_test_certificate ${quillfold_signed_out}/certificate)
  set(quillfold_test_ca ${quillfold_test_certificate}/cert.pem)
  set(quillfold_signed_setup ${quillfold_signed_out}/Quillfold-${QUILLFOLD_VERSION_TEXT}-setup.exe)
  set(quillfold_signed_zip
      ${quillfold_signed_out}/Quillfold-${QUILLFOLD_VERSION_TEXT}-windows-x64.zip)
  quillfold_windows_downloads(windows_signed_downloads ${quillfold_signed_out}
                              ${quillfold_signed_setup} ${quillfold_signed_zip} ${quillfold_test_ca}
                              ${quillfold_test_certificate}/key.pem "")
  find_program(QUILLFOLD_OPENSSL openssl REQUIRED)
  add_test(NAME windows_signing_certificate
           COMMAND sh -c [[rm -rf "$1" && mkdir -p "$1" &&
                           "$2" req -x509 -newkey rsa:2048 -nodes -days 1 \
                             -subj "/CN=Quillfold test signer" \
                             -addext extendedKeyUsage=codeSigning \
                             -keyout "$1/key.pem" -out "$1/cert.pem"]]
                   sh ${quillfold_test_certificate} ${QUILLFOLD_OPENSSL})
  set_tests_properties(windows_signing_certificate PROPERTIES
                       FIXTURES_SETUP windows_signing_certificate)
  add_test(NAME windows_signed_downloads_build
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target windows_signed_downloads)
  set_tests_properties(windows_signed_downloads_build PROPERTIES
                       FIXTURES_REQUIRED windows_signing_certificate
                       FIXTURES_SETUP windows_signed_downloads TIMEOUT 300)
  set(quillfold_windows_program_names ${quillfold_windows_names})
  list(FILTER quillfold_windows_program_names INCLUDE REGEX "[.]exe$")
  add_test(NAME windows_signatures_verify
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-signatures.sh ${quillfold_test_ca}
                   "${QUILLFOLD_HOMEPAGE}" ${quillfold_signed_out} ${quillfold_signed_setup}
                   ${quillfold_windows_program_names})

  get_filename_component(quillfold_read_me_folder ${QUILLFOLD_READ_ME_PAGE} DIRECTORY)
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 quillfold_wine_run)
  set(quillfold_check_icon none)
  if(quillfold_nsis_icon)
    set(quillfold_check_icon ${quillfold_nsis_icon})
  endif()
  # The tests NAME_zip_contents and NAME_installer_installs of the downloads
  # in OUT, whose signatures check-installer.sh checks as SIGNATURES says;
  # the install in a Wine prefix of its own, made afresh by each run, so
  # that nothing from an earlier install can stand in for what this one
  # should do.
  function(quillfold_windows_download_checks name out setup zip signatures)
    add_test(NAME ${name}_zip_contents
             COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check-zip.sh ${zip}
                     ${quillfold_read_me_folder} ${out}/files ${quillfold_windows_names})
    add_test(NAME ${name}_installer_installs
             COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/check-installer.sh ${quillfold_wine_run}
                     ${out}/wine ${setup} ${QUILLFOLD_VERSION_TEXT} ${quillfold_check_icon}
                     ${signatures} $<TARGET_FILE:running_mark_holder> ${out}/files
                     ${quillfold_windows_names})
    set_tests_properties(${name}_zip_contents ${name}_installer_installs PROPERTIES TIMEOUT 600)
  endfunction()
  set(quillfold_check_signatures none)
  if(NOT QUILLFOLD_SIGNING_CERT STREQUAL "")
    set(quillfold_check_signatures -)
  endif()
  quillfold_windows_download_checks(windows ${quillfold_windows_out} ${QUILLFOLD_WINDOWS_SETUP}
                                    ${QUILLFOLD_WINDOWS_ZIP} ${quillfold_check_signatures})
  set_tests_properties(windows_zip_contents windows_installer_installs
                       PROPERTIES FIXTURES_REQUIRED windows_installer)
  quillfold_windows_download_checks(windows_signed ${quillfold_signed_out} ${quillfold_signed_setup}
                                    ${quillfold_signed_zip} ${quillfold_test_ca})
  set_tests_properties(windows_signatures_verify windows_signed_zip_contents
                       windows_signed_installer_installs PROPERTIES
                       FIXTURES_REQUIRED "windows_signing_certificate;windows_signed_downloads")
endif()
