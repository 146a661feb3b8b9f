#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace zelvarin::artwork {

struct SheetEntry
{
    QString caption;
    QImage image;
    int zoom = 1; // small pictures are shown enlarged, pixel for pixel
};

// All pictures on one page for review, in rows, each with its caption below it.
QImage drawContactSheet(const std::vector<SheetEntry> &entries);

} // namespace zelvarin::artwork
