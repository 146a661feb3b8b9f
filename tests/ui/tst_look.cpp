// The windows under dark desktop colour schemes look as they do under the default one. Each
// scheme is the real one, reaching the program through its platform theme, so the windows
// are rendered by this program run again under it (--render), and compared with a run under
// the default scheme.
#include "app/program_start.h"
#include "tests/support/quiz_play.h"
#include "tests/support/window_harness.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

using namespace zelvarin;
using namespace zelvarin::testing;
using namespace zelvarin::ui;
using namespace zelvarin::ui::testing;

namespace {

const QStringList kScenes{QStringLiteral("idle"), QStringLiteral("marked"),
                          QStringLiteral("about")};

// The main window below its menu bar (the menu's font is the desktop's to choose), idle and
// with a wrong answer marked, and the About window.
int renderScenes(const QString &folder)
{
    prepareApplication();
    TestDoubles doubles;
    MainWindow form(doubles.services());
    form.show();
    const auto save = [&folder](QWidget *w, const QString &scene) {
        return w->grab().save(QDir(folder).filePath(scene + QStringLiteral(".png")));
    };
    bool saved = save(child<QWidget>(form, QStringLiteral("Form1Client")), kScenes[0]);
    doubles.random.ask(kAsked);
    click(button(form, "Command4"));
    click(option(form, kAsked[0], wrongOf(kAsked[0])));
    click(button(form, "Command1"));
    saved = save(child<QWidget>(form, QStringLiteral("Form1Client")), kScenes[1]) && saved;
    form.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    saved = form.lock().aboutWindow() != nullptr && save(form.lock().aboutWindow(), kScenes[2]) &&
            saved;
    return saved ? 0 : 1;
}

} // namespace

class LookTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;

    // Renders the scenes in a run of this program with the given environment.
    QString render(const QString &name, const QStringList &environment)
    {
        const QString folder = m_scratch.filePath(name);
        QDir().mkpath(folder);
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
        env.remove(QStringLiteral("GTK_THEME"));
        for (const QString &setting : environment)
            env.insert(setting.section(QLatin1Char('='), 0, 0),
                       setting.section(QLatin1Char('='), 1));
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--render"), folder});
        if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit ||
            run.exitCode() != 0)
            return {};
        return folder;
    }

private slots:
    void darkSchemesLookAsTheDefaultOne_data()
    {
        // qt6ct reads its scheme from its settings file, which the test writes; it also names
        // a style other than the one the windows were drawn with.
        const QString config = m_scratch.filePath(QStringLiteral("config"));
        QDir().mkpath(config + QStringLiteral("/qt6ct"));
        QFile settings(config + QStringLiteral("/qt6ct/qt6ct.conf"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Appearance]\n"
                       "color_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"
                       "custom_palette=true\n"
                       "style=Windows\n");
        settings.close();

        QTest::addColumn<QStringList>("environment");
        QTest::newRow("qt6ct darker") << QStringList{QStringLiteral("QT_QPA_PLATFORMTHEME=qt6ct"),
                                                     QStringLiteral("XDG_CONFIG_HOME=") + config};
        QTest::newRow("gtk3 Adwaita:dark") << QStringList{
            QStringLiteral("QT_QPA_PLATFORMTHEME=gtk3"), QStringLiteral("GTK_THEME=Adwaita:dark")};
    }
    void darkSchemesLookAsTheDefaultOne()
    {
        QFETCH(QStringList, environment);
        const QString reference = render(QStringLiteral("default"), {});
        QVERIFY2(!reference.isEmpty(), "the scenes under the default scheme");
        const QString dark = render(QString::fromUtf8(QTest::currentDataTag()), environment);
        QVERIFY2(!dark.isEmpty(), "the scenes under the dark scheme");
        for (const QString &scene : kScenes) {
            const QString file = scene + QStringLiteral(".png");
            const QImage expected(QDir(reference).filePath(file));
            const QImage actual(QDir(dark).filePath(file));
            QVERIFY2(!expected.isNull(), qPrintable(scene));
            QVERIFY2(actual == expected, qPrintable(scene));
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--render") == 0)
        return renderScenes(QString::fromLocal8Bit(argv[2]));
    LookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_look.moc"
