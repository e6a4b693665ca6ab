# Makes one system's read-me page from docs/readme.html.in:
#   cmake -DTEMPLATE=readme.html.in -DSYSTEM=linux|windows -DSCREENSHOT=shot.png
#         -DVERSION=1.00 -DOUTPUT=readme.html -P expand-read-me.cmake
# Text between <!--linux--> and <!--/linux--> is kept on Linux only, between
# <!--windows--> and <!--/windows--> on Windows only; the rest is shared. A
# marker that fills its line goes with its line ending, so blocks may be
# written on lines of their own. Blocks do not nest. @VERSION@ is the
# version, @SCREENSHOT_WIDTH@ and @SCREENSHOT_HEIGHT@ the picture's size,
# read from its PNG header so that the page always gives the size of the
# picture shipped beside it.
cmake_minimum_required(VERSION 3.25)
set(systems linux windows)
if(NOT SYSTEM IN_LIST systems)
  message(FATAL_ERROR "SYSTEM is \"${SYSTEM}\", not one of: ${systems}")
endif()

file(READ "${TEMPLATE}" text)

# The text after the marker at `position` of `length`; a marker alone on its
# line takes the line ending with it, one within a line leaves it.
function(skip_line_end text position length out)
  math(EXPR after "${position} + ${length}")
  string(SUBSTRING "${text}" ${after} 1 next)
  set(previous "\n")
  if(position GREATER 0)
    math(EXPR before "${position} - 1")
    string(SUBSTRING "${text}" ${before} 1 previous)
  endif()
  if(previous STREQUAL "\n" AND next STREQUAL "\n")
    math(EXPR after "${after} + 1")
  endif()
  string(SUBSTRING "${text}" ${after} -1 rest)
  set(${out} "${rest}" PARENT_SCOPE)
endfunction()

set(page "")
while(TRUE)
  # The first block of any system.
  set(first -1)
  foreach(name ${systems})
    string(FIND "${text}" "<!--${name}-->" at)
    if(at GREATER -1 AND (first EQUAL -1 OR at LESS first))
      set(first ${at})
      set(block ${name})
    endif()
  endforeach()
  if(first EQUAL -1)
    string(APPEND page "${text}")
    break()
  endif()
  string(SUBSTRING "${text}" 0 ${first} before)
  string(APPEND page "${before}")
  string(LENGTH "<!--${block}-->" length)
  skip_line_end("${text}" ${first} ${length} text)
  string(FIND "${text}" "<!--/${block}-->" end)
  if(end EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE}: <!--${block}--> is never closed")
  endif()
  string(SUBSTRING "${text}" 0 ${end} body)
  if(body MATCHES "<!--/?[a-z]+-->")
    message(FATAL_ERROR "${TEMPLATE}: ${CMAKE_MATCH_0} inside the <!--${block}--> block")
  endif()
  if(block STREQUAL SYSTEM)
    string(APPEND page "${body}")
  endif()
  string(LENGTH "<!--/${block}-->" length)
  skip_line_end("${text}" ${end} ${length} text)
endwhile()
if(page MATCHES "<!--/?[a-z]+-->")
  message(FATAL_ERROR "${TEMPLATE}: ${CMAKE_MATCH_0} closes no block")
endif()

# A PNG's width and height are the big-endian 32-bit numbers at bytes 16-23.
file(READ "${SCREENSHOT}" header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING "${header}" 0 8 width)
string(SUBSTRING "${header}" 8 8 height)
math(EXPR width "0x${width}")
math(EXPR height "0x${height}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@SCREENSHOT_WIDTH@" "${width}" page "${page}")
string(REPLACE "@SCREENSHOT_HEIGHT@" "${height}" page "${page}")
if(page MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "${TEMPLATE}: ${CMAKE_MATCH_0} is not a value this script knows")
endif()
file(WRITE "${OUTPUT}" "${page}")
