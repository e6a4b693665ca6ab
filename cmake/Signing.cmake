# Authenticode signatures for the Windows downloads, so that SmartScreen and
# Smart App Control know who made them. Nothing is signed unless a
# certificate is configured; the downloads are then the same bytes as
# without this file.
set(QUILLFOLD_SIGNING_CERT "" CACHE FILEPATH
    "PEM file of the Authenticode certificate (and its chain) the Windows downloads are signed with")
set(QUILLFOLD_SIGNING_KEY "" CACHE FILEPATH "PEM file of that certificate's private key, unencrypted")
set(QUILLFOLD_SIGNING_TIMESTAMP_URL "" CACHE STRING
    "RFC 3161 time-stamp server for the signatures; none when empty")

if((QUILLFOLD_SIGNING_CERT STREQUAL "") AND NOT (QUILLFOLD_SIGNING_KEY STREQUAL ""))
  message(FATAL_ERROR "QUILLFOLD_SIGNING_KEY is set without QUILLFOLD_SIGNING_CERT")
elseif(NOT (QUILLFOLD_SIGNING_CERT STREQUAL "") AND (QUILLFOLD_SIGNING_KEY STREQUAL ""))
  message(FATAL_ERROR "QUILLFOLD_SIGNING_CERT is set without QUILLFOLD_SIGNING_KEY")
endif()
if(NOT QUILLFOLD_SIGNING_CERT STREQUAL "" OR QUILLFOLD_BUILD_TESTS)
  find_program(QUILLFOLD_OSSLSIGNCODE osslsigncode REQUIRED)
endif()

# The signature's "more information" link: the home page, when the
# publisher has one; a signature without a host has no link, rather than
# one to a reserved example name.
set(QUILLFOLD_SIGNING_URL_ARGUMENTS "")
if(NOT QUILLFOLD_HOMEPAGE STREQUAL "")
  set(QUILLFOLD_SIGNING_URL_ARGUMENTS -i ${QUILLFOLD_HOMEPAGE})
endif()

# Sets VARIABLE to the commands (for add_custom_command) that sign INPUT into
# OUTPUT with the certificate CERT and its key KEY, time-stamped by
# TIMESTAMP_URL unless it is empty. osslsigncode will not overwrite OUTPUT.
function(quillfold_sign_command variable input output cert key timestamp_url)
  set(timestamp "")
  if(NOT timestamp_url STREQUAL "")
    set(timestamp -ts ${timestamp_url})
  endif()
  set(${variable}
      COMMAND ${CMAKE_COMMAND} -E rm -f ${output}
      COMMAND ${QUILLFOLD_OSSLSIGNCODE} sign -certs ${cert} -key ${key} -h sha256 -n Quillfold
              ${QUILLFOLD_SIGNING_URL_ARGUMENTS} ${timestamp} -in ${input} -out ${output}
      PARENT_SCOPE)
endfunction()
