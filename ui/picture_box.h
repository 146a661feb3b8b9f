#pragma once

#include "ui/bitmap_file.h"

#include <QWidget>

namespace zelvarin::ui {

// A borderless picture exactly the size of its image. It draws the image unchanged also
// when disabled, and reads as a graphic to a screen reader. The picture is drawn as it was
// loaded: converting 17 screenshots to the screen's format up front would cost more at
// start-up than drawing the one on view.
class PictureBox final : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const Picture &picture, const QString &accessibleName, QWidget *parent);

    // Implicitly shared: the frames share one copy of each face.
    const Picture &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
};

} // namespace zelvarin::ui
