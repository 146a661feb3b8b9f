#include "sysinfo/portable_platform.h"
#include "sysinfo/sysinfo_launcher.h"
#include "sysinfo/system_platform.h"
#include "tests/support/recording_ports.h"
#include "tests/support/started_program.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zelvarin::testing {
namespace {

namespace fs = std::filesystem;

const std::string kToolKey{SysInfoLauncher::kToolKey};
const std::string kFolderKey{SysInfoLauncher::kFolderKey};
const std::string kToolValue{SysInfoLauncher::kToolValue};
const std::string kFolderValue{SysInfoLauncher::kFolderValue};
// A folder name that is not valid UTF-8: paths are bytes, and must stay so.
constexpr const char *kNotUtf8 = "bin \xff\xfe";

enum class Kind { Executable, PlainFile, Folder };

struct Entry
{
    std::string folder; // below the test's folder; "." is the folder itself
    const char *name;
    Kind kind;
};

// Each test runs in a temporary folder of its own, which is also the current folder, with a
// PATH of its own; both come back afterwards. With no system folder on the PATH, test
// programs use shell builtins or absolute paths only.
class PortablePlatform : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zelvarin-path-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_temp = pattern;
        if (const char *path = std::getenv("PATH"))
            m_savedPath = path;
        m_savedFolder = fs::current_path();
        fs::current_path(m_temp);
        setPath({"@bin 0", "@bin 1"});
    }
    void TearDown() override
    {
        fs::current_path(m_savedFolder);
        if (m_savedPath)
            ::setenv("PATH", m_savedPath->c_str(), 1);
        else
            ::unsetenv("PATH");
        fs::remove_all(m_temp);
    }

    std::string in(const std::string &relative) const { return m_temp + '/' + relative; }

    // "@name" is the folder of that name below the test's folder, given absolute; any other
    // entry goes onto the PATH as it is.
    void setPath(const std::vector<std::string> &entries) const
    {
        std::string path;
        for (const std::string &e : entries) {
            if (&e != &entries.front())
                path += ':';
            path += e.starts_with('@') ? in(e.substr(1)) : e;
        }
        ::setenv("PATH", path.c_str(), 1);
    }

    std::string place(const Entry &entry, const std::string &script = "#!/bin/sh\n") const
    {
        std::string path = in(entry.folder + '/' + entry.name);
        if (entry.kind == Kind::Folder) {
            fs::create_directories(path);
            return path;
        }
        fs::create_directories(in(entry.folder));
        std::ofstream(path, std::ios::binary) << script;
        ::chmod(path.c_str(), entry.kind == Kind::Executable ? 0700 : 0600);
        return path;
    }

    PortableSysInfoPlatform platform;
    std::string m_temp;
    std::optional<std::string> m_savedPath;
    fs::path m_savedFolder;
};

// Which tool is chosen.

struct ToolChoice
{
    const char *name;
    std::vector<Entry> entries;
    std::string chosen; // below the test's folder; empty: no tool
    std::vector<std::string> path = {"@bin 0", "@bin 1"};
};

std::ostream &operator<<(std::ostream &out, const ToolChoice &c)
{
    return out << c.name;
}

class PortableToolChoice : public PortablePlatform, public ::testing::WithParamInterface<ToolChoice>
{};

TEST_P(PortableToolChoice, RegistryNamesTheFirstToolFound)
{
    const ToolChoice &c = GetParam();
    setPath(c.path);
    for (const Entry &entry : c.entries)
        place(entry);
    const std::string expected = c.chosen.empty() ? std::string() : in(c.chosen);

    RegKey key{};
    const RegStatus opened = platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, key);
    if (expected.empty()) {
        EXPECT_EQ(opened, kErrorFileNotFound);
        return;
    }
    ASSERT_EQ(opened, kErrorSuccess);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    ASSERT_EQ(platform.regQueryValueEx(key, kToolValue, type, buffer.data(), size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    ASSERT_EQ(size, expected.size() + 1);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), expected + '\0');
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tools, PortableToolChoice, ::testing::Values(
    ToolChoice{"NoneInstalled", {}, ""},
    ToolChoice{"OnlyGnomeSystemMonitor", {{"bin 1", "gnome-system-monitor", Kind::Executable}}, "bin 1/gnome-system-monitor"},
    ToolChoice{"Hardinfo2BeforeHardinfo", {{"bin 0", "hardinfo", Kind::Executable}, {"bin 1", "hardinfo2", Kind::Executable}}, "bin 1/hardinfo2"},
    ToolChoice{"HardinfoBeforeKinfocenter", {{"bin 0", "kinfocenter", Kind::Executable}, {"bin 0", "hardinfo", Kind::Executable}}, "bin 0/hardinfo"},
    ToolChoice{"KinfocenterBeforeGnomeSystemMonitor", {{"bin 0", "gnome-system-monitor", Kind::Executable}, {"bin 1", "kinfocenter", Kind::Executable}}, "bin 1/kinfocenter"},
    ToolChoice{"NonExecutableFileSkipped", {{"bin 0", "hardinfo2", Kind::PlainFile}, {"bin 1", "kinfocenter", Kind::Executable}}, "bin 1/kinfocenter"},
    ToolChoice{"FolderNamedLikeAToolSkipped", {{"bin 0", "hardinfo2", Kind::Folder}, {"bin 1", "gnome-system-monitor", Kind::Executable}}, "bin 1/gnome-system-monitor"},
    ToolChoice{"LaterPathFolderHoldsTheExecutableOne", {{"bin 0", "hardinfo", Kind::PlainFile}, {"bin 1", "hardinfo", Kind::Executable}}, "bin 1/hardinfo"},
    ToolChoice{"OnlyNonToolsPresent", {{"bin 0", "msinfo32", Kind::Executable}, {"bin 0", "kinfocenter", Kind::Folder}}, ""},
    // The PATH is bytes: a folder name that is not UTF-8 is found and named unchanged.
    ToolChoice{"FolderNameNotUtf8", {{kNotUtf8, "kinfocenter", Kind::Executable}}, std::string(kNotUtf8) + "/kinfocenter", {std::string("@") + kNotUtf8}},
    // Empty and relative entries lead to the current folder or below it, where anybody may
    // have planted a program: skipped, so only the later absolute folder counts.
    ToolChoice{"CurrentFolderAsDotSkipped", {{".", "hardinfo2", Kind::Executable}, {"bin 1", "gnome-system-monitor", Kind::Executable}}, "bin 1/gnome-system-monitor", {".", "@bin 1"}},
    ToolChoice{"RelativeFolderSkipped", {{"sub", "hardinfo2", Kind::Executable}, {"bin 1", "gnome-system-monitor", Kind::Executable}}, "bin 1/gnome-system-monitor", {"sub", "@bin 1"}},
    ToolChoice{"EmptyEntrySkipped", {{".", "hardinfo2", Kind::Executable}, {"bin 1", "gnome-system-monitor", Kind::Executable}}, "bin 1/gnome-system-monitor", {"", "@bin 1"}},
    ToolChoice{"OnlyRelativeEntries", {{".", "hardinfo2", Kind::Executable}, {"sub", "hardinfo", Kind::Executable}}, "", {".", "sub", ""}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// The registry around that one value.

TEST_F(PortablePlatform, RegistryHoldsNoOtherKeyOrValue)
{
    place({"bin 0", "hardinfo", Kind::Executable});
    RegKey key{};
    const RegKey currentUser{static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001U))};
    EXPECT_EQ(platform.regOpenKeyEx(currentUser, kToolKey, 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kFolderKey, 0, kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, R"(software\microsoft\shared tools\msinfo)",
                                    0, kKeyRead, key),
              kErrorFileNotFound);

    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, key), kErrorSuccess);
    std::array<std::uint8_t, 16> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, kFolderValue, type, buffer.data(), size),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, SmallBufferGetsMoreDataAndTheSizeNeeded)
{
    const std::string tool = place({"bin 0", "hardinfo", Kind::Executable});
    RegKey key{};
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, key), kErrorSuccess);
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, kToolValue, type, buffer.data(), size), kErrorMoreData);
    EXPECT_EQ(size, tool.size() + 1);
    size = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, kToolValue, type, nullptr, size), kErrorSuccess);
    EXPECT_EQ(size, tool.size() + 1);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, KeyOpensForReadingOnly)
{
    place({"bin 0", "hardinfo", Kind::Executable});
    RegKey key{};
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, 0x2003F, key),
              kErrorAccessDenied);
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, 0x20019, key), kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, ClosedKeyIsGone)
{
    place({"bin 0", "hardinfo", Kind::Executable});
    RegKey first{};
    RegKey second{};
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, first),
              kErrorSuccess);
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, second),
              kErrorSuccess);
    EXPECT_NE(first, second);
    EXPECT_EQ(platform.regCloseKey(first), kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(first), kErrorInvalidHandle);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(first, kToolValue, type, buffer.data(), size),
              kErrorInvalidHandle);
    EXPECT_EQ(platform.regQueryValueEx(second, kToolValue, type, buffer.data(), size),
              kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(second), kErrorSuccess);
}

// The file test and the program start.

TEST_F(PortablePlatform, FileTestAcceptsOnlyVisiblePlainFiles)
{
    const std::string file = place({"bin 0", "tool", Kind::PlainFile});
    EXPECT_TRUE(platform.isPlainFile(file));
    EXPECT_TRUE(platform.isPlainFile(place({kNotUtf8, "tool", Kind::PlainFile})));
    EXPECT_FALSE(platform.isPlainFile(place({"bin 0", "folder", Kind::Folder})));
    EXPECT_FALSE(platform.isPlainFile(place({"bin 0", ".hidden", Kind::Executable})));
    EXPECT_FALSE(platform.isPlainFile(file + ".missing"));
    EXPECT_FALSE(platform.isPlainFile(file + '\0'));
    EXPECT_FALSE(platform.isPlainFile(""));
}

TEST_F(PortablePlatform, StartRunsExactlyThatFileWithNoArguments)
{
    // The folder's name has a blank and is not UTF-8; the program writes how many arguments
    // it got, and renames the file when it is complete.
    const std::string tool =
        place({kNotUtf8, "system tool", Kind::Executable},
              "#!/bin/sh\necho $# > \"${0%/*}/ran.part\" && /bin/mv \"${0%/*}/ran.part\" "
              "\"${0%/*}/ran\"\n");
    ASSERT_TRUE(platform.startProgram(tool, kShowNormal));
    EXPECT_EQ(waitForFile(in(std::string(kNotUtf8) + "/ran")), "0\n");
}

TEST_F(PortablePlatform, StartOfWhatCannotRunFails)
{
    EXPECT_FALSE(platform.startProgram(in("bin 0/missing"), kShowNormal));
    EXPECT_FALSE(platform.startProgram(place({"bin 0", "plain", Kind::PlainFile}), kShowNormal));
    EXPECT_FALSE(platform.startProgram("", kShowNormal));
}

TEST_F(PortablePlatform, BareNameIsNotLookedUpOnThePath)
{
    place({"bin 0", "hardinfo", Kind::Executable});
    EXPECT_FALSE(platform.startProgram("hardinfo", kShowNormal));
}

// The launcher over the platform the factory picks.

TEST_F(PortablePlatform, LauncherStartsTheToolFoundOnThePath)
{
    place({"bin 0", "kinfocenter", Kind::Executable}, "#!/bin/sh\n: > \"${0%/*}/ran\"\n");
    const auto platform = makeSystemPlatform();
    RecordingMessages messages;
    SysInfoLauncher launcher(*platform, messages);
    launcher.StartSysInfo();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(waitForFile(in("bin 0/ran")));
}

TEST_F(PortablePlatform, LauncherWithoutToolShowsTheMessage)
{
    place({"bin 0", "hardinfo", Kind::PlainFile});
    const auto platform = makeSystemPlatform();
    RecordingMessages messages;
    SysInfoLauncher launcher(*platform, messages);
    launcher.StartSysInfo();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, SysInfoLauncher::kUnavailable);
}

} // namespace
} // namespace zelvarin::testing
