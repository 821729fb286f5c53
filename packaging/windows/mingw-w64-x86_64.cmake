# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads variant, which
# gives std::thread and the C++ runtime Qt 6 needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OSC_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OSC_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSC_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${OSC_MINGW}-windres)

# Libraries and headers come from the MinGW tree and the cross-built Qt (CMAKE_PREFIX_PATH),
# never from the build machine's Linux folders; programs come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${OSC_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
