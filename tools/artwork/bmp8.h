#pragma once

#include <QImage>
#include <QString>

namespace zelvarin::artwork {

// The image reduced to at most 256 colours: the most frequent colours become the palette
// (ties broken by colour value, so the result never depends on chance) and every other
// colour takes its nearest palette entry.
QImage toPalette8(const QImage &image);

// Writes the image as an 8-bit BMP with a 256-colour palette. Returns an error text, empty
// on success.
QString saveBmp8(const QImage &image, const QString &path);

} // namespace zelvarin::artwork
