# The package's facts that the build, the installers and the scripts all need, written once.
# CMake writes them with the version into the build folder as `package-facts`
# (package-facts.in), which every script reads instead of the build's own files.

# The application's reverse-DNS ID. It names the desktop entry, the AppStream component, the
# icon in the hicolor theme and the desktop file name the program announces
# (QGuiApplication::setDesktopFileName), so that a desktop can match the running window to
# its entry and icon. The ID follows the project's home on GitHub (github.com/zelvarin).
set(ZELVARIN_APP_ID "io.github.zelvarin.Zelvarin")
set(ZELVARIN_HOMEPAGE "https://github.com/zelvarin/zelvarin")

# The sizes, in pixels, at which the icon is drawn into the hicolor theme.
set(ZELVARIN_ICON_SIZES 16 32 48 64 128 256)

# The MSI's upgrade code, the same for every version for ever: by it a newer version finds an
# older one and replaces it, an older one finds a newer one and refuses, and the NSIS setup
# finds an installation made by the MSI.
set(ZELVARIN_UPGRADE_CODE "4E6FC66C-719D-477D-92C2-B9195697B652")
