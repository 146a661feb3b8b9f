#pragma once

#include "tools/artwork/icons.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

// The Windows XP ("Luna", blue) look of the screenshots. Every colour, font and measure of
// the window chrome lives here, so a change of the look is a change in this file only.
namespace zelvarin::artwork::xp {

inline const QColor kDialogFace{236, 233, 216};
inline const QColor kText{0, 0, 0};

// Tahoma 8 pt, the XP dialog font, is 11 px high; Liberation Sans has nearly its width.
QFont dialogFont();
QFont boldDialogFont();
int lineHeight();

// The frame, the title bar with its close button, and the beige body. Returns the client
// area, where the dialog's contents go.
QRect drawWindow(QPainter &painter, const QSize &size, const QString &title);

// Word-wrapped text in the dialog font; returns the height it took.
int drawText(QPainter &painter, const QRect &box, const QString &text, bool bold = false);
// The height the text would take when wrapped to the given width.
int textHeight(const QString &text, int width, bool bold = false);

inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 23;
inline constexpr int kButtonGap = 6;
inline constexpr int kMargin = 11;

// A rounded push button; the default one has the blue inner ring.
void drawButton(QPainter &painter, const QRect &box, const QString &text, bool isDefault);
// An option button with its caption to the right.
void drawRadio(QPainter &painter, const QPoint &topLeft, const QString &text, bool checked);
// A progress bar of green blocks, filled to the given share (0..1).
void drawProgress(QPainter &painter, const QRect &box, double done);
// The white, thinly framed well of a list or a tree.
void drawWell(QPainter &painter, const QRect &box);

enum class Expander { None, Plus, Minus };

struct TreeRow
{
    int depth = 0;
    Icon icon = Icon::Folder;
    QString text;
    Expander expander = Expander::None;
    bool selected = false;
};

inline constexpr int kTreeRowHeight = 17;

// A folder tree with dotted lines and plus/minus boxes, inside a well.
void drawTree(QPainter &painter, const QRect &box, const std::vector<TreeRow> &rows);

} // namespace zelvarin::artwork::xp
