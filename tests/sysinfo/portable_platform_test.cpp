#include "sysinfo/portable_platform.h"
#include "sysinfo/sysinfo_launcher.h"
#include "sysinfo/system_platform.h"
#include "tests/support/launch_scenarios.h"

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

using namespace std::string_literals;

// A folder name that is not valid UTF-8: paths are bytes, and must stay so.
constexpr const char *kNotUtf8 = "bin \xff\xfe";

enum class Kind { Executable, PlainFile, Folder };

struct Entry
{
    std::string path; // below the test's folder; "./name" lies in the folder itself
    Kind kind;
    bool found = false; // the tool the registry must name
};
const auto exe = [](const std::string &path) { return Entry{path, Kind::Executable}; };
const auto found = [](const std::string &path) { return Entry{path, Kind::Executable, true}; };
const auto file = [](const std::string &path) { return Entry{path, Kind::PlainFile}; };
const auto dir = [](const std::string &path) { return Entry{path, Kind::Folder}; };

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
        std::string path = in(entry.path);
        if (entry.kind == Kind::Folder) {
            fs::create_directories(path);
            return path;
        }
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << script;
        ::chmod(path.c_str(), entry.kind == Kind::Executable ? 0700 : 0600);
        return path;
    }

    // The launcher over the platform the factory picks: the boxes it showed.
    static std::vector<Shown> startSysInfo()
    {
        const auto platform = makeSystemPlatform();
        RecordingMessages messages;
        SysInfoLauncher(*platform, messages).StartSysInfo();
        return messages.shown;
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
    std::vector<Entry> entries; // none found: no tool
    std::vector<std::string> path = {"@bin 0", "@bin 1"};
};

class PortableToolChoice : public PortablePlatform, public ::testing::WithParamInterface<ToolChoice>
{};

TEST_P(PortableToolChoice, RegistryNamesTheFirstToolFound)
{
    const ToolChoice &c = GetParam();
    setPath(c.path);
    std::string expected;
    for (const Entry &entry : c.entries) {
        const std::string placed = place(entry);
        expected = entry.found ? placed : expected;
    }

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
INSTANTIATE_TEST_SUITE_P(Tools, PortableToolChoice, ::testing::ValuesIn(std::vector<ToolChoice>{
    {"NoneInstalled", {}},
    {"OnlyGnomeSystemMonitor", {found("bin 1/gnome-system-monitor")}},
    {"Hardinfo2BeforeHardinfo", {exe("bin 0/hardinfo"), found("bin 1/hardinfo2")}},
    {"HardinfoBeforeKinfocenter", {exe("bin 0/kinfocenter"), found("bin 0/hardinfo")}},
    {"KinfocenterBeforeGnomeSystemMonitor",
     {exe("bin 0/gnome-system-monitor"), found("bin 1/kinfocenter")}},
    {"NonExecutableFileSkipped", {file("bin 0/hardinfo2"), found("bin 1/kinfocenter")}},
    {"FolderNamedLikeAToolSkipped", {dir("bin 0/hardinfo2"), found("bin 1/gnome-system-monitor")}},
    {"LaterPathFolderHoldsTheExecutableOne", {file("bin 0/hardinfo"), found("bin 1/hardinfo")}},
    {"OnlyNonToolsPresent", {exe("bin 0/msinfo32"), dir("bin 0/kinfocenter")}},
    // The PATH is bytes: a folder name that is not UTF-8 is found and named unchanged.
    {"FolderNameNotUtf8", {found(kNotUtf8 + "/kinfocenter"s)}, {"@"s + kNotUtf8}},
    // Empty and relative entries lead to the current folder or below it, where anybody may
    // have planted a program: skipped, so only the later absolute folder counts.
    {"CurrentFolderAsDotSkipped",
     {exe("./hardinfo2"), found("bin 1/gnome-system-monitor")}, {".", "@bin 1"}},
    {"RelativeFolderSkipped",
     {exe("sub/hardinfo2"), found("bin 1/gnome-system-monitor")}, {"sub", "@bin 1"}},
    {"EmptyEntrySkipped",
     {exe("./hardinfo2"), found("bin 1/gnome-system-monitor")}, {"", "@bin 1"}},
    {"OnlyRelativeEntries", {exe("./hardinfo2"), exe("sub/hardinfo")}, {".", "sub", ""}}}),
    byName);
// clang-format on

// The registry around that one value.

TEST_F(PortablePlatform, RegistryHoldsOnlyTheToolsKeyForReading)
{
    place(exe("bin 0/hardinfo"));
    RegKey key{};
    const RegKey currentUser{static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001U))};
    EXPECT_EQ(platform.regOpenKeyEx(currentUser, kToolKey, 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kFolderKey, 0, kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, R"(software\microsoft\shared tools\msinfo)",
                                    0, kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, 0x2003F, key),
              kErrorAccessDenied);

    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, 0x20019, key), kErrorSuccess);
    std::array<std::uint8_t, 16> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, kFolderValue, type, buffer.data(), size),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, SmallBufferGetsMoreDataAndAClosedKeyIsGone)
{
    const std::string tool = place(exe("bin 0/hardinfo"));
    RegKey first{};
    RegKey second{};
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, first),
              kErrorSuccess);
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, second),
              kErrorSuccess);
    EXPECT_NE(first, second);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = 4;
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(first, kToolValue, type, buffer.data(), size),
              kErrorMoreData);
    EXPECT_EQ(size, tool.size() + 1);
    size = 0;
    EXPECT_EQ(platform.regQueryValueEx(first, kToolValue, type, nullptr, size), kErrorSuccess);
    EXPECT_EQ(size, tool.size() + 1);

    EXPECT_EQ(platform.regCloseKey(first), kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(first), kErrorInvalidHandle);
    size = buffer.size();
    EXPECT_EQ(platform.regQueryValueEx(first, kToolValue, type, buffer.data(), size),
              kErrorInvalidHandle);
    EXPECT_EQ(platform.regQueryValueEx(second, kToolValue, type, buffer.data(), size),
              kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(second), kErrorSuccess);
}

// The file test and the program start.

TEST_F(PortablePlatform, FileTestAcceptsOnlyVisiblePlainFiles)
{
    const std::string plain = place(file("bin 0/tool"));
    EXPECT_TRUE(platform.isPlainFile(plain));
    EXPECT_TRUE(platform.isPlainFile(place(file(kNotUtf8 + "/tool"s))));
    EXPECT_FALSE(platform.isPlainFile(place(dir("bin 0/folder"))));
    EXPECT_FALSE(platform.isPlainFile(place(exe("bin 0/.hidden"))));
    EXPECT_FALSE(platform.isPlainFile(plain + ".missing"));
    EXPECT_FALSE(platform.isPlainFile(plain + '\0'));
    EXPECT_FALSE(platform.isPlainFile(""));
}

TEST_F(PortablePlatform, StartRunsExactlyThatFileWithNoArguments)
{
    // The folder's name has a blank and is not UTF-8; the program writes how many arguments
    // it got, and renames the file when it is complete.
    const std::string tool =
        place(exe(kNotUtf8 + "/system tool"s),
              "#!/bin/sh\necho $# > \"${0%/*}/ran.part\" && /bin/mv \"${0%/*}/ran.part\" "
              "\"${0%/*}/ran\"\n");
    ASSERT_TRUE(platform.startProgram(tool, kShowNormal));
    EXPECT_EQ(waitForFile(in(std::string(kNotUtf8) + "/ran")), "0\n");
}

TEST_F(PortablePlatform, StartOfWhatCannotRunFails)
{
    EXPECT_FALSE(platform.startProgram(in("bin 0/missing"), kShowNormal));
    EXPECT_FALSE(platform.startProgram(place(file("bin 0/plain")), kShowNormal));
    EXPECT_FALSE(platform.startProgram("", kShowNormal));
    // A bare name is not looked up on the PATH.
    place(exe("bin 0/hardinfo"));
    EXPECT_FALSE(platform.startProgram("hardinfo", kShowNormal));
}

// The launcher over the platform the factory picks.

TEST_F(PortablePlatform, LauncherStartsTheToolFoundOnThePath)
{
    place(exe("bin 0/kinfocenter"), "#!/bin/sh\n: > \"${0%/*}/ran\"\n");
    EXPECT_TRUE(startSysInfo().empty());
    EXPECT_TRUE(waitForFile(in("bin 0/ran")));
}

TEST_F(PortablePlatform, LauncherWithoutToolShowsTheMessage)
{
    place(file("bin 0/hardinfo"));
    EXPECT_EQ(startSysInfo(), (std::vector<Shown>{{kUnavailable, "", MessageIcon::None}}));
}

} // namespace
} // namespace zelvarin::testing
