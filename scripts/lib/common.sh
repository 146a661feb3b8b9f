# shellcheck shell=bash
# Sourced by the build and check scripts for what every one of them needs in the same way.

# fail MESSAGE [LOG]: says on stderr, under the script's name, what failed (and where to read
# more), and ends the script.
fail() {
    echo "${0##*/}: FAILED: $1${2:+ (see $2)}" >&2
    exit 1
}

# read_package_facts FILE: the facts of the package that the build wrote into its folder
# (packaging/package-facts.in): ZELVARIN_VERSION, ZELVARIN_APP_ID, ZELVARIN_ICON_SIZES, ...
read_package_facts() {
    [ -f "$1" ] || fail "$1 is missing (not a configured build folder?)"
    # shellcheck source=/dev/null
    . "$1"
}

# export_source_date_epoch [CHECKOUT]: every time stamp a build writes is the last commit's;
# a value given from outside wins, as everywhere SOURCE_DATE_EPOCH is honoured.
export_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git -C "${1:-.}" log -1 --format=%ct) ||
            fail "reading the last commit's time (not a git checkout? set SOURCE_DATE_EPOCH)"
    fi
    export SOURCE_DATE_EPOCH
}

# forget_older_resources BUILD: rcc writes SOURCE_DATE_EPOCH into the compiled-in pictures and
# the MinGW linker into the header of every program and DLL, but the build does not know it as
# an input, so a build folder made at an older commit would keep that commit's time in them
# (reprotest found msi-actions.dll, whose sources had not changed, and so the MSI, dated with
# an older commit). Where the folder was built for another SOURCE_DATE_EPOCH, rcc's output and
# the linked Windows files go and are made anew.
forget_older_resources() {
    local stamp=$1/.source-date-epoch
    [ "$(cat "$stamp" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ] || return 0
    # Qt 6.4 writes rcc's output under .rcc/, Qt 6.8 (the web build's) under .qt/rcc/, beside
    # the qrc_*_init.cpp that configuring writes, which has no rule to be made again.
    find "$1" \( -path '*/.rcc/qrc_*.cpp' -o -path '*/.qt/rcc/qrc_*.cpp' \) ! -name '*_init.cpp' \
        -delete
    find "$1" \( -name '*.exe' -o -name '*.dll' \) -not -path '*/CMakeFiles/*' -delete
    echo "$SOURCE_DATE_EPOCH" >"$stamp"
}

# prefix_maps CHECKOUT BUILD: the compiler flags that write the checkout's and the build's
# folders as fixed names into what it makes. The build folder is mapped after the checkout, as
# the last matching map wins and the build folder may lie inside the checkout.
prefix_maps() {
    echo "-ffile-prefix-map=$1=. -ffile-prefix-map=$2=build"
}
