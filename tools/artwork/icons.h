#pragma once

#include <QRect>

class QPainter;

namespace zelvarin::artwork {

// The Windows XP pictures the dialogs show. Each is drawn on a 32 x 32 grid and scaled to
// the box it is given, so the folder tree uses the same drawings at 16 x 16.
enum class Icon {
    None,
    Warning,
    Error,
    Question,
    RecycleBin,
    Folder,
    Document,
    WordDocument,
    UnknownFile,
    FloppyDrive,
    HardDisk,
    CdDrive,
    Desktop,
    MyComputer,
    MyDocuments,
    Network,
    Search,
    WindowsFlag,
};

void drawIcon(QPainter &painter, Icon icon, const QRectF &box);

} // namespace zelvarin::artwork
