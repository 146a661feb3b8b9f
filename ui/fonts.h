#pragma once

#include <QFont>

namespace zelvarin::ui {

// "MS Sans Serif" is a Windows bitmap face; where it is missing a plain sans-serif face of
// the same point size stands in.
QFont msSansSerif(qreal pointSize, bool bold);
// Arial, or its metric twin Liberation Sans.
QFont arial(qreal pointSize, bool bold);

} // namespace zelvarin::ui
