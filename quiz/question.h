#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zelvarin {

inline constexpr int kQuestionCount = 17;
inline constexpr int kStepCount = 7; // questions asked in one test
inline constexpr int kOptionCount = 3;

// The three answers of a question, top to bottom. A question's key names one of them by
// its control name, the literal text "aa", "bb" or "cc".
enum class OptionName { aa, bb, cc };

inline constexpr std::array<OptionName, kOptionCount> kOptionNames{OptionName::aa, OptionName::bb,
                                                                   OptionName::cc};

constexpr std::size_t indexOf(OptionName n)
{
    return static_cast<std::size_t>(n);
}

constexpr std::string_view nameOf(OptionName n)
{
    constexpr std::array<std::string_view, kOptionCount> names{"aa", "bb", "cc"};
    return names[indexOf(n)];
}

// Whether a key names the option. The key is compared case-sensitively and untrimmed: "AA"
// or "aa " name no option.
constexpr bool keyNames(std::string_view key, OptionName n)
{
    return nameOf(n) == key;
}

// One row of the question bank. Texts are UTF-8, byte for byte as the pupil reads them.
struct Question
{
    std::string_view labelName; // name of the label that shows the question line
    std::string_view questionLine;
    std::array<std::string_view, kOptionCount> options; // aa, bb, cc
    std::string_view key;                               // "aa", "bb" or "cc"
    std::string_view screenshot;                        // resource name of the dialog's picture
    int screenshotWidth;                                // pixel size of that picture
    int screenshotHeight;
    std::string_view screenshotDescription; // what the picture shows, for a screen reader

    std::string_view option(OptionName n) const { return options[indexOf(n)]; }
};

} // namespace zelvarin
