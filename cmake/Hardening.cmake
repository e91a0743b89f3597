# The Linux programs are built as Debian builds those of its own packages (dpkg-buildflags,
# with bind-now): relocations resolved at start-up and then made read-only, the stack
# protector and the C library's fortified calls. Fortification needs the optimiser, so only
# optimised builds have it, and neither it nor the stack protector goes under the
# sanitizers, which check the same calls and the stack themselves.
if(NOT WIN32)
  add_link_options(-Wl,-z,relro,-z,now)
  if(NOT RECEIPT_SANITIZE AND NOT RECEIPT_BUILD_FUZZERS)
    add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>
                        -fstack-protector-strong)
  endif()
endif()
