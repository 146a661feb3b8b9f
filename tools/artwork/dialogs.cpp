#include "tools/artwork/dialogs.h"

#include "tools/artwork/dialog.h"
#include "tools/artwork/turn_off.h"

#include <QPainter>

#include <array>

namespace zelvarin::artwork {

namespace {

// The client area of a window of the given outer size (see xp::drawWindow).
QSize clientOf(const QSize &window)
{
    return {window.width() - 6, window.height() - 33};
}

// The Copying... and Deleting... progress windows share one layout.
Dialog progressWindow(QSize size, QString title, Icon target, QString file, QString route,
                      double done, QString remaining)
{
    const QSize client = clientOf(size);
    const int barWidth = client.width() - 2 * xp::kMargin - xp::kButtonWidth - 10;
    const int buttonLeft = client.width() - xp::kMargin - xp::kButtonWidth;
    return {
        .size = size,
        .title = std::move(title),
        .extras =
            {
                FlyingPaper{QRect(xp::kMargin, 4, barWidth, 52), Icon::Folder, target},
                Label{{xp::kMargin, 60}, barWidth, std::move(file)},
                Label{{xp::kMargin, 75}, barWidth + 40, std::move(route)},
                Progress{QRect(xp::kMargin, 96, barWidth, 16), done},
                Label{{xp::kMargin, 117}, barWidth, std::move(remaining)},
                Button{QRect(buttonLeft, 93, xp::kButtonWidth, xp::kButtonHeight),
                       QStringLiteral("Cancel"), true},
            },
    };
}

std::vector<xp::TreeRow> folderTree()
{
    using xp::Expander;
    return {
        {0, Icon::Desktop, QStringLiteral("Desktop"), Expander::None, false},
        {1, Icon::MyDocuments, QStringLiteral("My Documents"), Expander::Plus, true},
        {1, Icon::MyComputer, QStringLiteral("My Computer"), Expander::Minus, false},
        {2, Icon::FloppyDrive, QStringLiteral("3½ Floppy (A:)"), Expander::None, false},
        {2, Icon::HardDisk, QStringLiteral("Local Disk (C:)"), Expander::Plus, false},
        {2, Icon::CdDrive, QStringLiteral("DVD Drive (D:)"), Expander::None, false},
        {2, Icon::Folder, QStringLiteral("Shared Documents"), Expander::Plus, false},
        {1, Icon::Network, QStringLiteral("My Network Places"), Expander::Plus, false},
    };
}

// The Copy Items and Move Items folder browsers differ only in their verb.
Dialog folderBrowser(QSize size, const QString &title, const QString &verb)
{
    const QSize client = clientOf(size);
    const int width = client.width() - 2 * xp::kMargin;
    const int buttonTop = client.height() - xp::kMargin - xp::kButtonHeight;
    const int hintTop = buttonTop - 26;
    return {
        .size = size,
        .title = title,
        .buttons = {verb, QStringLiteral("Cancel")},
        .row = ButtonRow::Right,
        .extras =
            {
                Label{{xp::kMargin, 9},
                      width,
                      QStringLiteral("Select the place where you want to %1 'Doc1'. Then click "
                                     "the %2 button.")
                          .arg(verb.toLower(), verb)},
                Tree{QRect(xp::kMargin, 42, width, hintTop - 50), folderTree()},
                Label{{xp::kMargin, hintTop},
                      width,
                      QStringLiteral("To view any subfolders, click a plus sign above.")},
                Button{QRect(xp::kMargin, buttonTop, 100, xp::kButtonHeight),
                       QStringLiteral("Make New Folder")},
            },
    };
}

// Question by question; what each shows is what the real Windows XP dialog showed, no more.
std::array<Dialog, kScreenshotCount> dialogs()
{
    const QString yes = QStringLiteral("Yes");
    const QString no = QStringLiteral("No");
    const QString ok = QStringLiteral("OK");
    const QString cancel = QStringLiteral("Cancel");
    return {{
        // 0
        {.size = {321, 115},
         .title = QStringLiteral("Microsoft Office Word"),
         .icon = Icon::Warning,
         .text = {QStringLiteral("Do you want to save the changes to Document2?")},
         .buttons = {yes, no, cancel}},
        // 1
        {.size = {590, 126},
         .title = QStringLiteral("Error Renaming File or Folder"),
         .icon = Icon::Error,
         .text = {QStringLiteral("Cannot rename New Folder: A file with the name you specified "
                                 "already exists. Specify a different file name.")},
         .buttons = {ok}},
        // 2
        {.size = {419, 138},
         .title = QStringLiteral("Confirm File Move"),
         .icon = Icon::WordDocument,
         .text = {QStringLiteral("The file 'Doc1' is a read-only file. Are you sure you want "
                                 "to move it?")},
         .buttons = {yes, no}},
        // 3
        {.size = {419, 159},
         .title = QStringLiteral("Confirm Folder Delete"),
         .icon = Icon::RecycleBin,
         .text = {QStringLiteral("Are you sure you want to remove the folder 'Install' and "
                                 "move all its contents to the Recycle Bin?")},
         .buttons = {yes, no}},
        // 4
        progressWindow({381, 169}, QStringLiteral("Copying..."), Icon::Folder,
                       QStringLiteral("SPFile6.doc"), QStringLiteral("From 'Reports' to 'Archive'"),
                       0.45, QStringLiteral("6 Seconds Remaining")),
        // 5
        {.size = {348, 144},
         .title = QStringLiteral("Missing Shortcut"),
         .icon = Icon::Search,
         .text = {QStringLiteral("Windows is searching for PAINT.EXE. To locate the file "
                                 "yourself, click Browse.")},
         .buttons = {QStringLiteral("Browse..."), cancel}},
        // 6
        {.size = {314, 200},
         .title = QStringLiteral("Turn off computer"),
         .buttons = {cancel},
         .chrome = Chrome::TurnOff},
        // 7
        {.size = {347, 144},
         .title = QStringLiteral("Insert disk"),
         .icon = Icon::FloppyDrive,
         .text = {QStringLiteral("Please insert a disk into drive A:.")},
         .buttons = {cancel}},
        // 8
        progressWindow({381, 169}, QStringLiteral("Deleting..."), Icon::RecycleBin,
                       QStringLiteral("Tirmeka.doc"), QStringLiteral("From 'RVT'"), 0.3,
                       QStringLiteral("2 Seconds Remaining")),
        // 9
        {.size = {375, 159},
         .title = QStringLiteral("Error Moving File or Folder"),
         .icon = Icon::Error,
         .text = {QStringLiteral("Cannot move Doc1: It is being used by Microsoft Office Word."),
                  QStringLiteral("Close any programs that might be using the file and try "
                                 "again.")},
         .buttons = {ok}},
        // 10
        folderBrowser({331, 317}, QStringLiteral("Copy Items"), QStringLiteral("Copy")),
        // 11
        folderBrowser({332, 314}, QStringLiteral("Move Items"), QStringLiteral("Move")),
        // 12
        {.size = {351, 172},
         .title = QStringLiteral("Microsoft Office Word"),
         .icon = Icon::Warning,
         .text = {QStringLiteral("A file named 'doc1.doc' already exists in this location. "
                                 "What do you want to do?")},
         .buttons = {ok, cancel},
         .extras =
             {
                 Radio{{56, 46}, QStringLiteral("Replace existing file"), true},
                 Radio{{56, 64}, QStringLiteral("Save changes with a different name"), false},
                 Radio{{56, 82}, QStringLiteral("Merge changes into existing file"), false},
             }},
        // 13
        {.size = {426, 261},
         .title = QStringLiteral("Confirm File Replace"),
         .icon = Icon::Folder,
         .text = {QStringLiteral("This folder already contains a file named 'Doc1'.")},
         .buttons = {yes, no},
         .extras =
             {
                 Label{
                     {56, 46}, 340, QStringLiteral("Would you like to replace the existing file")},
                 Picture{{76, 66}, Icon::WordDocument},
                 Label{{118, 68}, 280, QStringLiteral("24.5 KB\nmodified on 14 March 2008, 10:12")},
                 Label{{56, 112}, 340, QStringLiteral("with this one?")},
                 Picture{{76, 132}, Icon::WordDocument},
                 Label{{118, 134}, 280, QStringLiteral("26.0 KB\nmodified on 2 April 2008, 09:47")},
             }},
        // 14
        {.size = {401, 133},
         .title = QStringLiteral("Rename"),
         .icon = Icon::Warning,
         .text = {QStringLiteral("If you change a file name extension, the file may become "
                                 "unusable."),
                  QStringLiteral("Are you sure you want to change it?")},
         .buttons = {yes, no}},
        // 15
        {.size = {425, 269},
         .title = QStringLiteral("Windows"),
         .icon = Icon::UnknownFile,
         .text = {QStringLiteral("Windows cannot open this file:"),
                  QStringLiteral("File:   Document.abc"),
                  QStringLiteral("To open this file, Windows needs to know what program "
                                 "created it. Windows can go online to look it up "
                                 "automatically, or you can manually select from a list of "
                                 "programs that are installed on your computer."),
                  QStringLiteral("What do you want to do?")},
         .buttons = {ok, cancel},
         .row = ButtonRow::Right,
         .extras =
             {
                 Radio{{62, 144},
                       QStringLiteral("Use the Web service to find the appropriate program"),
                       true},
                 Radio{{62, 164}, QStringLiteral("Select the program from a list"), false},
             }},
        // 16
        {.size = {326, 133},
         .title = QStringLiteral("Error Copying File or Folder"),
         .icon = Icon::Error,
         .text = {QStringLiteral("Cannot copy Doc1: The disk is write-protected."),
                  QStringLiteral("Remove the write-protection or use another disk.")},
         .buttons = {ok}},
    }};
}

void drawFlyingPaper(QPainter &p, const FlyingPaper &strip)
{
    const int iconTop = strip.box.top() + (strip.box.height() - 32) / 2 + 6;
    const QPointF from(strip.box.left() + 14, iconTop);
    const QPointF to(strip.box.right() - 46, iconTop);
    drawIcon(p, strip.from, QRectF(from, QSizeF(32, 32)));
    drawIcon(p, strip.to, QRectF(to, QSizeF(32, 32)));
    // The sheet at the top of its arc from one to the other.
    p.save();
    p.translate((from.x() + to.x()) / 2 + 16, strip.box.top() + 16);
    p.rotate(-18);
    drawIcon(p, Icon::Document, QRectF(-13, -13, 26, 26));
    p.restore();
}

class ExtraPainter
{
public:
    explicit ExtraPainter(QPainter &painter)
        : p(painter)
    {}

    void operator()(const Label &label) const
    {
        xp::drawText(p, QRect(label.at, QSize(label.width, 200)), label.text, label.bold);
    }
    void operator()(const Picture &picture) const
    {
        drawIcon(p, picture.icon, QRectF(picture.at, QSizeF(32, 32)));
    }
    void operator()(const Progress &bar) const { xp::drawProgress(p, bar.box, bar.done); }
    void operator()(const Radio &radio) const
    {
        xp::drawRadio(p, radio.at, radio.text, radio.checked);
    }
    void operator()(const Tree &tree) const { xp::drawTree(p, tree.box, tree.rows); }
    void operator()(const FlyingPaper &strip) const { drawFlyingPaper(p, strip); }
    void operator()(const Button &button) const
    {
        xp::drawButton(p, button.box, button.text, button.isDefault);
    }

private:
    QPainter &p;
};

// The icon, the text beside it and the row of buttons, as a message box lays them out.
void drawMessageParts(QPainter &p, const Dialog &dialog, const QSize &client, QStringList &problems)
{
    const int buttonTop = client.height() - xp::kMargin - xp::kButtonHeight;
    int textLeft = xp::kMargin;
    if (dialog.icon != Icon::None) {
        drawIcon(p, dialog.icon, QRectF(xp::kMargin, xp::kMargin, 32, 32));
        textLeft += 32 + 13;
    }
    if (!dialog.text.isEmpty()) {
        const int width = client.width() - xp::kMargin - textLeft;
        int height = 0;
        for (const QString &paragraph : dialog.text)
            height += xp::textHeight(paragraph, width) + xp::lineHeight();
        height -= xp::lineHeight();
        // Text shorter than the icon stands level with its middle.
        int y = height < 32 ? xp::kMargin + (32 - height) / 2 : xp::kMargin;
        for (const QString &paragraph : dialog.text)
            y += xp::drawText(p, QRect(textLeft, y, width, height), paragraph) + xp::lineHeight();
        if (xp::kMargin + height > buttonTop - 6 && !dialog.buttons.isEmpty())
            problems << QStringLiteral("'%1': the text runs into the buttons").arg(dialog.title);
    }
    if (dialog.buttons.isEmpty())
        return;
    const auto count = static_cast<int>(dialog.buttons.size());
    const int rowWidth = count * xp::kButtonWidth + (count - 1) * xp::kButtonGap;
    if (rowWidth > client.width() - 2 * xp::kMargin)
        problems << QStringLiteral("'%1': the buttons do not fit").arg(dialog.title);
    int x = dialog.row == ButtonRow::Centre ? (client.width() - rowWidth) / 2
                                            : client.width() - xp::kMargin - rowWidth;
    for (int i = 0; i < count; ++i) {
        xp::drawButton(p, QRect(x, buttonTop, xp::kButtonWidth, xp::kButtonHeight),
                       dialog.buttons[i], i == 0);
        x += xp::kButtonWidth + xp::kButtonGap;
    }
}

} // namespace

Screenshot drawScreenshot(int question)
{
    const auto all = dialogs();
    const Dialog &dialog = all.at(static_cast<std::size_t>(question));
    Screenshot shot;
    shot.image = QImage(dialog.size, QImage::Format_RGB32);
    // 96 dots per inch, as on the screen the dialogs were taken from.
    shot.image.setDotsPerMeterX(3780);
    shot.image.setDotsPerMeterY(3780);
    QPainter p(&shot.image);
    if (dialog.chrome == Chrome::TurnOff) {
        drawTurnOffWindow(p, dialog.size, dialog.title, dialog.buttons.value(0));
    } else {
        const QRect client = xp::drawWindow(p, dialog.size, dialog.title);
        p.translate(client.topLeft());
        p.setClipRect(QRect(QPoint(0, 0), client.size()));
        drawMessageParts(p, dialog, client.size(), shot.problems);
        const ExtraPainter painter(p);
        for (const Extra &extra : dialog.extras)
            std::visit(painter, extra);
    }
    p.end();
    return shot;
}

} // namespace zelvarin::artwork
