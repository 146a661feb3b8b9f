#pragma once

#include "bitmap_file.h"
#include "question.h"
#include "view_state.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;

namespace zelvarin::ui {

class OptionButton;
class PictureBox;

// The three marker faces, loaded once and shared by all 17 frames.
struct MarkerPictures
{
    Picture neutral;
    Picture right;
    Picture wrong;
};

// One question: its line, screenshot, three answers, three faces and the hidden key box.
// It records the pupil's choice and draws its part of the view state; nothing more.
class QuestionFrame final : public QGroupBox
{
    Q_OBJECT

public:
    using ChoiceHandler = std::function<void(int question, OptionName option)>;

    QuestionFrame(int index, const MarkerPictures &markers, const ChoiceHandler &onChoice,
                  QWidget *parent);
    ~QuestionFrame() override;

    // Draws what changed between the view last drawn and now.
    void draw(const FrameView &now, const FrameView &before);

    OptionButton *option(OptionName n) const { return m_options[indexOf(n)]; }
    // The focus order inside the frame, the option buttons being the only stops.
    std::array<OptionButton *, kOptionCount> tabOrder() const;
    const QLineEdit &keyBox() const { return *m_text1; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawOption(OptionName n, const OptionView &now, const OptionView &before);
    QString verdict(const FrameView &view) const;

    int m_index;
    bool m_drawing = false;
    QLabel *m_questionLabel;
    PictureBox *m_picture1;
    std::array<OptionButton *, kOptionCount> m_options{};
    PictureBox *m_picture2;
    PictureBox *m_yes;
    PictureBox *m_no;
    std::unique_ptr<QLineEdit> m_text1;
};

} // namespace zelvarin::ui
