#pragma once

#include "quiz/ports.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zelvarin::testing {

// A box as it was shown; a test compares the boxes it expects with these, whole.
struct Shown
{
    std::string text;
    std::string title;
    MessageIcon icon;

    bool operator==(const Shown &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Shown &s)
{
    return out << '"' << s.text << "\" titled \"" << s.title << "\" icon "
               << static_cast<int>(s.icon);
}

// Answers every box at once and records it. whileOpen runs while the box "is open", so a
// test can look at the window (or act on it) at that moment.
class RecordingMessages final : public MessagePort
{
public:
    std::vector<Shown> shown;
    std::function<void(const Shown &)> whileOpen;

    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        shown.push_back({std::string(text), std::string(title), icon});
        if (whileOpen)
            whileOpen(shown.back());
    }
};

class RecordingExit final : public ProgramExit
{
public:
    int calls = 0;
    void exitNow() override { ++calls; }
};

} // namespace zelvarin::testing
