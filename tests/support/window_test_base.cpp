#include "tests/support/window_test_base.h"

#include <QAction>
#include <QDialog>

namespace zelvarin::ui::testing {

void WindowTestBase::init()
{
    m_random = {};
    m_messages = {};
    m_exit = {};
    m_platform = {};
    m_form =
        std::make_unique<MainWindow>(MainWindowServices{m_random, m_messages, m_exit, m_platform});
    for (int n = 1; n <= 4; ++n)
        m_commands[static_cast<std::size_t>(n - 1)] =
            button(*m_form, QByteArray("Command" + QByteArray::number(n)).constData());
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

QDialog *WindowTestBase::openAbout() const
{
    child<QAction>(*m_form, QStringLiteral("mnuAbout"))->trigger();
    if (aboutWindow() == nullptr)
        qFatal("the About window did not open");
    return aboutWindow();
}

void WindowTestBase::cleanup()
{
    if (aboutWindow() != nullptr) {
        // However a test left About, closing it hands the main window back.
        aboutWindow()->close();
        settle();
        QVERIFY(aboutWindow() == nullptr && m_form->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), m_form.get());
    }
    m_form.reset();
    settle();
    for (const QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName() + QStringLiteral(" is still open")));
}

} // namespace zelvarin::ui::testing
