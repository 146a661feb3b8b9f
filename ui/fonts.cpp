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

// Elsewhere than on Windows the substitute, Liberation Sans (which the package depends on),
// is asked for directly and alone: a family that is not installed, or a second family
// named as a fallback, costs a search through every font on the system for each font used.
// Should it be missing, the style hint still finds a sans-serif face.
QFont msSansSerif(qreal pointSize, bool bold)
{
#ifdef Q_OS_WIN
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")},
                pointSize, bold);
#else
    return font({QStringLiteral("Liberation Sans")}, pointSize, bold);
#endif
}

QFont arial(qreal pointSize, bool bold)
{
#ifdef Q_OS_WIN
    return font({QStringLiteral("Arial")}, pointSize, bold);
#else
    return font({QStringLiteral("Liberation Sans")}, pointSize, bold);
#endif
}

} // namespace zelvarin::ui
