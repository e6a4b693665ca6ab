# GoogleTest for the tests: the system's own build of it, or, when building
# for another system (Windows with mingw-w64), built here from Debian's
# source package with the same compiler, as no prebuilt one fits.
if(CMAKE_CROSSCOMPILING)
  set(QUILLFOLD_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
      "GoogleTest's source, built with the cross compiler")
  if(NOT EXISTS ${QUILLFOLD_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest source in ${QUILLFOLD_GOOGLETEST_SOURCE}: install libgtest-dev")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUILLFOLD_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Its own code is not ours to keep free of warnings.
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
else()
  find_package(GTest REQUIRED)
endif()
