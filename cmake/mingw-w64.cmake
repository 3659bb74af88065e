# Cross toolchain: MinGW-w64 for 64-bit Windows. The posix thread model is required:
# GCC 12's win32 model has no std::thread or std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KX90_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KX90_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KX90_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KX90_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KX90_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every Windows program the build makes (tests included) runs under Wine through this script.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine.sh)
