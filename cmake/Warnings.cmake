# vantrel_warnings: the warning flags our own targets build with (linked PRIVATE).
add_library(vantrel_warnings INTERFACE)
target_compile_options(vantrel_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  # A switch over an enum names every enumerator, also with a default: a new enumerator is then
  # met at each switch.
  -Wswitch-enum
  # GCC 12 reports impossible overlaps inside std::string's own inlined code at -O3 (a known false
  # positive of its -Wrestrict); the warning says nothing about our code there.
  $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>
  $<$<BOOL:${VANTREL_WERROR}>:-Werror>)
