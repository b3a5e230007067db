# vantrel_warnings: the warning flags our own targets build with (linked PRIVATE).
add_library(vantrel_warnings INTERFACE)
target_compile_options(vantrel_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  $<$<BOOL:${VANTREL_WERROR}>:-Werror>)
