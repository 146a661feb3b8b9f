#include "sysinfo/sysinfo_launcher.h"
#include "sysinfo/windows_platform.h"
#include "tests/support/launch_scenarios.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// tlhelp32.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

namespace zelvarin::testing {
namespace {

using namespace std::string_literals;
using launch::kBoth;
using launch::kFirst;
using launch::Strings;

constexpr const char *kTestRoot = R"(SOFTWARE\Zelvarin Tests)";

bool isOpenHandle(RegKey key);

// The real platform, its calls recorded.
class WinePlatform final : public RecordingPlatform
{
public:
    WindowsSysInfoPlatform real;
    // The real system folder holds Wine's own msinfo32.exe; a test of the message gives an
    // empty folder of its own instead.
    std::optional<std::string> systemFolderInstead;
    std::string systemFolder() override
    {
        return systemFolderInstead.value_or(real.systemFolder());
    }

    // The registry used by its rules (opened for reading, every key closed once, the system
    // taking the close), and every handle gone.
    void expectAllClosed() const
    {
        EXPECT_EQ(brokenRegistryRule(), "");
        for (const OpenCall &open : opens)
            EXPECT_FALSE(open.opened && isOpenHandle(open.key));
    }

protected:
    RegStatus openKey(RegKey root, const std::string &subKey, std::uint32_t options,
                      std::uint32_t access, RegKey &result) override
    {
        return real.regOpenKeyEx(root, subKey, options, access, result);
    }
    RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                         std::uint8_t *data, std::uint32_t &dataSize) override
    {
        return real.regQueryValueEx(key, valueName, type, data, dataSize);
    }
    RegStatus closeKey(RegKey key) override { return real.regCloseKey(key); }
    bool testFile(const std::string &path) override { return real.isPlainFile(path); }
    bool start(const std::string &path, int showCommand) override
    {
        return real.startProgram(path, showCommand);
    }
};

// Whether a handle is open: asking for its flags changes nothing, and fails for a handle that
// was closed (Wine counts no handles, so a leak cannot be seen in a total).
bool isOpenHandle(RegKey key)
{
    DWORD flags = 0;
    // A handle is a number the system hands out, not an address.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto handle = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(key));
    return GetHandleInformation(handle, &flags) != FALSE;
}

std::string tempFolder()
{
    std::array<char, MAX_PATH + 1> buffer{};
    const DWORD length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    return std::string(buffer.data(), length) + "zelvarin sysinfo test";
}

std::string folderOf(const std::string &path)
{
    return path.substr(0, path.find_last_of('\\'));
}

std::string ownFolder()
{
    std::array<char, MAX_PATH> buffer{};
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return folderOf(std::string(buffer.data(), length));
}

// Removes the test's folder; files made read-only, hidden or system are made plain first.
void removeFolder(const std::string &path)
{
    std::error_code error;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(path, error)) {
        SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path, error);
}

// Values written into the real HKEY_LOCAL_MACHINE for one test and removed after it. The
// two locations the launcher reads are emptied for the test; Wine's own (empty) MSINFO key
// stays, only its PATH value is removed.
class WineRegistry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Bind the registry functions now, so that binding opens nothing during a test.
        RegKey unused{};
        platform.real.regOpenKeyEx(kHKeyLocalMachine, R"(SOFTWARE\Zelvarin No Such Key)", 0,
                                   kKeyRead, unused);
        removeLocations();
        removeFolder(tempFolder());
        ASSERT_TRUE(std::filesystem::create_directory(tempFolder()));
    }
    void TearDown() override
    {
        removeLocations();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestRoot);
        removeFolder(tempFolder());
    }
    static void removeLocations()
    {
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kToolKey.c_str(), kToolValue.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kFolderKey.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFolderKey.c_str());
    }

    static void writeValue(const std::string &keyName, const std::string &valueName,
                           std::uint32_t type, const std::string &data)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const LONG status = RegSetValueExA(key, valueName.c_str(), 0, type,
                                           reinterpret_cast<const BYTE *>(data.data()),
                                           static_cast<DWORD>(data.size()));
        RegCloseKey(key);
        ASSERT_EQ(status, ERROR_SUCCESS);
    }

    // The marker tool copied to path, its folder made first.
    static void placeMarkerTool(const std::string &path)
    {
        std::filesystem::create_directories(folderOf(path));
        EXPECT_TRUE(std::filesystem::copy_file(ownFolder() + "\\zelvarin_marker_tool.exe", path));
    }

    WinePlatform platform;
    RecordingMessages messages;
    SysInfoLauncher launcher{platform, messages};
};

// GetKeyValue on the same stored values as over the scripted registry.

class WineRegistryValue : public WineRegistry, public ::testing::WithParamInterface<ValueCase>
{};

TEST_P(WineRegistryValue, GivesTheSameOutcomeAsTheScriptedRegistry)
{
    const ValueCase &c = GetParam();
    writeValue(kTestKey, "Value", c.type, c.data);

    // Through the ANSI functions Wine hands back a string stored without its closing NUL
    // with one added, so a string of 1024 bytes without NUL needs 1025 and is not read.
    const Outcome expected =
        std::string_view(c.name) == "StringOf1024BytesWithoutNul" ? Outcome::NotRead : c.outcome;
    const std::string expectedText = expected == c.outcome ? c.keyValOut : "";

    std::string keyVal = c.keyValIn;
    EXPECT_EQ(readTestValue(launcher, keyVal), expected);
    EXPECT_EQ(keyVal, expectedText);
    EXPECT_EQ(platform.opens.size(), 1U);
    platform.expectAllClosed(); // opened for reading
}

INSTANTIATE_TEST_SUITE_P(Values, WineRegistryValue, ::testing::ValuesIn(valueCases()), byName);

TEST_F(WineRegistry, MissingKeyAndMissingValueAreNotRead)
{
    writeValue(kTestKey, "Other", REG_SZ, "x\0"s);
    std::string keyVal = "old";
    EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, R"(SOFTWARE\Zelvarin Tests\Nothing)",
                                      "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "old";
    EXPECT_EQ(readTestValue(launcher, keyVal), Outcome::NotRead);
    EXPECT_EQ(keyVal, "");
    platform.expectAllClosed();
}

TEST_F(WineRegistry, HandleTestTellsOpenFromClosedKeys)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &key), ERROR_SUCCESS);
    const auto handle = static_cast<RegKey>(reinterpret_cast<std::intptr_t>(key));
    EXPECT_TRUE(isOpenHandle(handle));
    RegCloseKey(key);
    EXPECT_FALSE(isOpenHandle(handle));
}

TEST_F(WineRegistry, RootKeyIsTheSystemsLocalMachine)
{
    EXPECT_EQ(static_cast<std::intptr_t>(kHKeyLocalMachine),
              reinterpret_cast<std::intptr_t>(HKEY_LOCAL_MACHINE));
}

// The file test.

TEST_F(WineRegistry, FileTestAcceptsOnlyVisiblePlainFiles)
{
    const std::string folder = tempFolder();
    const auto makeFile = [&](const char *name, DWORD attributes) {
        std::string path = folder + "\\" + name;
        std::ofstream(path) << "x";
        SetFileAttributesA(path.c_str(), attributes);
        return path;
    };
    WindowsSysInfoPlatform real;
    EXPECT_TRUE(real.isPlainFile(makeFile("plain.exe", FILE_ATTRIBUTE_NORMAL)));
    EXPECT_TRUE(real.isPlainFile(makeFile("read only.exe", FILE_ATTRIBUTE_READONLY)));
    EXPECT_FALSE(real.isPlainFile(makeFile("hidden.exe", FILE_ATTRIBUTE_HIDDEN)));
    EXPECT_FALSE(real.isPlainFile(makeFile("system.exe", FILE_ATTRIBUTE_SYSTEM)));
    EXPECT_FALSE(real.isPlainFile(folder));
    EXPECT_FALSE(real.isPlainFile(folder + "\\missing.exe"));
    EXPECT_FALSE(real.isPlainFile(folder + "\\plain.exe\0"s));
}

// The launch against the real registry and a real program start, with the marker tool in the
// test's folder; the paths are below that folder.
struct WineLaunch
{
    const char *name;
    const char *marker;      // where the marker tool lies, or nullptr
    const char *toolValue;   // the first location's value, or nullptr
    const char *folderValue; // the second location's, or nullptr; one from C: stands as it is
    Strings keysOpened;
    Strings startsTried; // the last of which has run, unless there is the message
    bool message;
};

class WineLaunchScenario : public WineRegistry, public ::testing::WithParamInterface<WineLaunch>
{};

TEST_P(WineLaunchScenario, StartsTheToolOrShowsTheMessage)
{
    const WineLaunch &c = GetParam();
    const auto at = [](std::string path) {
        return path.starts_with("C:") ? path : tempFolder() + path;
    };
    const std::string marker = c.marker ? at(c.marker) : "";
    if (c.marker)
        placeMarkerTool(marker);
    if (c.toolValue)
        writeValue(kToolKey, kToolValue, REG_SZ, at(c.toolValue) + "\0"s);
    if (c.folderValue)
        writeValue(kFolderKey, kFolderValue, REG_SZ, at(c.folderValue) + "\0"s);
    // The real system folder holds Wine's own msinfo32.exe.
    platform.systemFolderInstead = tempFolder();

    launcher.StartSysInfo();

    EXPECT_EQ(messages.shown.size(), c.message ? 1U : 0U);
    EXPECT_EQ(platform.openedKeyNames(), c.keysOpened);
    Strings tried;
    for (const std::string &path : c.startsTried)
        tried.push_back(at(path));
    EXPECT_EQ(platform.startedPaths(), tried);
    // It ran, and was handed its own quoted path and nothing else; or it did not run.
    const std::string ran = folderOf(marker) + "\\ran.txt";
    if (!c.message)
        EXPECT_EQ(waitForFile(ran), "\"" + tried.back() + "\"");
    else if (c.marker)
        EXPECT_FALSE(std::filesystem::exists(ran));
    platform.expectAllClosed();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Launch, WineLaunchScenario, ::testing::Values(
    WineLaunch{"FirstLocationStartsTheNamedProgramWithBlanksInItsPath",
               R"(\tool folder\marker tool.exe)", R"(\tool folder\marker tool.exe)",
               R"(C:\windows\system32)", kFirst, {R"(\tool folder\marker tool.exe)"}, false},
    WineLaunch{"FirstLocationNamingNoProgramShowsTheMessageOnly", R"(\tools\MSINFO32.EXE)",
               R"(\gone\msinfo32.exe)", R"(\tools)", kFirst, {R"(\gone\msinfo32.exe)"}, true},
    WineLaunch{"SecondLocationStartsTheToolInTheNamedFolder", R"(\sys info\MSINFO32.EXE)",
               nullptr, R"(\sys info)", kBoth, {R"(\sys info\MSINFO32.EXE)"}, false},
    WineLaunch{"SecondLocationsTrailingBackslashKeptDoubled", R"(\sys info\MSINFO32.EXE)",
               nullptr, R"(\sys info\)", kBoth, {R"(\sys info\\MSINFO32.EXE)"}, false},
    WineLaunch{"FolderWithoutTheToolShowsTheMessage", nullptr, nullptr, "", kBoth, {}, true}),
    byName);
// clang-format on

// Wine's own msinfo32.exe, reached through the second location like the real tool.

std::vector<DWORD> processesNamed(const char *exeName)
{
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return found;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more != FALSE;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName) == 0) {
            found.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return found;
}

// Waits, within a bound, for msinfo32.exe to run, and ends every copy; false if none ran.
bool endStartedSystemTool()
{
    std::vector<DWORD> running;
    for (int i = 0; i < 2000 && running.empty(); ++i) {
        running = processesNamed("msinfo32.exe");
        Sleep(running.empty() ? 10 : 0);
    }
    for (const DWORD id : running) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }
    return !running.empty();
}

std::string systemFolderA()
{
    std::array<char, MAX_PATH> system{};
    const DWORD length = GetSystemDirectoryA(system.data(), static_cast<DWORD>(system.size()));
    return {system.data(), length};
}

// Current Windows registers the tool in neither location; it lies in the system folder, which
// the second location may name too.
class WineSystemTool : public WineRegistry, public ::testing::WithParamInterface<bool>
{};

TEST_P(WineSystemTool, StartsTheToolOfTheSystemFolder)
{
    const std::string folder = systemFolderA();
    EXPECT_EQ(platform.real.systemFolder(), folder);
    if (!platform.real.isPlainFile(folder + "\\MSINFO32.EXE"))
        GTEST_SKIP() << "no msinfo32.exe in " << folder;
    ASSERT_TRUE(processesNamed("msinfo32.exe").empty());
    if (GetParam())
        writeValue(kFolderKey, kFolderValue, REG_SZ, folder + "\0"s);

    launcher.StartSysInfo();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.startedPaths(), std::vector<std::string>{folder + "\\MSINFO32.EXE"});
    EXPECT_TRUE(endStartedSystemTool());
    platform.expectAllClosed();
}

INSTANTIATE_TEST_SUITE_P(SystemFolder, WineSystemTool, ::testing::Bool(), [](const auto &info) {
    return info.param ? "NamedByTheSecondLocation" : "NothingRegistered";
});

} // namespace
} // namespace zelvarin::testing
