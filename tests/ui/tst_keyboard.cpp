// A whole test taken with the keyboard alone: F2, Tab, arrow keys, Space and Enter.
#include "quiz/question_bank.h"
#include "tests/support/window_test_base.h"
#include "ui/light_style.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

using namespace zelvarin;
using namespace zelvarin::ui;
using namespace zelvarin::testing;
using namespace zelvarin::ui::testing;

namespace {
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The focus shows as a ring: crossing the part of the control that the focus changed, from
// each side to the middle, one meets at least `width` pixels in a row, each at 3:1 or more
// against what it covers.
bool ringShows(const QImage &without, const QImage &with, int width)
{
    QRect changed;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    const QPoint middle = changed.center();
    const auto crossing = [&](QPoint from, QPoint step) {
        int run = 0;
        for (QPoint p = from; p != middle + step && run < width; p += step)
            run = contrast(with.pixel(p), without.pixel(p)) >= 3 ? run + 1 : 0;
        return run >= width;
    };
    return !changed.isEmpty() && crossing({changed.left(), middle.y()}, {1, 0}) &&
           crossing({changed.right(), middle.y()}, {-1, 0}) &&
           crossing({middle.x(), changed.top()}, {0, 1}) &&
           crossing({middle.x(), changed.bottom()}, {0, -1});
}
} // namespace

class KeyboardTest : public WindowTestBase
{
    Q_OBJECT

private:
    static QWidget *focused() { return QApplication::focusWidget(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused() != nullptr ? focused() : m_form.get(), key, modifiers);
    }

    // Presses Tab until the focus reaches a widget the predicate accepts; fails the test if
    // it goes round the whole window without getting there.
    template<typename Accept> bool tabTo(Accept accept, const char *what)
    {
        for (int presses = 0; presses < 80; ++presses) {
            if (focused() != nullptr && accept(focused()))
                return true;
            press(Qt::Key_Tab);
        }
        qWarning("Tab never reached %s", what);
        return false;
    }
    bool tabTo(QWidget *target)
    {
        return tabTo([target](QWidget *w) { return w == target; },
                     qPrintable(target->objectName()));
    }

private slots:
    // The program's own look, whose focus ring the tests below look at.
    void initTestCase() { QApplication::setStyle(new LightStyle); }

    void wholeTestWithoutTheMouse()
    {
        // From where a new window puts the focus.
        command(3)->setFocus();
        QCOMPARE(focused(), command(3));
        m_random.ask(kAsked);
        press(Qt::Key_F2);
        QVERIFY(m_form->page().frame(kAsked[0])->isVisible());
        QCOMPARE(focused(), m_form->page().frame(kAsked[0])->tabOrder().front());

        for (int step = 0; step < 7; ++step) {
            const int q = kAsked[static_cast<std::size_t>(step)];
            QuestionFrame *frame = m_form->page().frame(q);
            if (step > 0) {
                QVERIFY(tabTo(command(2)));
                press(step % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
                QVERIFY(frame->isVisible());
            }
            // Into the frame, then the arrow keys walk the answers and choose as they go.
            QVERIFY(tabTo([frame](QWidget *w) { return frame->isAncestorOf(w); },
                          "the question's answers"));
            OptionButton *target = option(*m_form, q, keyOf(q));
            for (int moves = 0; moves < 3 && focused() != target; ++moves)
                press(Qt::Key_Up);
            for (int moves = 0; moves < 3 && focused() != target; ++moves)
                press(Qt::Key_Down);
            QCOMPARE(focused(), target);
            press(Qt::Key_Space);
            QVERIFY(target->isChecked());
            QVERIFY(target->hasFocus());

            QVERIFY(tabTo(command(1)));
            press(Qt::Key_Return);
            QCOMPARE(resultSlot(*m_form, step)->text(),
                     step < 6 ? QStringLiteral("Правилен") : QString());
        }
        QCOMPARE(m_messages.shown.size(), std::size_t{1});
        QCOMPARE(m_messages.shown[0].text,
                 std::string("Отговорихте правилно на 7 въпроса и оценката Ви е Отличен (6)"));
    }

    // After Accept the focus goes straight to Next question, and that button tells a screen
    // reader the verdict, since the marks are on controls that take no focus.
    void focusGoesWhereThePupilGoesNext_data()
    {
        QTest::addColumn<OptionName>("chosen");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("right") << keyOf(3) << QStringLiteral("Верен отговор.");
        QTest::newRow("wrong") << wrongOf(3)
                               << QStringLiteral("Грешен отговор. Верният отговор е: ") +
                                      QString::fromUtf8(QuestionBank[3].option(keyOf(3)).data());
    }
    void focusGoesWhereThePupilGoesNext()
    {
        QFETCH(OptionName, chosen);
        QFETCH(QString, verdict);
        m_random.ask({3, 4, 5, 6, 7, 8, 9});
        press(Qt::Key_F2);
        option(*m_form, 3, chosen)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QVERIFY(tabTo(command(1)));
        QWidgetList focusedOnTheWay;
        const QMetaObject::Connection watch = connect(
            qApp, &QApplication::focusChanged, this,
            [&focusedOnTheWay](QWidget * /*old*/, QWidget *now) { focusedOnTheWay << now; });
        press(Qt::Key_Space);
        disconnect(watch);
        QCOMPARE(focusedOnTheWay, QWidgetList{command(2)});
        QCOMPARE(command(2)->accessibleDescription(), verdict);

        press(Qt::Key_Space);
        // Next greys itself: the focus goes to the new question's answers, and the button
        // no longer speaks of the last one.
        QVERIFY(m_form->page().frame(4)->isVisible());
        QVERIFY(m_form->page().frame(4)->isAncestorOf(focused()));
        QCOMPARE(command(2)->accessibleDescription(), QString());
        QCOMPARE(m_exit.calls, 0);
    }

    // On Fusion, as on Linux, and on Qt's Windows style, whose frame of 1 px round the title
    // the Windows program's own style draws too (seen under Wine).
    void f10OpensTheMenuBar_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("Fusion") << QStringLiteral("Fusion");
        QTest::newRow("Windows") << QStringLiteral("Windows");
    }
    void f10OpensTheMenuBar()
    {
        // F10, Enter opens Тест, Enter again runs its first item, Нов тест; as on Windows.
        QFETCH(QString, base);
        auto *style = new LightStyle;
        style->setBaseStyle(QStyleFactory::create(base));
        QApplication::setStyle(style);
        const auto fusionAgain = qScopeGuard([] { QApplication::setStyle(new LightStyle); });
        m_random.ask({5, 4, 3, 6, 7, 8, 9});
        command(3)->setFocus();
        auto *menuBar = m_form->findChild<QMenuBar *>();
        const QImage before = menuBar->grab().toImage();
        press(Qt::Key_F10);
        QCOMPARE(focused(), menuBar);
        QCOMPARE(menuBar->activeAction()->text(), QStringLiteral("Тест"));
        // The title the keys are on is highlighted, as the drop-down highlights its items.
        const QRect title = menuBar->actionGeometry(menuBar->activeAction());
        QVERIFY(ringShows(before.copy(title), menuBar->grab().toImage().copy(title),
                          LightStyle::kFocusRingWidth));
        press(Qt::Key_F10); // leaves the menu bar again, back where the focus was
        QCOMPARE(focused(), command(3));
        press(Qt::Key_F10);
        press(Qt::Key_Return);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QTRY_VERIFY(m_form->page().frame(5)->isVisible());
        QCOMPARE(focused(), m_form->page().frame(5)->tabOrder().front());
        QCOMPARE(m_exit.calls, 0);
    }

    // Every control that takes the focus shows it plainly, whether it came by key or not.
    void focusRingIsPlainToSee_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name : {"Command4", "Command3", "Command1", "aa(8)", "Box(0)", "cmdOK",
                                 "cmdSysInfo", "picIcon"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void focusRingIsPlainToSee()
    {
        QFETCH(QString, control);
        m_random.ask(kAsked); // question 8 on view
        press(Qt::Key_F2);
        QWidget *root = m_form.get();
        if (control.startsWith(QLatin1String("cmd")) || control == QLatin1String("picIcon")) {
            root = openAbout();
            // The offscreen platform leaves the main window the active one.
            QApplication::setActiveWindow(root);
        }
        auto *widget = child<QWidget>(*root, control);
        widget->clearFocus();
        const QImage without = widget->grab().toImage();
        widget->setFocus(Qt::OtherFocusReason);
        QVERIFY(widget->hasFocus());
        QVERIFY(ringShows(without, widget->grab().toImage(), LightStyle::kFocusRingWidth));
    }

    // An arrow key moves through the answers top to bottom, round from the last to the
    // first and back, as option groups do on Windows, and chooses the answer it lands on.
    void arrowKeysChooseAndWrapWithinTheFrame_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<OptionName>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<OptionName>("to");
        const auto row = [](const char *name, int q, OptionName from, Qt::Key key, OptionName to) {
            QTest::newRow(name) << q << from << static_cast<int>(key) << to;
        };
        row("Up within", 3, OptionName::cc, Qt::Key_Up, OptionName::bb);
        row("Down on the last wraps", 3, OptionName::cc, Qt::Key_Down, OptionName::aa);
        row("Left on the first wraps", 3, OptionName::aa, Qt::Key_Left, OptionName::cc);
        // Frame 0 is the one whose tab order runs aa to cc; the arrows go by place all the same.
        row("frame 0, Right on the last wraps", 0, OptionName::cc, Qt::Key_Right, OptionName::aa);
        row("frame 0, Up on the first wraps", 0, OptionName::aa, Qt::Key_Up, OptionName::cc);
    }
    void arrowKeysChooseAndWrapWithinTheFrame()
    {
        QFETCH(int, question);
        QFETCH(OptionName, from);
        QFETCH(int, key);
        QFETCH(OptionName, to);
        m_random.ask({question, 4, 5, 6, 7, 8, 9});
        press(Qt::Key_F2);
        option(*m_form, question, from)->setFocus(Qt::TabFocusReason);
        QVERIFY(!option(*m_form, question, from)->isChecked()); // the focus alone chooses nothing
        press(static_cast<Qt::Key>(key));
        QCOMPARE(focused(), option(*m_form, question, to));
        QVERIFY(option(*m_form, question, to)->isChecked());
        for (OptionName n : kOptionNames)
            QCOMPARE(chosen(question, n), n == to);
    }

    void focusIsAlwaysShown()
    {
        // Every stop on the way round the window shows where the focus is.
        m_random.ask({12, 4, 5, 6, 7, 8, 9});
        press(Qt::Key_F2);
        QWidget *start = focused();
        QStringList stops;
        do {
            QWidget *w = focused();
            QVERIFY(w->isVisible());
            QVERIFY(w->isEnabled());
            QVERIFY(w->focusPolicy() & Qt::TabFocus);
            stops << w->objectName();
            press(Qt::Key_Tab);
        } while (focused() != start && stops.size() < 80);
        // Round the window: the usable buttons, the question's answers (one stop, as a
        // group of radio buttons is), the seven slots, and nothing hidden or greyed.
        QCOMPARE(stops.size(), 3 + 1 + 7);
        for (const char *name : {"Command1", "Command3", "Command4", "Box(0)", "Box(6)"})
            QVERIFY2(stops.contains(QLatin1String(name)), name);
        QVERIFY(stops.filter(QStringLiteral("(12)")).size() == 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
