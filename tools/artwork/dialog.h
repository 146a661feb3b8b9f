#pragma once

#include "tools/artwork/icons.h"
#include "tools/artwork/xp_look.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

// How one dialog window is described: the parts every message box has, and a list of the
// extras some dialogs carry, placed in coordinates of the client area.
namespace zelvarin::artwork {

enum class Chrome { Window, TurnOff };
enum class ButtonRow { Centre, Right };

struct Label
{
    QPoint at;
    int width = 0;
    QString text;
    bool bold = false;
};

struct Picture
{
    QPoint at;
    Icon icon = Icon::None;
};

struct Progress
{
    QRect box;
    double done = 0;
};

struct Radio
{
    QPoint at;
    QString text;
    bool checked = false;
};

struct Tree
{
    QRect box;
    std::vector<xp::TreeRow> rows;
};

// The animation strip of the copy, move and delete progress windows: a sheet of paper
// half-way between its source and its target.
struct FlyingPaper
{
    QRect box;
    Icon from = Icon::Folder;
    Icon to = Icon::Folder;
};

struct Button
{
    QRect box;
    QString text;
    bool isDefault = false;
};

using Extra = std::variant<Label, Picture, Progress, Radio, Tree, FlyingPaper, Button>;

struct Dialog
{
    QSize size{};
    QString title{};
    Icon icon = Icon::None;
    QStringList text{};    // paragraphs beside the icon, a blank line between two
    QStringList buttons{}; // the bottom row, left to right; the first one is the default
    ButtonRow row = ButtonRow::Centre;
    std::vector<Extra> extras{};
    Chrome chrome = Chrome::Window;
};

} // namespace zelvarin::artwork
