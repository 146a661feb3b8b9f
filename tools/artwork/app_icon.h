#pragma once

#include "tools/artwork/icon_file.h"

#include <QString>

#include <vector>

namespace zelvarin::artwork {

// The two images of the application icon, 32 x 32 and 16 x 16, in that order; error is set
// when one of the character maps is faulty.
std::vector<IconImage> applicationIcon(QString &error);

// An icon image from rows of characters, one character a pixel: '.' is see-through, the
// others name colours of the standard palette (see the table in app_icon.cpp). Returns an
// empty image (width 0) and sets error when a row or a character is wrong.
IconImage iconFromRows(const std::vector<const char *> &rows, QString &error);

} // namespace zelvarin::artwork
