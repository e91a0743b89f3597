# Cross-compiling for 32-bit Windows with Debian's mingw-w64: one program for every Windows
# from 7 SP1 to 11, 32- and 64-bit alike (64-bit Windows runs it as it is). The programs are
# linked statically so they run without the compiler's DLLs, and run under Wine where the
# build needs to run them (tests).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(mingw_host i686-w64-mingw32)
# The POSIX threading flavour: its C++ library has the whole of std::thread and friends.
set(CMAKE_C_COMPILER ${mingw_host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_host}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_host}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_host})
# Libraries built for Windows outside the system, such as wxWidgets from
# scripts/build-wx-mingw: a prefix with bin/wx-config, include/ and lib/.
set(RECEIPT_MINGW_PREFIX "" CACHE PATH "Prefix of libraries built for Windows (wxWidgets)")
if(RECEIPT_MINGW_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${RECEIPT_MINGW_PREFIX})
  set(wxWidgets_CONFIG_EXECUTABLE ${RECEIPT_MINGW_PREFIX}/bin/wx-config
      CACHE FILEPATH "wxWidgets' wx-config for Windows")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The header asks for Windows 7 (6.1): anything newer and Windows 7 refuses to start the
# programs; 6.0 or later makes Windows draw their window frames as for today's programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -Wl,--major-os-version,6,--minor-os-version,1,--major-subsystem-version,6,--minor-subsystem-version,1")

# Each build tree has its own Wine prefix, made on first use.
get_filename_component(receipt_source_root ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${receipt_source_root}/scripts/wine-run --prefix
                                  ${CMAKE_BINARY_DIR}/wine)
