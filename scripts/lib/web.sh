# shellcheck shell=bash
# Sourced by the scripts of the web build, which builds in a Debian 13 chroot: Debian 12's
# emscripten is older than any Qt 6 for WebAssembly accepts.

# web_chroot: makes (or finds) the chroot with emscripten, the build tools and the host tools
# of Debian 13's Qt (scripts/debian-chroot); prints its folder as the last line.
web_chroot() {
    "$(dirname "${BASH_SOURCE[0]}")/../debian-chroot" trixie amd64 \
        emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev
}
