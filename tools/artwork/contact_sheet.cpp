#include "tools/artwork/contact_sheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zelvarin::artwork {

namespace {

constexpr int kPageWidth = 1400;
constexpr int kGap = 16;
constexpr int kCaptionHeight = 18;

QFont captionFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QSize shownSize(const SheetEntry &entry)
{
    return entry.image.size() * entry.zoom;
}

// The room an entry takes in its row: its picture, or its caption when that is wider.
int slotWidth(const SheetEntry &entry)
{
    return std::max(shownSize(entry).width(),
                    QFontMetrics(captionFont()).horizontalAdvance(entry.caption));
}

} // namespace

QImage drawContactSheet(const std::vector<SheetEntry> &entries)
{
    // Lay the pictures out in rows first, to know how tall the page gets.
    std::vector<QPoint> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const SheetEntry &entry : entries) {
        const QSize size = shownSize(entry);
        if (x > kGap && x + slotWidth(entry) > kPageWidth - kGap) {
            x = kGap;
            y += rowHeight + kCaptionHeight + kGap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += slotWidth(entry) + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    const int height = y + rowHeight + kCaptionHeight + kGap;

    QImage sheet(kPageWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 205));
    QPainter p(&sheet);
    p.setFont(captionFont());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SheetEntry &entry = entries[i];
        const QRect target(places[i], shownSize(entry));
        p.drawImage(target, entry.image);
        p.setPen(Qt::black);
        p.drawText(QRect(target.left(), target.bottom() + 2, slotWidth(entry), kCaptionHeight),
                   Qt::AlignLeft | Qt::AlignTop, entry.caption);
    }
    p.end();
    return sheet;
}

} // namespace zelvarin::artwork
