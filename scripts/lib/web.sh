# shellcheck shell=bash
# Sourced by the scripts of the web build, which builds in a Debian 13 chroot: Debian 12's
# emscripten is older than any Qt 6 for WebAssembly accepts.

# web_chroot: makes (or finds) the chroot with emscripten, the build tools and the host tools
# of Debian 13's Qt (scripts/debian-chroot); prints its folder as the last line.
web_chroot() {
    "$(dirname "${BASH_SOURCE[0]}")/../debian-chroot" trixie amd64 \
        emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev
}

# web_emsdk ROOT: Qt finds emscripten through an emsdk's layout: $EMSDK/.emscripten naming
# emscripten's folder within it, with emcc and the CMake toolchain there. Debian's package
# keeps them apart, so links join them, in ROOT/emsdk of the chroot; run with EMSDK=/emsdk.
web_emsdk() {
    mkdir -p "$1/emsdk/upstream/emscripten" &&
        ln -sfn /usr/bin/emcc "$1/emsdk/upstream/emscripten/emcc" &&
        ln -sfn /usr/share/emscripten/cmake "$1/emsdk/upstream/emscripten/cmake" &&
        echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$1/emsdk/.emscripten"
}
