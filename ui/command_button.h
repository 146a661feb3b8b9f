#pragma once

#include <QPushButton>

namespace zelvarin::ui {

// A push button that greys only when it is disabled itself. While the whole window is
// disabled (the About window is open) it keeps its look, as the window's other controls do.
class CommandButton final : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zelvarin::ui
