// window_layout FILE: writes, as JSON, where the program puts what the Windows GUI check clicks and
// reads (tests/windows/gui_scenario.py): the main window's client area, its buttons, result slots,
// labels and question frame, each question's screenshot, answers and key, and About's size
// and controls. Places are in pixels, [left, top, width, height], relative to the client area
// (About's to About). Read from the real windows, made as the program makes them.
#include "app/program_start.h"
#include "quiz/question_bank.h"
#include "ui/frame_layout.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace zelvarin;

QJsonArray place(const QRect &r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

QWidget &named(const QWidget &root, const QString &name)
{
    auto *found = root.findChild<QWidget *>(name);
    if (found == nullptr) {
        std::fprintf(stderr, "window_layout: no control %s\n", qPrintable(name));
        std::exit(1);
    }
    return *found;
}

// The controls' places relative to `to`.
QJsonObject places(const QWidget &root, const QStringList &names, const QWidget &to)
{
    QJsonObject out;
    for (const QString &name : names) {
        const QWidget &w = named(root, name);
        out[name] = place(QRect(w.mapTo(&to, QPoint()), w.size()));
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: window_layout FILE\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    prepareApplication();
    Program program;
    const QWidget &window = program.window();
    // The client area is what holds the buttons.
    const QWidget &client = *named(window, QStringLiteral("Command1")).parentWidget();

    QStringList controls{QStringLiteral("Command1"), QStringLiteral("Command2"),
                         QStringLiteral("Command3"), QStringLiteral("Command4"),
                         QStringLiteral("Label2"),   QStringLiteral("Label3")};
    for (int k = 0; k < kStepCount; ++k)
        controls << QStringLiteral("Box(%1)").arg(k);

    // A question frame is made when a test first shows it.
    qobject_cast<QAbstractButton *>(&named(window, QStringLiteral("Command4")))->click();
    const QWidget *frame =
        window.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^Frame\\("))).value(0);
    if (frame == nullptr) {
        std::fputs("window_layout: New test showed no question frame\n", stderr);
        return 1;
    }

    QJsonArray questions;
    for (int q = 0; q < kQuestionCount; ++q) {
        const ui::FrameLayout &layout = ui::frameLayouts()[static_cast<std::size_t>(q)];
        QJsonArray options;
        for (const QRect &option : layout.options)
            options.append(place(option));
        questions.append(
            QJsonObject{{QStringLiteral("screenshot"),
                         QJsonArray{layout.screenshot.x(), layout.screenshot.y()}},
                        {QStringLiteral("options"), options},
                        {QStringLiteral("key"),
                         QString::fromUtf8(QuestionBank[static_cast<std::size_t>(q)].key)}});
    }

    if (auto *item = window.findChild<QAction *>(QStringLiteral("mnuAbout")))
        item->trigger();
    const QWidget *about = nullptr;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmAbout"))
            about = w;
    }
    if (about == nullptr) {
        std::fputs("window_layout: the About item opened no About window\n", stderr);
        return 1;
    }
    const QStringList aboutControls{
        QStringLiteral("lblTitle"),       QStringLiteral("lblVersion"),
        QStringLiteral("lblDescription"), QStringLiteral("lblDisclaimer"),
        QStringLiteral("cmdOK"),          QStringLiteral("cmdSysInfo")};

    const QJsonObject layout{
        {QStringLiteral("client"), QJsonArray{client.width(), client.height()}},
        {QStringLiteral("frame"), place(QRect(frame->mapTo(&client, QPoint()), frame->size()))},
        {QStringLiteral("controls"), places(window, controls, client)},
        {QStringLiteral("questions"), questions},
        {QStringLiteral("about"),
         QJsonObject{{QStringLiteral("size"), QJsonArray{about->width(), about->height()}},
                     {QStringLiteral("controls"), places(*about, aboutControls, *about)}}}};
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(layout).toJson()) < 0) {
        std::fprintf(stderr, "window_layout: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
