#pragma once

#include "ui/twips.h"

#include <QImage>
#include <QSize>
#include <QWidget>

#include <future>

namespace zelvarin::ui {

// The client area's size as designed, 11430 x 8145 twips.
inline constexpr QSize kClientSize{px(11430), px(8145)};

// The main window's client area: the pale-yellow back colour, the background picture at
// its natural size from the top-left corner, and the separator line under the strip.
class FormBackground : public QWidget
{
    Q_OBJECT

public:
    explicit FormBackground(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The part of the background picture the window shows, decoded on a second thread
    // while the rest of the window is built, and taken at the first paint.
    std::future<QImage> m_decoding;
    QImage m_picture;
};

} // namespace zelvarin::ui
