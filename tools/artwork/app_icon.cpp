#include "app_icon.h"

#include <cstring>

namespace zelvarin::artwork {

namespace {

// Letters for the standard palette: upper case for the bright colours, lower case for the
// dark ones.
int paletteIndex(char c)
{
    switch (c) {
    case 'K': return 0;  // black
    case 'r': return 1;  // maroon
    case 'd': return 2;  // green
    case 'o': return 3;  // olive
    case 'n': return 4;  // navy
    case 'p': return 5;  // purple
    case 't': return 6;  // teal, the dark-cyan screen
    case 'L': return 7;  // silver, the light-grey case
    case 'g': return 8;  // grey
    case 'R': return 9;  // red
    case 'G': return 10; // lime, the power light
    case 'Y': return 11; // yellow
    case 'B': return 12; // blue
    case 'M': return 13; // fuchsia
    case 'C': return 14; // aqua
    case 'W': return 15; // white
    default: return -1;
    }
}

// A grey monitor showing two overlapping windows (blue and cyan title bars), on a system
// unit with a drive slot and a green power light, and a keyboard in front.
const std::vector<const char *> kLarge = {
    "...WWWWWWWWWWWWWWWWWWWWWWWWWK...",
    "...WLLLLLLLLLLLLLLLLLLLLLLLgK...",
    "...WLLLLLLLLLLLLLLLLLLLLLLLgK...",
    "...WLLgggggggggggggggggggWLgK...",
    "...WLLgttttttttttttttttttWLgK...",
    "...WLLgtBBBBBBBBBKtttttttWLgK...",
    "...WLLgtBBBBBBBBBKtttttttWLgK...",
    "...WLLgtWWWWWWWWWKtttttttWLgK...",
    "...WLLgtWWWWWCCCCCCCCCKttWLgK...",
    "...WLLgtWWWWWCCCCCCCCCKttWLgK...",
    "...WLLgtWWWWWgWWWWWWWWKttWLgK...",
    "...WLLgtKKKKKgWWWWWWWWKttWLgK...",
    "...WLLgttttttgWWWWWWWWKttWLgK...",
    "...WLLgttttttgWWWWWWWWKttWLgK...",
    "...WLLgttttttgKKKKKKKKKttWLgK...",
    "...WLLgttttttttttttttttttWLgK...",
    "...WLLWWWWWWWWWWWWWWWWWWWWLgK...",
    "...WLLLLLLLLLLLLLLLLLLLLLLLgK...",
    "...WggggggggggggggggggggggggK...",
    "...WKKKKKKKKKKKKKKKKKKKKKKKKK...",
    "............gggggggg............",
    ".WWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.",
    ".WLLLLLLLLLLLLLLLLLLLLLLLLLLLgK.",
    ".WLLLKKKKKKKKKKLLLLLLLLLLGGLLgK.",
    ".WLLLLLLLLLLLLLLLLLLLLLLLLLLLgK.",
    ".WggggggggggggggggggggggggggggK.",
    ".WKKKKKKKKKKKKKKKKKKKKKKKKKKKKK.",
    "......WWWWWWWWWWWWWWWWWWWW......",
    ".....WLgLgLgLgLgLgLgLgLgLLK.....",
    "....WLgLgLgLgLgLgLgLgLgLgLLK....",
    "...WLgLgLgLgLgLgLgLgLgLgLgLLK...",
    "...KKKKKKKKKKKKKKKKKKKKKKKKKK...",
};

// The same monitor above a keyboard, without the system unit.
const std::vector<const char *> kSmall = {
    ".WWWWWWWWWWWWWK.",
    ".WLLLLLLLLLLLgK.",
    ".WLttttttttttgK.",
    ".WLtBBBBBttttgK.",
    ".WLtWWWWWttttgK.",
    ".WLtWWWCCCCCtgK.",
    ".WLtWWWWWWWWtgK.",
    ".WLttttWWWWWtgK.",
    ".WLttttWWWWWtgK.",
    ".WggggggggggggK.",
    ".WKKKKKKKKKKKKK.",
    "......gggg......",
    "...WWWWWWWWWW...",
    "..WLgLgLgLgLLK..",
    ".WLgLgLgLgLgLLK.",
    ".KKKKKKKKKKKKKK.",
};

} // namespace

IconImage iconFromRows(const std::vector<const char *> &rows, QString &error)
{
    IconImage image;
    const auto height = static_cast<int>(rows.size());
    const auto width = height == 0 ? 0 : static_cast<int>(std::strlen(rows.front()));
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(std::strlen(rows[y])) != width) {
            error = QStringLiteral("row %1 is not %2 characters long").arg(y).arg(width);
            return {};
        }
        for (int x = 0; x < width; ++x) {
            const char c = rows[y][x];
            const int index = c == '.' ? 0 : paletteIndex(c);
            if (index < 0) {
                error = QStringLiteral("unknown colour '%1' at %2, %3").arg(c).arg(x).arg(y);
                return {};
            }
            image.indices.push_back(static_cast<std::uint8_t>(index));
            image.transparent.push_back(c == '.');
        }
    }
    image.width = width;
    image.height = height;
    return image;
}

std::vector<IconImage> applicationIcon(QString &error)
{
    return {iconFromRows(kLarge, error), iconFromRows(kSmall, error)};
}

} // namespace zelvarin::artwork
