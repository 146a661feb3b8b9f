#pragma once

#include <QSize>
#include <QString>

class QPainter;

namespace zelvarin::artwork {

// The blue Turn off computer window, which has no ordinary title bar: a dark band with the
// title and the Windows logo, a lighter band with the three large round buttons, and a dark
// band with the one push button.
void drawTurnOffWindow(QPainter &painter, const QSize &size, const QString &title,
                       const QString &button);

} // namespace zelvarin::artwork
