# Cross build for 64-bit ARM Linux (Debian or Raspberry Pi OS on a Raspberry Pi 4 or 5) with
# Debian's cross toolchain (crossbuild-essential-arm64) against Debian's arm64 Qt, installed
# beside the machine's own (dpkg --add-architecture arm64; qt6-base-dev:arm64). moc, rcc and
# uic are the machine's own: Debian's arm64 Qt names them by a path the two architectures
# share, and qt6-base-dev-tools is Multi-Arch: foreign.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
# The multiarch folders of the arm64 packages: /usr/lib/aarch64-linux-gnu and its cmake/.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

find_program(CMAKE_CXX_COMPILER NAMES aarch64-linux-gnu-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES aarch64-linux-gnu-gcc REQUIRED)

# Programs are the machine's; libraries, headers and CMake packages only arm64's, which
# live under the same root as the machine's in their own multiarch folders.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
