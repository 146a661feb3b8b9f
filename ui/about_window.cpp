#include "about_window.h"

#include "fonts.h"
#include "qt_ports.h"
#include "sysinfo_launcher.h"
#include "twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

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

frmAbout::frmAbout(SysInfoPlatform &platform, MessagePort *messages, const QIcon &icon)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint)
    , m_ownMessages(messages != nullptr ? nullptr : std::make_unique<MessageBoxPort>(this))
    , m_launcher(std::make_unique<SysInfoLauncher>(platform, messages != nullptr ? *messages
                                                                                 : *m_ownMessages))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose); // every way of closing unloads the window
    setWindowIcon(icon);
    setFixedSize(px(5730), px(3555));
    // The window sets no font of its own, so it takes the desktop's dialog font. The layout
    // was made for the Windows one (MS Sans Serif 8 pt); larger Linux defaults would clip
    // "System Info..." in its 83 px button, so that face and size are asked for everywhere.
    setFont(msSansSerif(8.25, false));

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4275, 2625, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setPixmap(icon.pixmap(32, 32));
    picIcon->setGeometry(twipsRect(240, 240, 540, 540));
    picIcon->setFocusPolicy(Qt::StrongFocus);
    picIcon->setAccessibleName(QStringLiteral("Zelvarin"));

    auto *cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(twipsRect(4260, 3075, 1245, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    const QFont arial825 = arial(8.25, false);
    QLabel *lblDescription = label(
        tr("Предназначението  на  приложението е  за развлечение  и проверка на  знанията  ви  "
           "относно най-често  срещаните съобщения  и  диалогови   прозорци,  появяващи   се   "
           "при работа с операционна система  Microsoft Windows XP."),
        "lblDescription", twipsRect(1050, 1125, 4560, 1170), this);
    lblDescription->setFont(arial825);
    lblDescription->setWordWrap(true);
    setBlackText(lblDescription);
    QLabel *lblDisclaimer = label(tr("Желаем Ви приятна и ползотворна работа!"), "lblDisclaimer",
                                  twipsRect(255, 2625, 3870, 825), this);
    lblDisclaimer->setFont(arial825);
    lblDisclaimer->setWordWrap(true);
    setBlackText(lblDisclaimer);
    m_lblTitle = label(QString(), "lblTitle", twipsRect(1050, 240, 3885, 480), this);
    setBlackText(m_lblTitle);
    m_lblVersion = label(QString(), "lblVersion", twipsRect(1050, 780, 3885, 225), this);

    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    cmdOK->setFocus();

    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString title = QString::fromLatin1(identity::kTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    m_lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                              .arg(identity::kVersionMajor)
                              .arg(identity::kVersionMinor)
                              .arg(identity::kVersionRevision));
    m_lblTitle->setText(title);
}

void frmAbout::cmdSysInfo_Click()
{
    m_launcher->StartSysInfo();
}

void frmAbout::paintEvent(QPaintEvent * /*event*/)
{
    // The etched separator: a grey line with a white one, 2 px wide, directly below it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.drawLine(px(90), px(2445), px(5654), px(2445));
    painter.fillRect(QRect(QPoint(px(105), px(2460)), QPoint(px(5654), px(2460) + 1)), Qt::white);
}

} // namespace zelvarin::ui
