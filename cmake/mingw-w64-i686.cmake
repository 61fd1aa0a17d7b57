# The 32-bit programs, cross compiled on Linux with MinGW-w64 (i686): they run
# on 32-bit Windows 7 to 10 and on every 64-bit Windows. Same settings as the
# 64-bit toolchain beside this file; the -posix compilers for std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
# Floating point in SSE2 registers, each step rounded to double as on x86-64.
# The default x87 unit keeps intermediates at 80 bits: a quotient that is
# exactly 1.7 as a double then compares below 1.7, and a product that
# overflows the double range stays finite until it is stored. Every processor
# that runs Windows 8 or later has SSE2, and so does every Windows 7 PC made
# since 2004. (GCC realigns the stack itself where SSE needs it.)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime: the programs need no DLL beyond the system's own. Large
# address aware: on 64-bit Windows the process gets 4 GB of address space
# instead of 2, room for several full captures of a large screen.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--large-address-aware")
# ctest runs the Windows test programs under Wine (32-bit Wine inside the
# 64-bit prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-launcher)
