#include "ui/question_speech.h"

namespace zelvarin::ui {

QString verdict(const FrameView &view, const std::function<QString(OptionName)> &answerText)
{
    if (view.Picture2Visible)
        return {};
    if (view.YesVisible)
        return QStringLiteral("Верен отговор.");
    for (OptionName n : kOptionNames) {
        if (view.option(n).ForeColor == colours::kBlue)
            return QStringLiteral("Грешен отговор. Верният отговор е: %1").arg(answerText(n));
    }
    return QStringLiteral("Грешен отговор.");
}

QString answerMark(Colour foreColor)
{
    if (foreColor == colours::kBlue)
        return QStringLiteral("верен отговор");
    if (foreColor == colours::kRed)
        return QStringLiteral("грешен отговор");
    return {};
}

QString questionName(const QString &caption, const QString &questionLine, const QString &screenshot)
{
    return caption.simplified() + QStringLiteral(". ") + questionLine + QLatin1Char(' ') +
           screenshot;
}

} // namespace zelvarin::ui
