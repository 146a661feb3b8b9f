# shellcheck shell=bash
# Sourced by packaging/check-package (the package as a file) and packaging/check-installed (the
# package installed): the package's facts and where its files go. Needs common.sh.

step() { echo "== $*"; }

# read_installed_layout FACTS: reads the package's facts and names where the desktop entry
# (DESKTOP) and the AppStream metadata (METAINFO) are installed.
read_installed_layout() {
    read_package_facts "$1"
    DESKTOP=/usr/share/applications/$ZELVARIN_APP_ID.desktop
    METAINFO=/usr/share/metainfo/$ZELVARIN_APP_ID.metainfo.xml
}

# icon SIZE: the installed hicolor icon of that size.
icon() { echo "/usr/share/icons/hicolor/$1x$1/apps/$ZELVARIN_APP_ID.png"; }

# package_files: every file the package installs, one a line.
package_files() {
    echo /usr/bin/zelvarin
    echo "$DESKTOP"
    echo /usr/share/doc/zelvarin/copyright
    echo /usr/share/doc/zelvarin/changelog.gz
    echo /usr/share/man/man1/zelvarin.1.gz
    echo /usr/share/lintian/overrides/zelvarin
    echo "$METAINFO"
    local size
    for size in $ZELVARIN_ICON_SIZES; do icon "$size"; done
}
