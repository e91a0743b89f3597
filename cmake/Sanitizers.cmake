# RECEIPT_SANITIZE builds everything of ours with AddressSanitizer and
# UndefinedBehaviorSanitizer. Any finding ends the process (no recovery), so a test that
# trips one fails; frame pointers and debug information give readable stacks.
# float-cast-overflow is not part of GCC's "undefined" set but guards every conversion
# of a typed number to an integer.
option(RECEIPT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(RECEIPT_SANITIZE)
  set(receipt_sanitizers -fsanitize=address,undefined,float-cast-overflow)
  add_compile_options(${receipt_sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(${receipt_sanitizers})
endif()
