# The Linux programs are built as Debian builds those of its own packages (dpkg-buildflags,
# with bind-now): the C library's fortified calls, the stack protector, and relocations
# resolved at start-up and then made read-only. Only optimised builds (fortification needs
# the optimiser) and not under the sanitizers, which intercept the same calls themselves.
if(NOT WIN32 AND NOT RECEIPT_SANITIZE AND NOT RECEIPT_BUILD_FUZZERS)
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>
                      -fstack-protector-strong)
  add_link_options(-Wl,-z,relro,-z,now)
endif()
