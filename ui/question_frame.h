#pragma once

#include "quiz/question.h"
#include "quiz/view_state.h"

#include <QGroupBox>
#include <QImage>

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
    QImage neutral;
    QImage right;
    QImage wrong;
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

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect borderRect() const;
    void fitAnswers();
    void drawOption(OptionName n, const OptionView &now, const OptionView &before);

    int m_index;
    bool m_drawing = false;
    QLabel *m_questionLabel;
    QWidget *m_answers; // the option buttons' parent
    PictureBox *m_screenshot;
    std::array<OptionButton *, kOptionCount> m_options{};
    PictureBox *m_neutralFace;
    PictureBox *m_rightFace;
    PictureBox *m_wrongFace;
    std::unique_ptr<QLineEdit> m_keyBox;
};

} // namespace zelvarin::ui
