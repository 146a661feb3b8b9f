#pragma once

#include <QImage>
#include <QWidget>

namespace zelvarin::ui {

// A borderless picture exactly the size of its image. It draws the image unchanged also
// when disabled, and reads as a graphic to a screen reader.
class PictureBox final : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QImage &picture, const QString &accessibleName, QWidget *parent);

    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture; // implicitly shared: the frames share one copy of each face
};

} // namespace zelvarin::ui
