# cmake -DVERSION=1.2.3 -DSOURCE_DIR=... -DTRANSLATE=path/to/vantrel-translate -P CheckVersions.cmake
# Fails unless every place that repeats the project's version gives VERSION: the newest entry of
# debian/changelog, the newest release of the software-centre metadata, both manual pages and
# `vantrel-translate --version`.
set(failures "")
macro(expect what found)
  if(NOT "${found}" STREQUAL "${VERSION}")
    string(APPEND failures "  ${what}: '${found}'\n")
  endif()
endmacro()

file(STRINGS ${SOURCE_DIR}/debian/changelog line LIMIT_COUNT 1)
string(REGEX REPLACE "^[^ ]+ \\(([^)]*)\\).*" "\\1" found "${line}")
expect("debian/changelog" "${found}")

file(READ ${SOURCE_DIR}/data/org.vantrel.Vantrel.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" ignored "${metainfo}")
expect("newest <release> of the metainfo" "${CMAKE_MATCH_1}")

foreach(page vantrel.1 vantrel-translate.1)
  file(STRINGS ${SOURCE_DIR}/data/${page} line REGEX "^\\.TH " LIMIT_COUNT 1)
  string(REGEX MATCH "\"Vantrel ([^\"]*)\"" ignored "${line}")
  expect(".TH line of data/${page}" "${CMAKE_MATCH_1}")
endforeach()

execute_process(COMMAND ${TRANSLATE} --version OUTPUT_VARIABLE line OUTPUT_STRIP_TRAILING_WHITESPACE)
# The version ends the first line; the copyright and the licence follow.
string(REGEX REPLACE "\n.*" "" line "${line}")
string(REGEX REPLACE "^.* " "" found "${line}")
expect("vantrel-translate --version" "${found}")

if(failures)
  message(FATAL_ERROR "The project's version is ${VERSION}, but\n${failures}")
endif()
message(STATUS "Version ${VERSION} everywhere")
