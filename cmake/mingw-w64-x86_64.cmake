# Cross build for 64-bit Windows with Debian's mingw-w64. The posix flavour of the compiler
# brings the full C++20 library. Everything is linked statically, so the programs run under
# Wine (or on Windows) without the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZELVARIN_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${ZELVARIN_MINGW_PREFIX}-g++-posix ${ZELVARIN_MINGW_PREFIX}-g++
             REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${ZELVARIN_MINGW_PREFIX}-gcc-posix ${ZELVARIN_MINGW_PREFIX}-gcc
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ZELVARIN_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${ZELVARIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
