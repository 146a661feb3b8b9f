#pragma once

#include <QString>

#include <string_view>

namespace zelvarin::ui {

// The quiz keeps its texts as UTF-8 in the standard library's strings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zelvarin::ui
