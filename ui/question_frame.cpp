#include "ui/question_frame.h"

#include "quiz/question_bank.h"
#include "ui/answer_fit.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/frame_layout.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"
#include "ui/question_speech.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>

namespace zelvarin::ui {

namespace {

constexpr int kCaptionLeft = 8;

QString optionObjectName(OptionName n, int index)
{
    return QStringLiteral("%1(%2)").arg(toQString(nameOf(n))).arg(index);
}

} // namespace

QuestionFrame::QuestionFrame(int index, const MarkerPictures &markers,
                             const ChoiceHandler &onChoice, QWidget *parent)
    : QGroupBox(parent)
    , m_index(index)
{
    const Question &question = QuestionBank[static_cast<std::size_t>(index)];
    const FrameLayout &layout = frameLayouts()[static_cast<std::size_t>(index)];

    setObjectName(QStringLiteral("Frame(%1)").arg(index));
    setTitle(QStringLiteral("Frame1"));
    setFont(msSansSerif(13.5, false));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, toQColor(colours::kNavy));
    keepLookWhenDisabled(pal);
    setPalette(pal);
    setAutoFillBackground(true);

    m_questionLabel = new QLabel(toQString(question.questionLine), this);
    m_questionLabel->setObjectName(toQString(question.labelName));
    m_questionLabel->setFont(arial(12, true));
    m_questionLabel->setWordWrap(true);
    m_questionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_questionLabel->setGeometry(layout.label);

    m_screenshot =
        new PictureBox(QImage(QStringLiteral(":/assets/") + toQString(question.screenshot)),
                       QStringLiteral("Екранна снимка към въпроса"), this);
    m_screenshot->setObjectName(QStringLiteral("Picture1(%1)").arg(index));
    m_screenshot->setAccessibleDescription(toQString(question.screenshotDescription));
    m_screenshot->setGeometry(
        QRect(layout.screenshot, QSize(question.screenshotWidth, question.screenshotHeight)));

    // The answers stand on a ground of their own, untitled, that covers the frame: a screen
    // reader names a radio button's group by the titled group box it sits on directly, and
    // would say the whole question again at every arrow key. The frame's own name says it
    // once, as the focus enters the question.
    m_answers = new QWidget(this);

    const QFont optionFont = arial(9.75, false);
    // Buttons take the application's button palette, not the frame's, so the white ground
    // and the caption colour as designed are set on each.
    QPalette optionPalette = pal;
    optionPalette.setColor(QPalette::WindowText, toQColor(colours::kSystemButtonText));
    keepLookWhenDisabled(optionPalette);
    for (OptionName n : kOptionNames) {
        auto *button = new OptionButton(toQString(question.option(n)), m_answers);
        button->setObjectName(optionObjectName(n, index));
        button->setFont(optionFont);
        button->setPalette(optionPalette);
        button->setGeometry(layout.options[indexOf(n)]);
        button->installEventFilter(this);
        // Every way of choosing checks the button: a click, Space, an arrow key, and a screen
        // reader's toggle action (which emits no click). Checks made while drawing the view
        // are the view's own and go nowhere.
        connect(button, &QAbstractButton::toggled, this, [this, onChoice, index, n](bool on) {
            if (on && !m_drawing)
                onChoice(index, n);
        });
        m_options[indexOf(n)] = button;
    }

    // Stacked as designed: the wrong face lowest, the neutral one on top.
    m_wrongFace = new PictureBox(markers.wrong, QStringLiteral("Грешен отговор"), this);
    m_wrongFace->setObjectName(QStringLiteral("No(%1)").arg(index));
    m_wrongFace->setGeometry(QRect(layout.wrongFace, kMarkerSize));
    m_rightFace = new PictureBox(markers.right, QStringLiteral("Верен отговор"), this);
    m_rightFace->setObjectName(QStringLiteral("Yes(%1)").arg(index));
    m_rightFace->setGeometry(QRect(layout.faces, kMarkerSize));
    m_neutralFace = new PictureBox(markers.neutral, QStringLiteral("Очаква се отговор"), this);
    m_neutralFace->setObjectName(QStringLiteral("Picture2(%1)").arg(index));
    m_neutralFace->setGeometry(QRect(layout.faces, kMarkerSize));

    // Holds the key. It is never shown, so it gets no window of its own, and it is kept out
    // of the frame's children so that a screen reader never lists it.
    m_keyBox = std::make_unique<QLineEdit>(toQString(question.key));
    m_keyBox->setObjectName(QStringLiteral("Text1(%1)").arg(index));
    m_keyBox->resize(kKeyBoxSize);
    m_keyBox->setFocusPolicy(Qt::NoFocus);

    hide();
}

QuestionFrame::~QuestionFrame() = default;

void QuestionFrame::paintEvent(QPaintEvent * /*event*/)
{
    // A classic frame: an etched line round a white ground with the caption set into its
    // top edge. The style's own group box tints the inside, and the ground must stay white.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = borderRect();
    painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Active, QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const QString caption = title();
    const QRect captionRect(kCaptionLeft, 0, metrics.horizontalAdvance(caption), metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Active, QPalette::Window));
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
}

QRect QuestionFrame::borderRect() const
{
    // The etched border, a dark line and a light one just inside it, runs round the frame
    // from the middle of the caption's height down.
    return rect().adjusted(0, QFontMetrics(font()).height() / 2, -1, -1);
}

void QuestionFrame::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    m_answers->setGeometry(rect()); // the answers keep their places in frame coordinates
    fitAnswers();
}

bool QuestionFrame::eventFilter(QObject *watched, QEvent *event)
{
    // An answer's font decides how its text wraps.
    if (event->type() == QEvent::FontChange)
        fitAnswers();
    return QGroupBox::eventFilter(watched, event);
}

void QuestionFrame::fitAnswers()
{
    const QRect inside = borderRect().adjusted(2, 2, -1, -1); // within both lines
    const FrameLayout &layout = frameLayouts()[static_cast<std::size_t>(m_index)];
    for (OptionName n : kOptionNames)
        fitAnswer(*m_options[indexOf(n)], layout.options[indexOf(n)], inside);
}

std::array<OptionButton *, kOptionCount> QuestionFrame::tabOrder() const
{
    // The first frame was laid out top to bottom; the others run from cc up to aa.
    if (m_index == 0)
        return m_options;
    return {m_options[2], m_options[1], m_options[0]};
}

void QuestionFrame::draw(const FrameView &now, const FrameView &before)
{
    const QScopedValueRollback drawing(m_drawing, true);
    if (now.Caption != before.Caption) {
        setTitle(QString::fromStdString(now.Caption));
        setAccessibleName(
            questionName(title(), m_questionLabel->text(), m_screenshot->accessibleDescription()));
    }
    if (now.Enabled != before.Enabled)
        setEnabled(now.Enabled);
    for (OptionName n : kOptionNames)
        drawOption(n, now.option(n), before.option(n));
    if (now.Picture2Visible != before.Picture2Visible)
        m_neutralFace->setVisible(now.Picture2Visible);
    if (now.YesVisible != before.YesVisible)
        m_rightFace->setVisible(now.YesVisible);
    if (now.NoVisible != before.NoVisible)
        m_wrongFace->setVisible(now.NoVisible);
    if (now.Picture2Visible != before.Picture2Visible || now.YesVisible != before.YesVisible ||
        now.NoVisible != before.NoVisible)
        setAccessibleDescription(verdict(now, [this](OptionName n) { return option(n)->text(); }));
    if (now.Visible != before.Visible)
        setVisible(now.Visible);
}

void QuestionFrame::drawOption(OptionName n, const OptionView &now, const OptionView &before)
{
    OptionButton *button = m_options[indexOf(n)];
    // A click checks the button before the view state knows; compare with the button itself.
    if (button->isChecked() != now.Value)
        button->setValue(now.Value);
    if (now.ForeColor != before.ForeColor) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::WindowText, toQColor(now.ForeColor));
        keepLookWhenDisabled(pal);
        button->setPalette(pal);
        button->setAccessibleDescription(answerMark(now.ForeColor));
    }
    if (now.Strikethrough != before.Strikethrough) {
        QFont f = button->font();
        f.setStrikeOut(now.Strikethrough);
        button->setFont(f);
    }
}

} // namespace zelvarin::ui
