#pragma once

#include <QImage>
#include <QString>

namespace zelvarin::ui {

// A picture as it is drawn: its rows, and whether they are stored from the bottom up.
struct Picture
{
    QImage rows;
    bool bottomUp = false;

    QSize size() const { return rows.size(); }
    // The picture the right way up, as a new image (for tests and checks).
    QImage upright() const { return bottomUp ? rows.mirrored(false, true) : rows; }
};

// Loads a picture compiled into the program. An uncompressed 24-bit bitmap, the form of the
// screenshots, is not decoded at all: the picture points at the bitmap's own rows in the
// program's data, bottom-up as bitmaps store them, and is drawn flipped. Qt's bitmap reader
// converts pixel by pixel, and even a copy would touch all 3.5 MB of screenshots at start-up;
// this way only the picture on view is ever read. Anything else goes to Qt's readers.
Picture loadPicture(const QString &resourcePath);

// The in-place path alone: a bottom-up picture over a 24-bit BMP that stays in memory for
// as long as the picture lives, or a null picture when the bytes are not exactly that form.
Picture viewBgrBitmap(const uchar *data, qsizetype size);

} // namespace zelvarin::ui
