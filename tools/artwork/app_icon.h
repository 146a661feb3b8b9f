#pragma once

#include "tools/artwork/icon_file.h"

#include <QString>

#include <vector>

namespace zelvarin::artwork {

// The two images of the application icon, 32 x 32 and 16 x 16, in that order; error is set
// when one of the character maps is faulty.
std::vector<IconImage> applicationIcon(QString &error);

// The icon of zelvarin.exe, its setup, its shortcut and its entry in the list of installed
// programs: every size of the Linux hicolor icons, in their order, each a whole-factor
// enlargement of one of the two images above, so that Windows finds a sharp image for Start,
// the taskbar and Settings at 125 % and more instead of blurring the 32 x 32 one.
std::vector<IconImage> programIcon(QString &error);

// Each pixel of image as a factor x factor block.
IconImage enlarged(const IconImage &image, int factor);

// An icon image from rows of characters, one character a pixel: '.' is see-through, the
// others name colours of the standard palette (see the table in app_icon.cpp). Returns an
// empty image (width 0) and sets error when a row or a character is wrong.
IconImage iconFromRows(const std::vector<const char *> &rows, QString &error);

} // namespace zelvarin::artwork
