#pragma once

#include <QImage>
#include <QWidget>

namespace zelvarin::ui {

// The main window's client area: the pale-yellow back colour, the background picture at
// its natural size from the top-left corner, and the separator line under the strip.
class FormBackground final : public QWidget
{
    Q_OBJECT

public:
    explicit FormBackground(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture; // the part of the background picture the window shows
};

} // namespace zelvarin::ui
