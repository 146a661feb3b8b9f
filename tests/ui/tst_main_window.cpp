// The main window played by clicks and keys, offscreen, with every box answered at once.
#include "quiz/question_bank.h"
#include "tests/support/window_test_base.h"
#include "ui/colours.h"
#include "ui/picture_box.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

using namespace zelvarin;
using namespace zelvarin::ui;
using namespace zelvarin::testing;
using namespace zelvarin::ui::testing;
using namespace Qt::StringLiterals;

class MainWindowTest : public WindowTestBase
{
    Q_OBJECT

private slots:
    // Each step's frame, strip and buttons, the no-answer box, the choices of hidden or marked
    // frames, F2, the menu's items and Exit are held to the random pupil's model after every
    // event (tests/stress); here what it does not see.
    void wholeTestByClicksBuildsNothing()
    {
        // A frame is built when first shown and reused; nothing is built per answer.
        buildEveryFrame();
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        playTo(*this, 6, {true, false, true, false, true, false, true});
        QVERIFY(m_messages.shown ==
                (std::vector<Shown>{{"Отговорихте правилно на 4 въпроса и оценката Ви е Добър (4)",
                                     "Резултат", MessageIcon::Information}}));
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }

    void marksKeepTheirColoursAndAreSaidInWords()
    {
        const int q = kAsked[0];
        playTo(*this, 0, kAllWrong);

        OptionButton *wrong = option(*m_form, q, wrongOf(q));
        OptionButton *key = option(*m_form, q, keyOf(q));
        OptionButton *other = option(*m_form, q, kOptionNames[(indexOf(keyOf(q)) + 2) % 3]);
        // The marks keep their colours in the disabled frame: nothing is greyed.
        QCOMPARE(wrong->palette().color(QPalette::Disabled, QPalette::WindowText),
                 toQColor(colours::kRed));
        QCOMPARE(key->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(resultSlot(*m_form, 0)->palette().color(QPalette::Base), QColor(255, 185, 162));
        // What the colours say, a screen reader says in words.
        QCOMPARE(m_form->page().frame(q)->accessibleDescription(),
                 QStringLiteral("Грешен отговор. Верният отговор е: ") + key->text());
        QCOMPARE(wrong->accessibleDescription(), QStringLiteral("грешен отговор"));
        QCOMPARE(key->accessibleDescription(), QStringLiteral("верен отговор"));
        QCOMPARE(other->accessibleDescription(), QString());
    }

    void menuBarHoldsTestMenuAndAboutCommand()
    {
        const QList<QAction *> top = m_form->menuBar()->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), QStringLiteral("Тест"));
        QVERIFY(top[0]->menu() != nullptr);
        QCOMPARE(top[1]->text(), QStringLiteral("за Zelvarin"));
        QVERIFY(top[1]->menu() == nullptr); // a command, not a drop-down
        const QList<QAction *> items = top[0]->menu()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QStringLiteral("Нов тест"));
        QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::Key_F2)); // shown beside it
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("Изход"));
    }

    void layoutMatchesTheDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Command4") << "Command4" << QRect(20, 504, 154, 25);
        QTest::newRow("Command1") << "Command1" << QRect(207, 504, 154, 25);
        QTest::newRow("Command2") << "Command2" << QRect(396, 504, 154, 25);
        QTest::newRow("Command3") << "Command3" << QRect(590, 504, 154, 25);
        QTest::newRow("Box(0)") << "Box(0)" << QRect(115, 25, 87, 21);
        QTest::newRow("Box(6)") << "Box(6)" << QRect(655, 25, 87, 21);
        QTest::newRow("Frame(9)") << "Frame(9)" << QRect(20, 60, 724, 427);
        QTest::newRow("Label12") << "Label12" << QRect(35, 180, 666, 36);
        QTest::newRow("Picture1(10)") << "Picture1(10)" << QRect(188, 17, 331, 317);
        QTest::newRow("aa(0)") << "aa(0)" << QRect(123, 219, 550, 49);
        QTest::newRow("bb(11) lower than a line") << "bb(11)" << QRect(98, 381, 605, 14);
        QTest::newRow("cc(15) past the bottom") << "cc(15)" << QRect(105, 385, 595, 44);
        QTest::newRow("aa(7) past the right edge") << "aa(7)" << QRect(218, 279, 550, 29);
        QTest::newRow("Yes(15)") << "Yes(15)" << QRect(16, 320, 80, 90);
        QTest::newRow("No(15) one pixel left") << "No(15)" << QRect(15, 320, 80, 90);
        QTest::newRow("No(14)") << "No(14)" << QRect(100, 270, 80, 90);
        QTest::newRow("Label3") << "Label3" << QRect(20, 5, 0, 0);
        QTest::newRow("Label1(6)") << "Label1(6)" << QRect(695, 5, 0, 0);
    }
    // Every answer's whole text lies within the part of it inside the frame's border, also as
    // Windows lays text out (hinted, so wider, as Arial is there); answers that reach past the
    // border are cut off there, never painted over it.
    void answersStayInsideTheBorder_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<OptionName>("answer");
        QTest::addColumn<QFont::HintingPreference>("hinting");
        QTest::addColumn<int>("leadingCut");
        for (const auto hinting : {QFont::PreferDefaultHinting, QFont::PreferFullHinting}) {
            for (int q = 0; q < kQuestionCount; ++q) {
                for (OptionName n : kOptionNames) {
                    // bb(11) is designed lower than a line: it loses the line's leading, a
                    // pixel above and below its letters.
                    QTest::addRow("%d %s%s", q, nameOf(n).data(),
                                  hinting == QFont::PreferFullHinting ? ", hinted" : "")
                        << q << n << hinting << (q == 11 && n == OptionName::bb ? 1 : 0);
                }
            }
        }
    }
    void answersStayInsideTheBorder()
    {
        QFETCH(int, question);
        QFETCH(OptionName, answer);
        QFETCH(QFont::HintingPreference, hinting);
        QFETCH(int, leadingCut);
        QuestionFrame *frame = m_form->page().frame(question);
        for (OptionName n : kOptionNames) {
            OptionButton *each = frame->option(n);
            QFont font = each->font();
            font.setHintingPreference(hinting);
            each->setFont(font);
        }
        OptionButton *button = frame->option(answer);
        const QRect shown =
            button->mask().isEmpty() ? button->rect() : button->mask().boundingRect();
        QVERIFY2(shown.adjusted(0, -leadingCut, 0, leadingCut).contains(button->textRect()),
                 qPrintable(button->text()));
        const QRect placed = button->geometry();
        const bool pastTheBottom = placed.bottom() >= frame->height() - 2;
        if (!pastTheBottom && placed.right() < frame->width() - 2)
            return;
        const QPoint onTheBorder = pastTheBottom ? QPoint(placed.center().x(), frame->height() - 2)
                                                 : QPoint(frame->width() - 2, placed.center().y());
        const QImage shot = frame->grab().toImage();
        QCOMPARE(shot.pixel(onTheBorder * shot.devicePixelRatio()),
                 frame->palette().color(QPalette::Active, QPalette::Dark).rgb());
    }

    void newWindowStartsIdleAndBuildsFramesWhenNeeded()
    {
        const auto built = [this](int q) {
            return m_form->findChild<QuestionFrame *>(QStringLiteral("Frame(%1)").arg(q)) !=
                   nullptr;
        };
        QVERIFY(!built(kAsked[0])); // none is built before it is needed
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(command(n)->isEnabled(), n >= 3); // Exit and New test only
        QCOMPARE(QApplication::focusWidget(), command(3));
        QCOMPARE(m_form->page().frame(5)->title(), QStringLiteral("Frame1"));
        QCOMPARE(resultSlot(*m_form, 0)->palette().color(QPalette::Base), QColor(Qt::white));

        newTestAsking(kAsked);
        QVERIFY(built(kAsked[0]));
        QVERIFY(!built(3));
        // Built after the new test reset every frame: neutral face only, black answers.
        QuestionFrame *frame = m_form->page().frame(3);
        QVERIFY(frame->isHidden());
        QVERIFY(!child<QWidget>(*frame, QStringLiteral("Picture2(3)"))->isHidden());
        QVERIFY(child<QWidget>(*frame, QStringLiteral("Yes(3)"))->isHidden());
        QVERIFY(child<QWidget>(*frame, QStringLiteral("No(3)"))->isHidden());
        QCOMPARE(option(*m_form, 3, OptionName::cc)->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
    }

    void layoutMatchesTheDesign()
    {
        buildEveryFrame();
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        const QWidget *w = child<QWidget>(*m_form, name);
        if (geometry.isEmpty()) // sized to fit its text: only the place is fixed
            QCOMPARE(w->pos(), geometry.topLeft());
        else
            QCOMPARE(w->geometry(), geometry);
    }

    void picturesAreLoadedOnceAtTheirSizes()
    {
        buildEveryFrame();
        const auto picture = [this](const QString &name) {
            return child<PictureBox>(*m_form, name)->picture();
        };
        for (int i = 0; i < kQuestionCount; ++i) {
            const QImage shot = picture(QStringLiteral("Picture1(%1)").arg(i));
            QVERIFY2(!shot.isNull(), qPrintable(QString::number(i)));
            QCOMPARE(shot.size(),
                     QSize(QuestionBank[i].screenshotWidth, QuestionBank[i].screenshotHeight));
            // The faces are one picture each, shared by all frames.
            for (const char *face : {"Picture2", "Yes", "No"}) {
                const QImage mine =
                    picture(QStringLiteral("%1(%2)").arg(QLatin1String(face)).arg(i));
                QCOMPARE(mine.size(), QSize(80, 90));
                QCOMPARE(mine.cacheKey(),
                         picture(QStringLiteral("%1(0)").arg(QLatin1String(face))).cacheKey());
            }
        }
        QVERIFY(picture(QStringLiteral("Yes(0)")).cacheKey() !=
                picture(QStringLiteral("No(0)")).cacheKey());
    }

    // At a whole scale factor (this test also runs at 2x) each pixel of a picture becomes a
    // clean block.
    void picturesAreDrawnAsTheFileAndCleanlyScaled()
    {
        for (const char *name : {"screenshots/question_06.bmp", "faces/wrong.bmp"}) {
            const QImage file(QStringLiteral(":/assets/") + QLatin1String(name));
            PictureBox box(file, QStringLiteral("picture"), nullptr);
            const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto scale = static_cast<int>(shot.devicePixelRatio());
            QCOMPARE(shot.devicePixelRatio(), qreal(scale));
            qInfo("%s drawn at %dx", name, scale);
            QImage expected = file.convertToFormat(QImage::Format_RGB32);
            expected = expected.scaled(expected.size() * scale, Qt::IgnoreAspectRatio,
                                       Qt::FastTransformation);
            QCOMPARE(shot.size(), expected.size());
            QVERIFY2(shot == expected, name);
        }
    }

    // Both are read while the window is built, the background on a second thread.
    void backgroundAndIconAreTheFiles()
    {
        auto *client = child<QWidget>(*m_form, QStringLiteral("Form1Client"));
        QImage drawn(client->size(), QImage::Format_RGB32);
        client->render(&drawn, {}, {}, QWidget::DrawWindowBackground); // without the controls
        const QImage file(QStringLiteral(":/assets/background.jpg"));
        for (const QPoint at : {QPoint(10, 200), QPoint(380, 300), QPoint(700, 500)})
            QCOMPARE(drawn.pixel(at), file.pixel(at));
        QList<QSize> sizes = m_form->windowIcon().availableSizes();
        std::sort(sizes.begin(), sizes.end(),
                  [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}}));
    }

    // Wholly on the screen (the window-manager check sees it centred by its frame). At twice
    // the scale the offscreen screen is 400 x 400, smaller than the window: it then fits the
    // screen and its client area scrolls.
    void windowOpensWhollyOnTheScreen()
    {
        m_form->activateWindow(); // as a window manager does with a new window
        QVERIFY(QTest::qWaitForWindowActive(m_form.get())); // placed for good by then
        const QRect available = m_form->screen()->availableGeometry();
        const QRect frame = m_form->frameGeometry();
        QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("%1, %2 %3 x %4")
                                                           .arg(frame.x())
                                                           .arg(frame.y())
                                                           .arg(frame.width())
                                                           .arg(frame.height())));
        // The buttons can be scrolled to.
        auto *scroller = child<QScrollArea>(*m_form, QString());
        scroller->ensureWidgetVisible(command(3));
        QVERIFY(command(3)->visibleRegion().boundingRect() == command(3)->rect());
    }

    void clientAreaIsFixed()
    {
        QCOMPARE(child<QWidget>(*m_form, QStringLiteral("Form1Client"))->size(), QSize(762, 543));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_form->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void tabOrderRunsButtonsFramesSlots()
    {
        for (int q = kQuestionCount - 1; q >= 0; --q) // built out of order, ordered all the same
            m_form->page().frame(q);
        QWidget *w = command(1);
        QStringList order;
        for (int i = 0; i < 4 + 51 + 7; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
        }
        QCOMPARE(order.mid(0, 4),
                 (QStringList{u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s}));
        QCOMPARE(order.mid(4, 6), (QStringList{u"aa(0)"_s, u"bb(0)"_s, u"cc(0)"_s, u"cc(1)"_s,
                                               u"bb(1)"_s, u"aa(1)"_s}));
        QCOMPARE(order.mid(4 + 48, 3), (QStringList{u"cc(16)"_s, u"bb(16)"_s, u"aa(16)"_s}));
        QCOMPARE(order.mid(4 + 51, 2), (QStringList{u"Box(0)"_s, u"Box(1)"_s}));
    }

    void screenReaderSeesOptionsSlotsAndNoKeyBox()
    {
        newTestAsking(kAsked);
        const int q = kAsked[0];
        const OptionName key = keyOf(q);
        // A screen reader chooses through the button's accessible action, which may toggle
        // it without a click; the choice must still reach the quiz.
        QAccessibleInterface *radio =
            QAccessible::queryAccessibleInterface(option(*m_form, q, key));
        QAccessibleActionInterface *actions = radio->actionInterface();
        QVERIFY(actions != nullptr);
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(chosen(q, key));
        QCOMPARE(radio->role(), QAccessible::RadioButton);
        QCOMPARE(radio->text(QAccessible::Name),
                 QString::fromUtf8(QuestionBank[q].option(key).data()));
        QVERIFY(radio->state().checked);

        QAccessibleInterface *frame =
            QAccessible::queryAccessibleInterface(m_form->page().frame(q));
        // The question is said once as the focus enters it, not again at every arrow key, as
        // it would be were the frame the answers' group label.
        QCOMPARE(frame->text(QAccessible::Name),
                 QStringLiteral("1-и въпрос. ") + QString::fromUtf8(QuestionBank[q].questionLine) +
                     QLatin1Char(' ') + QString::fromUtf8(QuestionBank[q].screenshotDescription));
        QVERIFY(radio->relations(QAccessible::Label).isEmpty());
        for (int i = 0; i < frame->childCount(); ++i)
            QVERIFY(frame->child(i)->object()->objectName() != QStringLiteral("Text1(%1)").arg(q));
        QCOMPARE(keyBox(q)->text(), QLatin1String(nameOf(key).data(), 2));
        QAccessibleInterface *shot = QAccessible::queryAccessibleInterface(
            child<QWidget>(*m_form, QStringLiteral("Picture1(%1)").arg(q)));
        QCOMPARE(shot->role(), QAccessible::Graphic);
        QCOMPARE(shot->text(QAccessible::Name), QStringLiteral("Екранна снимка към въпроса"));
        QVERIFY(shot->text(QAccessible::Description).contains(QStringLiteral("Tirmeka.doc")));
        QVERIFY(!keyBox(q)->isVisible());

        click(command(1));
        QAccessibleInterface *slot = QAccessible::queryAccessibleInterface(resultSlot(*m_form, 0));
        QCOMPARE(slot->text(QAccessible::Name), QStringLiteral("Отговор 1: Правилен"));
        QCOMPARE(frame->text(QAccessible::Description), QStringLiteral("Верен отговор."));

        // A new test clears what was said.
        newTestAsking(kAsked);
        QCOMPARE(frame->text(QAccessible::Description), QString());
        QCOMPARE(slot->text(QAccessible::Name), QStringLiteral("Отговор 1"));
        QVERIFY(radio->text(QAccessible::Description).isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
