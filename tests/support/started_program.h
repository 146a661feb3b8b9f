#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

namespace zelvarin::testing {

// What a program started by a test wrote into the file at path, once it is there: the test
// programs write under another name and rename, so the file is whole when it appears.
// Nothing if it does not appear within a bound.
inline std::optional<std::string> waitForFile(const std::string &path)
{
    for (int i = 0; i < 2000 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace zelvarin::testing
