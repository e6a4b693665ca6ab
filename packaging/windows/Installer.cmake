# The Windows installer (Quillfold-VERSION-setup.exe, made with NSIS's
# makensis) and the portable zip (Quillfold-VERSION-windows-x64.zip), both
# from one folder of the files to ship:
#   cmake --build --preset windows --target windows_installer
include(${PROJECT_SOURCE_DIR}/packaging/Release.cmake)
set(quillfold_windows_out ${CMAKE_BINARY_DIR}/packaging/windows)
set(quillfold_windows_files ${quillfold_windows_out}/files)
set(QUILLFOLD_WINDOWS_SETUP ${CMAKE_BINARY_DIR}/Quillfold-${QUILLFOLD_VERSION_TEXT}-setup.exe)
set(QUILLFOLD_WINDOWS_ZIP ${CMAKE_BINARY_DIR}/Quillfold-${QUILLFOLD_VERSION_TEXT}-windows-x64.zip)

# The programs are shipped without their debugging information, which is
# most of their size in a RelWithDebInfo build; the built ones keep it.
# strip writes a time into the program's header: the release's, not the
# time it runs.
set(quillfold_windows_programs quillfold-cli)
if(TARGET quillfold)
  list(PREPEND quillfold_windows_programs quillfold)
endif()
set(quillfold_windows_staged "")
foreach(program ${quillfold_windows_programs})
  set(staged ${quillfold_windows_files}/${program}.exe)
  add_custom_command(OUTPUT ${staged}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${quillfold_windows_files}
                     COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUILLFOLD_RELEASE_EPOCH}
                             ${CMAKE_STRIP} --strip-debug -o ${staged} $<TARGET_FILE:${program}>
                     DEPENDS ${program} VERBATIM)
  list(APPEND quillfold_windows_staged ${staged})
endforeach()
# The Windows read-me with the Win32 window's screenshot, as the build made
# them; LICENSE gets the extension Windows opens with a text editor.
foreach(pair "${QUILLFOLD_READ_ME_PAGE}|readme.html" "${QUILLFOLD_READ_ME_SCREENSHOT}|screenshot.png"
             "${PROJECT_SOURCE_DIR}/LICENSE|LICENSE.txt")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 name)
  add_custom_command(OUTPUT ${quillfold_windows_files}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${quillfold_windows_files}/${name}
                     DEPENDS ${source} VERBATIM)
  list(APPEND quillfold_windows_staged ${quillfold_windows_files}/${name})
endforeach()

set(QUILLFOLD_NSIS_FILES ${quillfold_windows_files})
set(QUILLFOLD_NSIS_OUTFILE ${QUILLFOLD_WINDOWS_SETUP})
set(QUILLFOLD_NSIS_COMMON ${quillfold_windows_out}/common.nsh)
set(QUILLFOLD_NSIS_UNINSTALLER ${quillfold_windows_out}/Uninstall.exe)
set(QUILLFOLD_NSIS_UNINSTALLER_STUB ${quillfold_windows_out}/uninstaller-stub.exe)
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
foreach(script common.nsh quillfold.nsi uninstaller.nsi)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${script} ${quillfold_windows_out}/${script} @ONLY)
endforeach()

find_program(QUILLFOLD_MAKENSIS makensis)
if(QUILLFOLD_MAKENSIS)
  # Two runs: the uninstaller first, then the installer that holds it.
  set(makensis ${QUILLFOLD_MAKENSIS} -V2 -INPUTCHARSET UTF8)
  add_custom_command(OUTPUT ${QUILLFOLD_NSIS_UNINSTALLER}
                     BYPRODUCTS ${QUILLFOLD_NSIS_UNINSTALLER_STUB}
                     COMMAND ${makensis} ${quillfold_windows_out}/uninstaller.nsi
                     DEPENDS ${quillfold_windows_out}/common.nsh
                             ${quillfold_windows_out}/uninstaller.nsi ${quillfold_nsis_icon}
                     VERBATIM)
  add_custom_command(OUTPUT ${QUILLFOLD_WINDOWS_SETUP}
                     COMMAND ${makensis} ${quillfold_windows_out}/quillfold.nsi
                     DEPENDS ${quillfold_windows_out}/common.nsh
                             ${quillfold_windows_out}/quillfold.nsi ${QUILLFOLD_NSIS_UNINSTALLER}
                             ${quillfold_windows_staged} ${quillfold_nsis_icon}
                     VERBATIM)
else()
  add_custom_command(OUTPUT ${QUILLFOLD_WINDOWS_SETUP}
                     COMMAND ${CMAKE_COMMAND} -E echo "makensis not found: install nsis"
                     COMMAND ${CMAKE_COMMAND} -E false VERBATIM)
endif()

# The zip holds the files themselves, without a folder around them: Windows'
# "Extract all" makes one named after the zip. Its entries carry the
# release's time and nothing of the build machine's, so that the same
# sources give the same zip.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(quillfold_windows_names "")
foreach(staged ${quillfold_windows_staged})
  get_filename_component(name ${staged} NAME)
  list(APPEND quillfold_windows_names ${name})
endforeach()
add_custom_command(OUTPUT ${QUILLFOLD_WINDOWS_ZIP}
                   COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/make-zip.py
                           ${QUILLFOLD_WINDOWS_ZIP} ${QUILLFOLD_RELEASE_EPOCH}
                           ${quillfold_windows_files} ${quillfold_windows_names}
                   DEPENDS ${quillfold_windows_staged} ${CMAKE_CURRENT_LIST_DIR}/make-zip.py VERBATIM)

add_custom_target(windows_installer DEPENDS ${QUILLFOLD_WINDOWS_SETUP} ${QUILLFOLD_WINDOWS_ZIP})
if(TARGET quillfold_ico)
  add_dependencies(windows_installer quillfold_ico)
endif()
# The read-me is made in docs/, whose rules this folder's do not see.
add_dependencies(windows_installer quillfold_read_me)

if(QUILLFOLD_BUILD_TESTS AND CMAKE_CROSSCOMPILING_EMULATOR)
  # Built once per test run, as the Debian package is; the checks read it.
  add_test(NAME windows_installer_builds
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target windows_installer)
  set_tests_properties(windows_installer_builds PROPERTIES FIXTURES_SETUP windows_installer
                       TIMEOUT 300)
  get_filename_component(quillfold_read_me_folder ${QUILLFOLD_READ_ME_PAGE} DIRECTORY)
  add_test(NAME windows_zip_contents
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-zip.sh ${QUILLFOLD_WINDOWS_ZIP}
                   ${quillfold_read_me_folder} ${quillfold_windows_files}
                   ${quillfold_windows_names})
  # Its own Wine prefix, made afresh by each run, so that nothing from an
  # earlier install can stand in for what this one should do.
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 quillfold_wine_run)
  set(quillfold_check_icon none)
  if(quillfold_nsis_icon)
    set(quillfold_check_icon ${quillfold_nsis_icon})
  endif()
  add_test(NAME windows_installer_installs
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-installer.sh ${quillfold_wine_run}
                   ${quillfold_windows_out}/wine ${QUILLFOLD_WINDOWS_SETUP}
                   ${QUILLFOLD_VERSION_TEXT} ${quillfold_check_icon}
                   $<TARGET_FILE:running_mark_holder> ${quillfold_windows_files}
                   ${quillfold_windows_names})
  set_tests_properties(windows_zip_contents windows_installer_installs
                       PROPERTIES FIXTURES_REQUIRED windows_installer TIMEOUT 600)
endif()
