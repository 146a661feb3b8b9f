#include "fonts.h"

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

QFont msSansSerif(qreal pointSize, bool bold)
{
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                pointSize, bold);
}

QFont arial(qreal pointSize, bool bold)
{
    return font({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, pointSize, bold);
}

} // namespace zelvarin::ui
