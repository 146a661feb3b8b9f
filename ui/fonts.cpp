#include "ui/fonts.h"

#include <QStringList>

namespace zelvarin::ui {

namespace {

QFont font(const QStringList &families, qreal pointSize, bool bold)
{
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

} // namespace

// Elsewhere than on Windows the substitutes are asked for directly: a family that is not
// installed costs a search through every font on the system at start-up.
QFont msSansSerif(qreal pointSize, bool bold)
{
#ifdef Q_OS_WIN
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")},
                pointSize, bold);
#else
    return font({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pointSize,
                bold);
#endif
}

QFont arial(qreal pointSize, bool bold)
{
#ifdef Q_OS_WIN
    return font({QStringLiteral("Arial")}, pointSize, bold);
#else
    return font({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}, pointSize, bold);
#endif
}

} // namespace zelvarin::ui
