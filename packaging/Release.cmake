# The release as debian/changelog's first entry gives it, the one place that
# names it: QUILLFOLD_RELEASE_DATE (YYYY-MM-DD), for the AppStream metadata,
# and QUILLFOLD_RELEASE_EPOCH (its time in seconds since 1970), the only time
# that goes into the Windows downloads, as it is the only one that goes into
# the Debian package (dpkg-buildpackage's SOURCE_DATE_EPOCH); and
# QUILLFOLD_HOMEPAGE, the read-me on the publisher's web host, empty without
# one.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog quillfold_changelog_head LIMIT_COUNT 20)
set(quillfold_release_version "")
set(quillfold_release_time "")
foreach(line IN LISTS quillfold_changelog_head)
  if(quillfold_release_version STREQUAL "" AND line MATCHES "^quillfold \\(([^)]+)\\) ")
    set(quillfold_release_version ${CMAKE_MATCH_1})
  elseif(line MATCHES "^ -- .+>  (.+)$")
    set(quillfold_release_time "${CMAKE_MATCH_1}")
    break()
  endif()
endforeach()
if(NOT quillfold_release_version STREQUAL QUILLFOLD_VERSION_TEXT)
  message(FATAL_ERROR "debian/changelog's first entry is version '${quillfold_release_version}', "
                      "the programs' ${QUILLFOLD_VERSION_TEXT}")
endif()
foreach(quillfold_format "%s;QUILLFOLD_RELEASE_EPOCH" "%F;QUILLFOLD_RELEASE_DATE")
  list(GET quillfold_format 0 quillfold_date_format)
  list(GET quillfold_format 1 quillfold_variable)
  execute_process(COMMAND date -u -d "${quillfold_release_time}" +${quillfold_date_format}
                  OUTPUT_VARIABLE ${quillfold_variable} OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE quillfold_date_status)
  if(NOT quillfold_date_status EQUAL 0)
    message(FATAL_ERROR "debian/changelog's first entry has no readable date: '${quillfold_release_time}'")
  endif()
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog)

set(QUILLFOLD_HOMEPAGE "")
if(NOT QUILLFOLD_PUBLISHER_HOST STREQUAL "")
  set(QUILLFOLD_HOMEPAGE "https://${QUILLFOLD_PUBLISHER_HOST}/Quillfold/readme.html")
endif()
