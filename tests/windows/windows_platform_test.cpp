#include "sysinfo/sysinfo_launcher.h"
#include "sysinfo/windows_platform.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_ports.h"
#include "tests/support/started_program.h"
#include "tests/sysinfo/value_cases.h"

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

const std::string kToolKey{SysInfoLauncher::kToolKey};
const std::string kFolderKey{SysInfoLauncher::kFolderKey};
const std::string kToolValue{SysInfoLauncher::kToolValue};
const std::string kFolderValue{SysInfoLauncher::kFolderValue};
constexpr const char *kTestRoot = R"(SOFTWARE\Zelvarin Tests)";
constexpr const char *kTestKey = R"(SOFTWARE\Zelvarin Tests\Values)";

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

    // Every opened key was closed once, the system took the close, and the handle is gone.
    void expectAllClosed() const
    {
        EXPECT_TRUE(everyOpenedKeyClosedOnce());
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

std::string ownFolder()
{
    std::array<char, MAX_PATH> buffer{};
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    std::string path(buffer.data(), length);
    return path.substr(0, path.find_last_of('\\'));
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

    // The marker tool copied to folder\name, the folder made first.
    static std::string placeMarkerTool(const std::string &folder, const std::string &name)
    {
        std::filesystem::create_directories(folder);
        std::string target = folder + "\\" + name;
        EXPECT_TRUE(std::filesystem::copy_file(ownFolder() + "\\zelvarin_marker_tool.exe", target));
        return target;
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
    Outcome outcome = Outcome::Raises;
    try {
        outcome = launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal)
                      ? Outcome::Read
                      : Outcome::NotRead;
    } catch (const SysInfoError &) {
    }
    EXPECT_EQ(outcome, expected);
    EXPECT_EQ(keyVal, expectedText);
    ASSERT_EQ(platform.opens.size(), 1U);
    EXPECT_EQ(platform.opens[0].access, 0x20019U);
    platform.expectAllClosed();
}

INSTANTIATE_TEST_SUITE_P(Values, WineRegistryValue, ::testing::ValuesIn(valueCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WineRegistry, MissingKeyAndMissingValueAreNotRead)
{
    writeValue(kTestKey, "Other", REG_SZ, "x\0"s);
    std::string keyVal = "old";
    EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, R"(SOFTWARE\Zelvarin Tests\Nothing)",
                                      "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "old";
    EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal));
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

// The launch against the real registry and a real program start.

TEST_F(WineRegistry, FirstLocationStartsTheNamedProgramWithBlanksInItsPath)
{
    const std::string tool = placeMarkerTool(tempFolder() + "\\tool folder", "marker tool.exe");
    writeValue(kToolKey, kToolValue, REG_SZ, tool + "\0"s);
    writeValue(kFolderKey, kFolderValue, REG_SZ, "C:\\windows\\system32\0"s);

    launcher.StartSysInfo();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.openedKeyNames(), std::vector<std::string>{kToolKey});
    // It ran, and was handed its own quoted path and nothing else.
    EXPECT_EQ(waitForFile(tempFolder() + "\\tool folder\\ran.txt"), "\"" + tool + "\"");
    platform.expectAllClosed();
}

TEST_F(WineRegistry, FirstLocationNamingNoProgramShowsTheMessageOnly)
{
    placeMarkerTool(tempFolder() + "\\tools", "MSINFO32.EXE");
    writeValue(kToolKey, kToolValue, REG_SZ, tempFolder() + "\\gone\\msinfo32.exe\0"s);
    writeValue(kFolderKey, kFolderValue, REG_SZ, tempFolder() + "\\tools\0"s);
    platform.systemFolderInstead = tempFolder();

    launcher.StartSysInfo();

    EXPECT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(platform.openedKeyNames(), std::vector<std::string>{kToolKey});
    EXPECT_FALSE(std::filesystem::exists(tempFolder() + "\\tools\\ran.txt"));
    platform.expectAllClosed();
}

struct FolderCase
{
    const char *name;
    const char *folderSuffix; // joined to the folder the tool lies in
    const char *startedSuffix;
};

std::ostream &operator<<(std::ostream &out, const FolderCase &c)
{
    return out << c.name;
}

class WineSecondLocation : public WineRegistry, public ::testing::WithParamInterface<FolderCase>
{};

TEST_P(WineSecondLocation, StartsTheToolInTheNamedFolder)
{
    const FolderCase &c = GetParam();
    const std::string folder = tempFolder() + "\\sys info";
    placeMarkerTool(folder, "MSINFO32.EXE");
    writeValue(kFolderKey, kFolderValue, REG_SZ, folder + c.folderSuffix + "\0"s);

    launcher.StartSysInfo();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.openedKeyNames(), (std::vector<std::string>{kToolKey, kFolderKey}));
    const std::string started = folder + c.startedSuffix;
    EXPECT_EQ(platform.startedPaths(), std::vector<std::string>{started});
    EXPECT_EQ(waitForFile(folder + "\\ran.txt"), "\"" + started + "\"");
    platform.expectAllClosed();
}

INSTANTIATE_TEST_SUITE_P(Folders, WineSecondLocation,
                         ::testing::Values(FolderCase{"PlainFolder", "", "\\MSINFO32.EXE"},
                                           FolderCase{"TrailingBackslashKeptDoubled", "\\",
                                                      "\\\\MSINFO32.EXE"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WineRegistry, FolderWithoutTheToolShowsTheMessage)
{
    writeValue(kFolderKey, kFolderValue, REG_SZ, tempFolder() + "\0"s);
    platform.systemFolderInstead = tempFolder();
    launcher.StartSysInfo();
    EXPECT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(platform.starts.empty());
    platform.expectAllClosed();
}

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

TEST_F(WineRegistry, SystemsOwnToolStartsThroughTheSecondLocation)
{
    const std::string folder = systemFolderA();
    if (!platform.real.isPlainFile(folder + "\\MSINFO32.EXE")) {
        GTEST_SKIP() << "no msinfo32.exe in " << folder;
    }
    ASSERT_TRUE(processesNamed("msinfo32.exe").empty());
    writeValue(kFolderKey, kFolderValue, REG_SZ, folder + "\0"s);

    launcher.StartSysInfo();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.startedPaths(), std::vector<std::string>{folder + "\\MSINFO32.EXE"});
    EXPECT_TRUE(endStartedSystemTool());
}

// Current Windows registers the tool in neither location; it lies in the system folder.
TEST_F(WineRegistry, NothingRegisteredStartsTheToolOfTheSystemFolder)
{
    const std::string folder = systemFolderA();
    EXPECT_EQ(platform.real.systemFolder(), folder);
    if (!platform.real.isPlainFile(folder + "\\MSINFO32.EXE")) {
        GTEST_SKIP() << "no msinfo32.exe in " << folder;
    }
    ASSERT_TRUE(processesNamed("msinfo32.exe").empty());

    launcher.StartSysInfo();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.startedPaths(), std::vector<std::string>{folder + "\\MSINFO32.EXE"});
    EXPECT_TRUE(endStartedSystemTool());
    platform.expectAllClosed();
}

} // namespace
} // namespace zelvarin::testing
