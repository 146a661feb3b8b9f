#pragma once

#include "sysinfo/sysinfo_launcher.h"
#include "tests/support/scripted_platform.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace zelvarin::testing {

// Where the launcher looks, and what it says when it finds nothing, as its header has them.
inline const std::string kToolKey{SysInfoLauncher::kToolKey};
inline const std::string kToolValue{SysInfoLauncher::kToolValue};
inline const std::string kFolderKey{SysInfoLauncher::kFolderKey};
inline const std::string kFolderValue{SysInfoLauncher::kFolderValue};
inline const std::string kToolFile{SysInfoLauncher::kToolFile};
inline const std::string kUnavailable{SysInfoLauncher::kUnavailable};

// Stored registry values and what GetKeyValue makes of them. The scripted registry and, in
// the Windows build, the real one are both held to this one table.
enum class Outcome { Read, NotRead, Raises };

struct ValueCase
{
    const char *name;
    std::uint32_t type;
    std::string data; // the stored bytes, closing NULs included
    std::string keyValIn;
    Outcome outcome;
    std::string keyValOut;
};

// A table's test named by its row: the name says which row failed.
inline constexpr auto byName = [](const auto &info) { return std::string(info.param.name); };

// The key the tests store their value in, below HKEY_LOCAL_MACHINE, as "Value".
inline constexpr const char *kTestKey = R"(SOFTWARE\Zelvarin Tests\Values)";

// What GetKeyValue makes of the test's value, into keyVal.
inline Outcome readTestValue(SysInfoLauncher &launcher, std::string &keyVal)
{
    try {
        return launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal)
                   ? Outcome::Read
                   : Outcome::NotRead;
    } catch (const SysInfoError &) {
        return Outcome::Raises;
    }
}

inline std::vector<ValueCase> valueCases()
{
    using namespace std::string_literals;
    const std::string x1023(1023, 'x');
    const std::string x1024(1024, 'x');
    return {
        {"StringWithClosingNul", kRegSz, "C:\\Tools\\msinfo32.exe\0"s, "", Outcome::Read,
         "C:\\Tools\\msinfo32.exe"},
        {"StringWithoutNulKeepsLastCharacter", kRegSz, "abc"s, "", Outcome::Read, "abc"},
        {"StringWithTwoNulsKeepsOne", kRegSz, "abc\0\0"s, "", Outcome::Read, "abc\0"s},
        {"StringOfOneNulIsEmpty", kRegSz, "\0"s, "old", Outcome::Read, ""},
        {"StringReplacesEntryText", kRegSz, "new\0"s, "old", Outcome::Read, "new"},
        {"StringOf1024BytesWithNul", kRegSz, x1023 + "\0"s, "", Outcome::Read, x1023},
        {"StringOf1024BytesWithoutNul", kRegSz, x1024, "", Outcome::Read, x1024},
        {"StringOf1025BytesIsNotRead", kRegSz, x1024 + "\0"s, "old", Outcome::NotRead, ""},
        {"StringOfSizeZeroRaises", kRegSz, "", "old", Outcome::Raises, "old"},
        {"Dword258", kRegDword, "\x02\x01\0\0"s, "", Outcome::Read, "258"},
        {"DwordZero", kRegDword, "\0\0\0\0"s, "", Outcome::Read, "0"},
        {"DwordTopBitSetStaysPositive", kRegDword, "\0\0\0\x80"s, "", Outcome::Read, "2147483648"},
        {"DwordAllOnes", kRegDword, "\xFF\xFF\xFF\xFF"s, "", Outcome::Read, "4294967295"},
        {"DwordDigitsFollowEntryText", kRegDword, "\x02\0"s, "1", Outcome::Read, "258"},
        {"DwordEightBytesWithLeadingZeros", kRegDword, "\x02\x01\0\0\0\0\0\0"s, "", Outcome::Read,
         "258"},
        {"DwordWiderThan32BitsRaises", kRegDword, "\0\0\0\0\x01\0\0\0"s, "", Outcome::Raises, ""},
        {"DwordOfOneNulHasNoDigitsAndRaises", kRegDword, "\0"s, "", Outcome::Raises, ""},
        {"DwordOfSizeZeroRaises", kRegDword, "", "old", Outcome::Raises, "old"},
        {"ExpandStringLeavesEntryText", kRegExpandSz, "%SystemRoot%\\x\0"s, "kept", Outcome::Read,
         "kept"},
        {"ExpandStringReadsAsEmpty", kRegExpandSz, "%SystemRoot%\\x\0"s, "", Outcome::Read, ""},
        {"BinaryLeavesEntryText", kRegBinary, "\x01\x02"s, "kept", Outcome::Read, "kept"},
        {"BinaryOfSizeZeroRaises", kRegBinary, "", "kept", Outcome::Raises, "kept"},
    };
}

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

// Machines the System Info button may meet, each with what the launcher must do there. The
// launcher's own test runs every row; the random pupil meets them in an order of its own.
namespace zelvarin::testing::launch {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using Fact = std::function<void(ScriptedPlatform &)>;

inline const std::string kToolPath =
    R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)";
inline const std::string kGone = R"(C:\Gone\msinfo32.exe)";
inline const std::string kTools = R"(C:\Tools)";
inline const std::string kInTools = R"(C:\Tools\MSINFO32.EXE)";
inline const std::string kSystem = R"(C:\Windows\system32)";
inline const std::string kInSystem = R"(C:\Windows\system32\MSINFO32.EXE)";

// A value of the first (tool) or the second (folder) location, stored as given.
inline Fact toolValue(std::uint32_t type, const std::string &data)
{
    return [=](ScriptedPlatform &p) { p.setValue(kToolKey, kToolValue, type, data); };
}
inline Fact folderValue(std::uint32_t type, const std::string &data)
{
    return [=](ScriptedPlatform &p) { p.setValue(kFolderKey, kFolderValue, type, data); };
}
// The tool's file at path, which starts.
inline void placeTool(ScriptedPlatform &p, const std::string &path)
{
    p.plainFiles.insert(path);
    p.startablePrograms.insert(path);
}
// The first location names the program at path, which starts unless told otherwise.
inline Fact toolAt(const std::string &path, bool starts = true)
{
    return [=](ScriptedPlatform &p) {
        toolValue(kRegSz, path + '\0')(p);
        if (starts)
            p.startablePrograms.insert(path);
    };
}
// The second location names folder, where the tool lies (and starts) unless told otherwise.
inline Fact folderAt(const std::string &folder, bool toolThere = true)
{
    return [=](ScriptedPlatform &p) {
        folderValue(kRegSz, folder + '\0')(p);
        if (toolThere)
            placeTool(p, folder + kToolFile);
    };
}
// The system folder, which no registry value names, with the tool unless told otherwise.
inline Fact systemFolder(bool toolThere = true)
{
    return [=](ScriptedPlatform &p) {
        p.systemFolderPath = kSystem;
        if (toolThere)
            placeTool(p, kInSystem);
    };
}
inline Fact keyWithoutValue(const std::string &key)
{
    return [=](ScriptedPlatform &p) { p.key(key); };
}
inline Fact refused(const std::string &key)
{
    return [=](ScriptedPlatform &p) { p.key(key).openStatus = kErrorAccessDenied; };
}
inline Fact plainFile(const std::string &path)
{
    return [=](ScriptedPlatform &p) { p.plainFiles.insert(path); };
}
inline Fact startable(const std::string &path)
{
    return [=](ScriptedPlatform &p) { p.startablePrograms.insert(path); };
}
inline Fact nothingStarts()
{
    return [](ScriptedPlatform &p) { p.startablePrograms.clear(); };
}
inline Fact fileTestThrows()
{
    return [](ScriptedPlatform &p) { p.fileTestThrows = true; };
}

inline const Strings kFirst{kToolKey};
inline const Strings kBoth{kToolKey, kFolderKey};
constexpr bool kMessage = true;
constexpr bool kNoMessage = false;

struct Scenario
{
    const char *name;
    std::vector<Fact> machine;
    Strings keysOpened;
    Strings filesTested;
    Strings startsTried;
    bool message;

    void arrange(ScriptedPlatform &p) const
    {
        for (const Fact &fact : machine)
            fact(p);
    }
};

// clang-format off
inline std::vector<Scenario> scenarios()
{
    const std::string x1024(1024, 'x');
    const std::string twice = R"(C:\Tools\\MSINFO32.EXE)";
    return {
        {"FirstValueStartedWithoutFileTest", {toolAt(kToolPath), folderAt(kSystem)}, kFirst, {}, {kToolPath}, kNoMessage},
        {"FirstValueWithoutNulIsStartedWhole", {toolValue(kRegSz, kToolPath), startable(kToolPath)}, kFirst, {}, {kToolPath}, kNoMessage},
        {"FirstValueNotStartableGivesMessageWithoutSecondLookup", {toolAt(kGone, false), folderAt(kSystem)}, kFirst, {}, {kGone}, kMessage},
        {"OnlySecondLocationStartsToolInFolder", {folderAt(kTools)}, kBoth, {kInTools}, {kInTools}, kNoMessage},
        {"FirstKeyWithoutValueFallsBackToSecond", {keyWithoutValue(kToolKey), folderAt(kTools)}, kBoth, {kInTools}, {kInTools}, kNoMessage},
        {"FirstKeyRefusedFallsBackToSecond", {toolAt(kToolPath), refused(kToolKey), folderAt(kTools)}, kBoth, {kInTools}, {kInTools}, kNoMessage},
        {"FirstValueOf1025BytesFallsBackToSecond", {toolValue(kRegSz, x1024 + '\0'), folderAt(kTools)}, kBoth, {kInTools}, {kInTools}, kNoMessage},
        {"NeitherLocationGivesMessage", {}, kBoth, {}, {}, kMessage},
        {"SecondKeyWithoutValueGivesMessage", {keyWithoutValue(kFolderKey)}, kBoth, {}, {}, kMessage},
        {"SecondKeyRefusedGivesMessage", {folderAt(kTools), refused(kFolderKey)}, kBoth, {}, {}, kMessage},
        {"FolderWithoutToolGivesMessage", {folderAt(kTools, false)}, kBoth, {kInTools}, {}, kMessage},
        {"ToolInFolderNotStartableGivesMessage", {folderAt(kTools), nothingStarts()}, kBoth, {kInTools}, {kInTools}, kMessage},
        {"FirstValueOfSizeZeroGivesMessageWithoutSecondLookup", {toolValue(kRegSz, ""), folderAt(kTools)}, kFirst, {}, {}, kMessage},
        {"SecondValueOfSizeZeroGivesMessageWithoutFileTest", {folderValue(kRegSz, "")}, kBoth, {}, {}, kMessage},
        {"FirstValueOfType2GivesAnEmptyPathNeverStarted", {toolValue(kRegExpandSz, kToolPath + '\0'), folderAt(kTools), startable("")}, kFirst, {}, {}, kMessage},
        {"SecondValueOfType2GivesNoFolder", {folderValue(kRegExpandSz, "%SystemRoot%\\System32\0"s), plainFile(R"(\MSINFO32.EXE)"), startable(R"(\MSINFO32.EXE)")}, kBoth, {}, {}, kMessage},
        {"FolderWithTrailingBackslashGivesTwoBackslashes", {folderAt(R"(C:\Tools\)")}, kBoth, {twice}, {twice}, kNoMessage},
        {"FirstValueOfType4GivesItsDecimalTextNeverStarted", {toolValue(kRegDword, "\x02\x01\0\0"s), startable("258")}, kFirst, {}, {}, kMessage},
        {"FirstValueOfType4TooWideGivesMessage", {toolValue(kRegDword, "\0\0\0\0\x01\0\0\0"s), folderAt(kTools)}, kFirst, {}, {}, kMessage},
        {"FirstValueWithTwoNulsIsStartedWithOneNul", {toolValue(kRegSz, "C:\\T\\m.exe\0\0"s)}, kFirst, {}, {"C:\\T\\m.exe\0"s}, kMessage},
        // A value that is not an absolute path could name anything in the folder the program
        // was started from (a USB stick, Downloads): it counts as not found.
        {"RelativeFirstValueIsNeverStarted", {toolAt("msinfo32.exe")}, kFirst, {}, {}, kMessage},
        {"RootRelativeFirstValueIsNeverStarted", {toolAt(R"(\Tools\msinfo32.exe)")}, kFirst, {}, {}, kMessage},
        {"DriveRelativeFirstValueIsNeverStarted", {toolAt("C:msinfo32.exe")}, kFirst, {}, {}, kMessage},
        {"NetworkPathFirstValueIsStarted", {toolAt(R"(\\server\tools\msinfo32.exe)")}, kFirst, {}, {R"(\\server\tools\msinfo32.exe)"}, kNoMessage},
        {"RelativeFolderIsNeverTested", {folderAt("Tools")}, kBoth, {}, {}, kMessage},
        // Where neither location leads to a tool, the system folder is the last place looked.
        {"NeitherLocationStartsTheToolOfTheSystemFolder", {systemFolder()}, kBoth, {kInSystem}, {kInSystem}, kNoMessage},
        {"SystemFolderWithoutToolGivesMessage", {systemFolder(false)}, kBoth, {kInSystem}, {}, kMessage},
        {"FirstValueNotStartableFallsBackToTheSystemFolder", {toolAt(kGone, false), systemFolder()}, kFirst, {kInSystem}, {kGone, kInSystem}, kNoMessage},
        {"RelativeFirstValueFallsBackToTheSystemFolder", {toolAt("msinfo32.exe"), systemFolder()}, kFirst, {kInSystem}, {kInSystem}, kNoMessage},
        {"FolderWithoutToolFallsBackToTheSystemFolder", {folderAt(kTools, false), systemFolder()}, kBoth, {kInTools, kInSystem}, {kInSystem}, kNoMessage},
        {"FirstValueOfSizeZeroFallsBackToTheSystemFolder", {toolValue(kRegSz, ""), systemFolder()}, kFirst, {kInSystem}, {kInSystem}, kNoMessage},
        {"ErrorRaisedByPlatformGivesMessage", {folderAt(kTools), fileTestThrows()}, kBoth, {kInTools}, {}, kMessage},
    };
}
// clang-format on

} // namespace zelvarin::testing::launch
