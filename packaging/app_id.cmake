# The application's reverse-DNS ID, written once. It names the desktop entry, the AppStream
# component, the icon in the hicolor theme and the desktop file name the program announces
# (QGuiApplication::setDesktopFileName), so that a desktop can match the running window to
# its entry and icon. The ID follows the project's home on GitHub (github.com/zelvarin).
set(ZELVARIN_APP_ID "io.github.zelvarin.Zelvarin")
set(ZELVARIN_HOMEPAGE "https://github.com/zelvarin/zelvarin")
