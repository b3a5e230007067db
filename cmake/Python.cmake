# VANTREL_PYTHON: the Python module vantrel (src/python), with pybind11.
#   OFF   not built (the default);
#   ON    built, and pybind11 and Python's headers must be found;
#   AUTO  built when they are found (the dev and release presets).
# Python is Debian's /usr/bin/python3 unless Python3_EXECUTABLE says otherwise. The module gets the
# library's sources compiled once more, as position-independent code (vantrel_metar_pic), so that
# the programs keep the library exactly as they had it.
set(VANTREL_PYTHON OFF CACHE STRING "Build the Python module vantrel: OFF, ON or AUTO")
set_property(CACHE VANTREL_PYTHON PROPERTY STRINGS OFF ON AUTO)
set(VANTREL_PYTHON_BUILT OFF)
if(NOT VANTREL_PYTHON MATCHES "^(OFF|ON|AUTO)$")
  message(FATAL_ERROR "VANTREL_PYTHON is '${VANTREL_PYTHON}'; it takes OFF, ON or AUTO")
endif()
if(VANTREL_PYTHON STREQUAL "OFF")
  return()
endif()
# A sanitized module would need the sanitizers' run-time preloaded into the interpreter.
if(VANTREL_SANITIZE AND VANTREL_PYTHON STREQUAL "AUTO")
  message(STATUS "Python module: not built under the sanitizers")
  return()
endif()

if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3)
endif()
set(PYBIND11_FINDPYTHON ON)
if(VANTREL_PYTHON STREQUAL "ON")
  find_package(Python3 REQUIRED COMPONENTS Interpreter Development.Module)
  find_package(pybind11 CONFIG REQUIRED)
else()
  find_package(Python3 QUIET COMPONENTS Interpreter Development.Module)
  if(Python3_FOUND)
    find_package(pybind11 CONFIG QUIET)
  endif()
  if(NOT Python3_FOUND OR NOT pybind11_FOUND)
    message(STATUS "Python module: not built (pybind11 or Python's headers not found; scripts/setup installs them)")
    return()
  endif()
endif()
set(VANTREL_PYTHON_BUILT ON)
message(STATUS "Python module: built for ${Python3_EXECUTABLE} (${Python3_VERSION}), pybind11 ${pybind11_VERSION}")
get_target_property(_vantrel_metar_sources vantrel_metar SOURCES)
get_target_property(_vantrel_metar_dir vantrel_metar SOURCE_DIR)
list(TRANSFORM _vantrel_metar_sources PREPEND ${_vantrel_metar_dir}/)
add_library(vantrel_metar_pic STATIC EXCLUDE_FROM_ALL ${_vantrel_metar_sources})
set_target_properties(vantrel_metar_pic PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(vantrel_metar_pic PUBLIC ${_vantrel_metar_dir}/..)
target_compile_features(vantrel_metar_pic PUBLIC cxx_std_20)
# Calls inside the library stay direct, as in a program: nothing outside the module replaces them.
target_compile_options(vantrel_metar_pic PRIVATE -fno-semantic-interposition)
target_link_libraries(vantrel_metar_pic PRIVATE vantrel_warnings)
add_subdirectory(src/python)
