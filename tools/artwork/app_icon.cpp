#include "tools/artwork/app_icon.h"

#include "packaging/icons/hicolor_icons.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace zelvarin::artwork {

namespace {

// One letter per colour of the standard palette, at the colour's index: upper case for the
// bright colours, lower case for the dark ones. K black, r maroon, d green, o olive, n navy,
// p purple, t teal (the dark-cyan screen), L silver (the light-grey case), g grey, R red,
// G lime (the power light), Y yellow, B blue, M fuchsia, C aqua, W white.
constexpr std::string_view kColourLetters = "KrdonptLgRGYBMCW";

// clang-format off
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
// clang-format on

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
            const std::size_t letter = kColourLetters.find(c);
            if (c != '.' && letter == std::string_view::npos) {
                error = QStringLiteral("unknown colour '%1' at %2, %3").arg(c).arg(x).arg(y);
                return {};
            }
            image.indices.push_back(c == '.' ? 0 : static_cast<std::uint8_t>(letter));
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

IconImage enlarged(const IconImage &image, int factor)
{
    IconImage result;
    result.width = image.width * factor;
    result.height = image.height * factor;
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            const auto from = static_cast<std::size_t>(y / factor) * image.width + x / factor;
            result.indices.push_back(image.indices[from]);
            result.transparent.push_back(image.transparent[from]);
        }
    }
    return result;
}

std::vector<IconImage> programIcon(QString &error)
{
    const std::vector<IconImage> sources = applicationIcon(error);
    std::vector<IconImage> images;
    for (const packaging::HicolorSize &size : packaging::kHicolorSizes) {
        const auto source = std::find_if(sources.begin(), sources.end(), [&](const IconImage &i) {
            return i.width == size.sourceSize;
        });
        if (source == sources.end()) {
            error = QStringLiteral("no %1 x %1 image to enlarge").arg(size.sourceSize);
            return {};
        }
        images.push_back(enlarged(*source, size.factor));
    }
    return images;
}

} // namespace zelvarin::artwork
