# Profile-guided optimisation (GCC), off by default; scripts/pgo runs the whole round.
#
#   VANTREL_PGO=GENERATE  the targets given to vantrel_pgo() are instrumented: every run of the
#                         program adds its counts to VANTREL_PGO_DIR (one .gcda file per object).
#   VANTREL_PGO=USE       the same targets are compiled with the counts found in VANTREL_PGO_DIR.
#
# The two builds live in different build directories; -fprofile-prefix-path drops the build
# directory from the profile's file names, so each object finds its counts as long as both builds
# lay out their objects alike (same CMakeLists.txt, any build directory).
set(VANTREL_PGO OFF CACHE STRING
  "Profile-guided optimisation: OFF, GENERATE (instrumented build) or USE (build with the profile)")
set_property(CACHE VANTREL_PGO PROPERTY STRINGS OFF GENERATE USE)
set(VANTREL_PGO_DIR "${PROJECT_SOURCE_DIR}/build/pgo-profile" CACHE PATH
  "Where VANTREL_PGO=GENERATE writes the profile and VANTREL_PGO=USE reads it")

if(NOT VANTREL_PGO MATCHES "^(OFF|GENERATE|USE)$")
  message(FATAL_ERROR "VANTREL_PGO is '${VANTREL_PGO}'; it takes OFF, GENERATE or USE")
endif()
if(NOT VANTREL_PGO STREQUAL "OFF" AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "VANTREL_PGO=${VANTREL_PGO} needs GCC (the compiler is ${CMAKE_CXX_COMPILER_ID})")
endif()

# vantrel_pgo(TARGET...): applies VANTREL_PGO to the named targets, which are the ones the training
# runs: the library and the command-line translator. Tests, benchmarks and the window are built as
# usual, so they never look for a profile they could not have.
function(vantrel_pgo)
  if(VANTREL_PGO STREQUAL "OFF")
    return()
  endif()
  set(_common "-fprofile-prefix-path=${PROJECT_BINARY_DIR}")
  if(VANTREL_PGO STREQUAL "GENERATE")
    # prefer-atomic: the counters stay right when several threads run the same code (the
    # translator's worker threads), at a small cost to the training run only.
    set(_compile -fprofile-generate=${VANTREL_PGO_DIR} -fprofile-update=prefer-atomic ${_common})
    set(_link -fprofile-generate=${VANTREL_PGO_DIR})
  else()
    # partial-training: code the training never ran (--stats, refused reports...) is optimised as
    # in a plain release build instead of for size.
    # A missing or outdated profile gives a slower program, never a wrong one: GCC still says so,
    # but not as an error, also under VANTREL_WERROR (an outdated function's counts are ignored).
    set(_compile -fprofile-use=${VANTREL_PGO_DIR} -fprofile-partial-training ${_common}
      -Wno-error=missing-profile -Wno-error=coverage-mismatch)
    set(_link "")
  endif()
  foreach(target IN LISTS ARGN)
    target_compile_options(${target} PRIVATE ${_compile})
    if(_link)
      # Whatever links an instrumented object needs the profiling run-time (libgcov).
      get_target_property(_type ${target} TYPE)
      if(_type STREQUAL "EXECUTABLE")
        target_link_options(${target} PRIVATE ${_link})
      else()
        target_link_options(${target} INTERFACE ${_link})
      endif()
    endif()
  endforeach()
  message(STATUS "Profile-guided optimisation: ${VANTREL_PGO}, profile in ${VANTREL_PGO_DIR}")
endfunction()
