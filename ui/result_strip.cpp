#include "ui/result_strip.h"

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>

namespace zelvarin::ui {

namespace {

QLabel *stripLabel(const QString &text, const QString &name, QPoint twipsAt, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(msSansSerif(9.75, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, toQColor(colours::kDarkNavy));
    pal.setColor(QPalette::WindowText, toQColor(colours::kWhite));
    keepLookWhenDisabled(pal);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    label->move(px(twipsAt.x()), px(twipsAt.y()));
    label->adjustSize(); // each caption is sized to fit its text
    return label;
}

QString slotName(int step, const std::string &text)
{
    // A screen reader hears the result, since the colour says nothing to it.
    const QString number = QStringLiteral("Отговор %1").arg(step + 1);
    return text.empty() ? number : number + QStringLiteral(": ") + QString::fromStdString(text);
}

} // namespace

ResultStrip::ResultStrip(QWidget *parent)
{
    constexpr std::array<int, kStepCount> numberLeft{2325, 3750, 5100, 6375, 7725, 9075, 10425};

    stripLabel(QStringLiteral("Въпрос:"), QStringLiteral("Label3"), {300, 75}, parent);
    for (int k = 0; k < kStepCount; ++k) {
        QLabel *number = stripLabel(QString::number(k + 1), QStringLiteral("Label1(%1)").arg(k),
                                    {numberLeft[static_cast<std::size_t>(k)], 75}, parent);
        number->setAccessibleName(QStringLiteral("Въпрос %1").arg(k + 1));
    }
    stripLabel(QStringLiteral("Отговор:"), QStringLiteral("Label2"), {300, 375}, parent);

    const QFont boxFont = msSansSerif(9.75, false);
    for (int k = 0; k < kStepCount; ++k) {
        auto *box = new QLineEdit(parent);
        box->setObjectName(QStringLiteral("Box(%1)").arg(k));
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignCenter);
        box->setReadOnly(true); // only the quiz writes the slots
        box->setGeometry(twipsRect(1725 + 1350 * k, 375, 1300, 315));
        box->setAccessibleName(slotName(k, {}));
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, toQColor(colours::kWhite));
        keepLookWhenDisabled(pal);
        box->setPalette(pal);
        m_resultSlots[static_cast<std::size_t>(k)] = box;
    }
}

QList<QWidget *> ResultStrip::tabOrder() const
{
    return {m_resultSlots.begin(), m_resultSlots.end()};
}

void ResultStrip::draw(const std::array<SlotView, kStepCount> &now,
                       const std::array<SlotView, kStepCount> &before)
{
    for (std::size_t k = 0; k < now.size(); ++k) {
        QLineEdit *box = m_resultSlots[k];
        if (now[k].BackColor != before[k].BackColor) {
            QPalette pal = box->palette();
            pal.setColor(QPalette::Base, toQColor(now[k].BackColor));
            keepLookWhenDisabled(pal);
            box->setPalette(pal);
        }
        if (now[k].Text != before[k].Text) {
            box->setText(QString::fromStdString(now[k].Text));
            box->setAccessibleName(slotName(static_cast<int>(k), now[k].Text));
        }
    }
}

} // namespace zelvarin::ui
