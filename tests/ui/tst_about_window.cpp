// The About window: opened from the menu, every way of closing it, and System Info; the
// lock it and the message boxes put on the main window's commands, whatever the input path.
#include "tests/support/launch_scenarios.h"
#include "tests/support/window_test_base.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

using namespace zelvarin;
using namespace zelvarin::ui;
using namespace zelvarin::testing;
using namespace zelvarin::ui::testing;

class AboutWindowTest : public WindowTestBase
{
    Q_OBJECT

private:
    QString text(QDialog *about, const char *label) const
    {
        return child<QLabel>(*about, QLatin1String(label))->text();
    }

private slots:
    void loadStepFillsCaptionTitleAndVersion()
    {
        QDialog *about = openAbout();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Zelvarin"));
        QCOMPARE(text(about, "lblTitle"), QStringLiteral("Zelvarin"));
        QCOMPARE(text(about, "lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(text(about, "lblDisclaimer"),
                 QStringLiteral("Желаем Ви приятна и ползотворна работа!"));
        QCOMPARE(text(about, "lblDescription").size(), 221);
        QCOMPARE(about->size(), QSize(382, 237));
        QCOMPARE(aboutButton("cmdOK")->geometry(), QRect(285, 175, 84, 23));
        QCOMPARE(child<QWidget>(*about, QStringLiteral("picIcon"))->geometry(),
                 QRect(16, 16, 36, 36));
        QVERIFY(!child<QLabel>(*about, QStringLiteral("picIcon"))->pixmap().isNull());
    }

    void reopeningLoadsTheWindowAgain()
    {
        QDialog *first = openAbout();
        child<QLabel>(*first, QStringLiteral("lblTitle"))->setText(QStringLiteral("changed"));
        QPointer<QDialog> guard(first);
        click(aboutButton("cmdOK"));
        settle();
        QVERIFY(guard.isNull()); // unloaded, not just hidden
        QDialog *second = openAbout();
        QCOMPARE(text(second, "lblTitle"), QStringLiteral("Zelvarin"));
    }

    void everyWayOfClosingEnablesTheMainWindow_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("OK button") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Esc with the focus on System Info") << 2;
        QTest::newRow("close button or Alt+F4") << 3;
        // As under labwc, a key at once after a click on the main window reaches it first.
        QTest::newRow("Esc on the main window, before About is back") << 4;
    }
    void everyWayOfClosingEnablesTheMainWindow()
    {
        QFETCH(int, way);
        QDialog *about = openAbout();
        QVERIFY(!m_form->isEnabled());
        // Disabling the main window must not disable the About window.
        QVERIFY(about->isEnabled());
        QVERIFY(aboutButton("cmdOK")->isEnabled());
        switch (way) {
        case 0:
            click(aboutButton("cmdOK"));
            break;
        case 1:
            QTest::keyClick(child<QWidget>(*about, QStringLiteral("picIcon")), Qt::Key_Return);
            break;
        case 2:
            aboutButton("cmdSysInfo")->setFocus();
            QTest::keyClick(aboutButton("cmdSysInfo"), Qt::Key_Escape);
            break;
        case 3:
            about->close();
            break;
        default:
            QTest::keyClick(m_form.get(), Qt::Key_Escape);
            break;
        }
        settle();
        QVERIFY(aboutWindow() == nullptr);
        QVERIFY(m_form->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), m_form.get());
        QVERIFY(m_messages.shown.empty());
    }

    void mainWindowTakesNoInputWhileOpenAndTheTestIsUntouched()
    {
        const int q = kAsked[0];
        playTo(*this, 0, kAllRight, LastStep::OnlyChosen);
        const ViewState before = engine().view();

        openAbout();
        click(command(4));
        click(command(1));
        click(option(*m_form, q, wrongOf(q)));
        QTest::keyClick(m_form.get(), Qt::Key_F2);
        QVERIFY(engine().view() == before);
        QVERIFY(m_messages.shown.empty());
        // The main window cannot be closed while the About window is open.
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());

        click(aboutButton("cmdOK"));
        settle();
        QVERIFY(engine().view() == before);
        QVERIFY(option(*m_form, q, keyOf(q))->isChecked());
    }

    // A screen reader's "Press" triggers a menu item or clicks a button, which neither a
    // disabled window nor a modal box stops: the lock must hold all the same.
    void noCommandGetsPastTheLock_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("command");
        for (const char *command : {"mnuNew", "mnuExit", "mnuAbout"})
            QTest::addRow("About: %s", command) << "About" << command;
        for (const char *command : {"mnuNew", "mnuAbout"})
            QTest::addRow("grade box: %s", command) << "grade box" << command;
        // The launcher's box in About: About's own commands wait for it too.
        for (const char *command : {"cmdOK", "cmdSysInfo"})
            QTest::addRow("System Info box: %s", command) << "System Info box" << command;
    }
    void noCommandGetsPastTheLock()
    {
        QFETCH(QString, lock);
        QFETCH(QString, command);
        auto &toolKey = m_platform.key(kToolKey);
        const auto restore = qScopeGuard([&toolKey, saved = toolKey] { toolKey = saved; });
        toolKey.openStatus = kErrorFileNotFound; // System Info shows its box
        const auto state = [this] {
            return std::tuple(engine().view(), engine().test(), m_messages.shown.size(),
                              m_exit.calls, m_platform.starts.size(), aboutWindow(),
                              m_form->isEnabled());
        };
        int presses = 0;
        const auto pressChangesNothing = [&](const Shown &) {
            if (presses++ > 0)
                return; // a box opened by the press: counted below
            const auto before = state();
            if (auto *action = m_form->findChild<QAction *>(command))
                action->trigger();
            else
                child<QAbstractButton>(*aboutWindow(), command)->click();
            QVERIFY(state() == before);
        };
        playTo(*this, lock == QLatin1String("grade box") ? 6 : 0, kAllRight, LastStep::OnlyChosen);
        m_messages.whileOpen = pressChangesNothing;
        if (lock == QLatin1String("About")) {
            openAbout();
            pressChangesNothing({});
        } else if (lock == QLatin1String("grade box")) {
            accept();
        } else {
            openAbout();
            click(aboutButton("cmdSysInfo"));
        }
        m_messages.whileOpen = nullptr;
        QCOMPARE(presses, 1);
    }

    // Closing About gives the focus back to the control that had it, not to the first one
    // that takes it after the window is enabled again.
    void focusReturnsWhereItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("Accept answer") << "Command1" << false;
        QTest::newRow("an answer") << QStringLiteral("cc(%1)").arg(kAsked[0]) << false;
        // Alt, Right, Enter: the menu bar holds the focus while About opens.
        QTest::newRow("New test, About opened from the keyboard") << "Command4" << true;
    }
    void focusReturnsWhereItWas()
    {
        QFETCH(QString, name);
        QFETCH(bool, byKeyboard);
        playTo(*this, 0, kAllRight, LastStep::OnlyChosen);
        auto *had = child<QWidget>(*m_form, name);
        had->setFocus();
        QCOMPARE(QApplication::focusWidget(), had);
        if (byKeyboard) {
            QTest::keyClick(had, Qt::Key_Alt);
            QCOMPARE(QApplication::focusWidget(), m_form->menuBar());
            QTest::keyClick(m_form->menuBar(), Qt::Key_Right);
            QTest::keyClick(m_form->menuBar(), Qt::Key_Return);
        }
        QDialog *about = byKeyboard ? aboutWindow() : openAbout();
        QVERIFY(about != nullptr);
        QTRY_COMPARE(QApplication::activeWindow(), about);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settle();
        QTRY_COMPARE(QApplication::activeWindow(), m_form.get());
        QCOMPARE(QApplication::focusWidget(), had);
    }

    void centredOnTheScreenNotOnTheMainWindow()
    {
        const QPoint placed = m_form->pos();
        const auto back = qScopeGuard([&] { m_form->move(placed); });
        m_form->move(m_form->screen()->availableGeometry().topLeft());
        QDialog *about = openAbout();
        // Placed once more when it is framed (here: when it is active, with no frame).
        const auto offCentre = [&] {
            return about->frameGeometry().center() - m_form->screen()->availableGeometry().center();
        };
        QTRY_VERIFY2(
            offCentre().manhattanLength() <= 1,
            qPrintable(QStringLiteral("%1, %2").arg(offCentre().x()).arg(offCentre().y())));
    }

    void staysAboveTheMainWindowWithoutATaskbarButton()
    {
        QDialog *about = openAbout();
        QVERIFY(about->parentWidget() == nullptr);
        QVERIFY(about->windowHandle() != nullptr);
        QCOMPARE(about->windowHandle()->transientParent(), m_form->windowHandle());
    }

    void systemInfoShowsTheMessageAndStaysOpen()
    {
        QDialog *about = openAbout();
        click(aboutButton("cmdSysInfo"));
        QVERIFY(m_messages.shown == (std::vector<Shown>{{kUnavailable, "", MessageIcon::None}}));
        QVERIFY(about->isVisible());
        QCOMPARE(aboutWindow(), about);
        QVERIFY(!m_form->isEnabled());
    }

    void systemInfoStartsTheToolByAltS()
    {
        launch::toolAt("/opt/tools/sysinfo")(m_platform);
        QDialog *about = openAbout();
        // The window opens active, so its access keys work at once. (A transient window
        // reports itself active while its parent is, so wait on the application's view.)
        QTRY_COMPARE(QApplication::activeWindow(), about);
        QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
        // An access key presses its button visibly, so the click comes a moment later.
        QTRY_COMPARE(m_platform.starts.size(), std::size_t{1});
        QCOMPARE(m_platform.starts[0].path, std::string("/opt/tools/sysinfo"));
        QVERIFY(m_messages.shown.empty());
        QVERIFY(about->isVisible());
        // Enter on System Info presses it, not OK.
        aboutButton("cmdSysInfo")->setFocus();
        QTest::keyClick(aboutButton("cmdSysInfo"), Qt::Key_Return);
        QCOMPARE(m_platform.starts.size(), std::size_t{2});
        QVERIFY(about->isVisible());
    }

    void tabOrderIsOkIconSystemInfo()
    {
        openAbout();
        QWidget *ok = aboutButton("cmdOK");
        QCOMPARE(ok->nextInFocusChain()->objectName(), QStringLiteral("picIcon"));
        QCOMPARE(ok->nextInFocusChain()->nextInFocusChain()->objectName(),
                 QStringLiteral("cmdSysInfo"));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
