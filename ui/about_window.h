#pragma once

#include <QDialog>

#include <memory>

class QIcon;
class QLabel;
class QPushButton;

namespace zelvarin {
class MessagePort;
class SysInfoLauncher;
class SysInfoPlatform;
} // namespace zelvarin

namespace zelvarin::ui {

// The About window: which program this is, its version and purpose, and a button that
// starts the system's information tool. It is loaded anew at every opening; the load step
// fills the caption, the title and the version from the application's identity.
class AboutWindow final : public QDialog
{
    Q_OBJECT

public:
    // The icon is the main window's: one icon for the program's life, since every new QIcon
    // leaves its pixmaps in Qt's cache and the About window is made anew at every opening.
    AboutWindow(SysInfoPlatform &platform, MessagePort &messages, const QIcon &icon);
    ~AboutWindow() override;

    // Refused while the System Info box is open: the box belongs to this window, and
    // closing the window under it would take the box with it.
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void loadIdentity();
    void startSysInfo();

    std::unique_ptr<SysInfoLauncher> m_launcher;
    QLabel *m_titleLabel;
    QLabel *m_versionLabel;
    bool m_launching = false;
};

} // namespace zelvarin::ui
