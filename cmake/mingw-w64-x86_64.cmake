# Cross-compiles for 64-bit Windows with mingw-w64 on Linux (Debian's
# g++-mingw-w64-x86-64-posix), and runs what it builds under wine, so the
# test suite exercises the Windows binaries:
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
# A resource compiler given on the command line (-DCMAKE_RC_COMPILER=
# llvm-windres-14, for example) is kept.
if(NOT CMAKE_RC_COMPILER)
  set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries go into every executable, so wine needs no DLL path,
# and into every DLL, plug-ins (MODULE libraries) too, so a host loads them
# without the compiler's runtime DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# wine runs with a prefix of its own in the build folder (so the tests never
# touch the user's ~/.wine), quietly, and without offering to install Mono or
# Gecko when it first creates the prefix. Starting the first program creates
# it (a few seconds); `.ci/run` does that once with wineboot before the build.
# The locale is fixed so that wine's ANSI code page is 1252 whatever the
# user's locale: the tests' command lines hold bytes from 128 up, which a
# Windows program passes on through that code page.
find_program(VORL_WINE NAMES wine64 wine)
if(VORL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml= LC_ALL=C.UTF-8 ${VORL_WINE})
endif()
