#pragma once

#include <QRadioButton>

namespace zelvarin::ui {

// A radio button whose caption wraps onto further lines within its width, as the answers
// are sentences. QRadioButton draws one line only; this paints the indicator and the
// wrapped caption itself and keeps everything else of QRadioButton: clicks anywhere in the
// control, and one accessible radio button named by the whole answer; the arrow keys run
// through the frame's answers as on Windows. It is drawn the same when disabled, so a locked answer
// keeps its marks.
class OptionButton final : public QRadioButton
{
    Q_OBJECT

public:
    OptionButton(const QString &text, QWidget *parent);

    // Unchecks even though the button is auto-exclusive (a new test clears every choice).
    void setValue(bool checked);

    // Where the wrapped caption stands within the button.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect indicatorRect() const;
    QRect captionRect() const;
};

} // namespace zelvarin::ui
