#include "ui/about_window.h"

#include "sysinfo/sysinfo_launcher.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>

#include <zelvarin/app_identity.h>

namespace zelvarin::ui {

namespace {

QLabel *label(const QString &text, const char *name, QRect geometry, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAutoFillBackground(true); // opaque, in the window's colour
    return l;
}

void setBlackText(QLabel *l)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
}

} // namespace

AboutWindow::AboutWindow(SysInfoPlatform &platform, MessagePort &messages, const QIcon &icon)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint)
    , m_launcher(std::make_unique<SysInfoLauncher>(platform, messages))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose); // every way of closing unloads the window
    setWindowIcon(icon);
    setFixedSize(px(5730), px(3555));
    // The window sets no font of its own, so it takes the desktop's dialog font. The layout
    // was made for the Windows one (MS Sans Serif 8 pt); larger Linux defaults would clip
    // "System Info..." in its 83 px button, so that face and size are asked for everywhere.
    setFont(msSansSerif(8.25, false));

    auto *okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setGeometry(twipsRect(4275, 2625, 1260, 345));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *iconBox = new QLabel(this);
    iconBox->setObjectName(QStringLiteral("picIcon"));
    iconBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    iconBox->setLineWidth(2);
    iconBox->setPixmap(icon.pixmap(32, 32));
    iconBox->setGeometry(twipsRect(240, 240, 540, 540));
    iconBox->setFocusPolicy(Qt::StrongFocus);
    iconBox->setAccessibleName(QStringLiteral("Zelvarin"));

    auto *sysInfoButton = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfoButton->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfoButton->setGeometry(twipsRect(4260, 3075, 1245, 345));
    connect(sysInfoButton, &QPushButton::clicked, this, &AboutWindow::startSysInfo);

    const QFont arial825 = arial(8.25, false);
    QLabel *description = label(
        QStringLiteral(
            "Предназначението  на  приложението е  за развлечение  и проверка на  знанията  ви  "
            "относно най-често  срещаните съобщения  и  диалогови   прозорци,  появяващи   се   "
            "при работа с операционна система  Microsoft Windows XP."),
        "lblDescription", twipsRect(1050, 1125, 4560, 1170), this);
    description->setFont(arial825);
    description->setWordWrap(true);
    setBlackText(description);
    QLabel *closingWish = label(QStringLiteral("Желаем Ви приятна и ползотворна работа!"),
                                "lblDisclaimer", twipsRect(255, 2625, 3870, 825), this);
    closingWish->setFont(arial825);
    closingWish->setWordWrap(true);
    setBlackText(closingWish);
    m_titleLabel = label(QString(), "lblTitle", twipsRect(1050, 240, 3885, 480), this);
    setBlackText(m_titleLabel);
    m_versionLabel = label(QString(), "lblVersion", twipsRect(1050, 780, 3885, 225), this);

    setTabOrder(okButton, iconBox);
    setTabOrder(iconBox, sysInfoButton);
    okButton->setFocus();

    loadIdentity();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::startSysInfo()
{
    // The launcher's box runs a nested event loop; a screen reader can press this button
    // again from there.
    if (m_launching)
        return;
    const QScopedValueRollback launching(m_launching, true);
    m_launcher->StartSysInfo();
}

void AboutWindow::done(int result)
{
    if (!m_launching)
        QDialog::done(result);
}

void AboutWindow::loadIdentity()
{
    const QString title = QString::fromLatin1(identity::kTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    m_versionLabel->setText(QStringLiteral("Version %1.%2.%3")
                                .arg(identity::kVersionMajor)
                                .arg(identity::kVersionMinor)
                                .arg(identity::kVersionRevision));
    m_titleLabel->setText(title);
    // A screen reader reads the labels of a dialog as it opens, but only those of three words
    // or more, which the title and the version alone are not: the title says both.
    m_titleLabel->setAccessibleName(title + QStringLiteral(", ") + m_versionLabel->text());
}

void AboutWindow::paintEvent(QPaintEvent * /*event*/)
{
    // The etched separator: a grey line with a white one, 2 px wide, directly below it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.drawLine(px(90), px(2445), px(5654), px(2445));
    painter.fillRect(QRect(QPoint(px(105), px(2460)), QPoint(px(5654), px(2460) + 1)), Qt::white);
}

} // namespace zelvarin::ui
