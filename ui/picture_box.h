#pragma once

#include <QLabel>

namespace zelvarin::ui {

// A borderless picture exactly the size of its image. It draws the image unchanged also
// when disabled (a QLabel would grey it), and reads as a graphic to a screen reader.
class PictureBox final : public QLabel
{
    Q_OBJECT

public:
    PictureBox(const QPixmap &picture, const QString &accessibleName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zelvarin::ui
