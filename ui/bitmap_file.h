#pragma once

#include <QImage>
#include <QString>

namespace zelvarin::ui {

// Loads a picture compiled into the program. An uncompressed 24-bit bitmap, the form of the
// screenshots, is read in place from the resource's bytes, which takes a fraction of the
// time of Qt's general bitmap reader (it converts pixel by pixel); anything else goes to
// Qt's readers.
QImage loadPicture(const QString &resourcePath);

// The fast path alone: an image over a 24-bit bottom-up BMP held in memory, or a null image
// when the bytes are not exactly that form. Exposed for tests.
QImage decodeBgrBitmap(const uchar *data, qsizetype size);

} // namespace zelvarin::ui
