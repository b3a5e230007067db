# vantrel_sanitizers: AddressSanitizer + UndefinedBehaviorSanitizer when VANTREL_SANITIZE is on.
add_library(vantrel_sanitizers INTERFACE)
if(VANTREL_SANITIZE)
  set(_vantrel_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(vantrel_sanitizers INTERFACE ${_vantrel_san})
  target_link_options(vantrel_sanitizers INTERFACE ${_vantrel_san})
endif()
