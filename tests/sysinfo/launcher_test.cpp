#include "sysinfo/sysinfo_launcher.h"
#include "tests/support/scripted_platform.h"
#include "tests/sysinfo/value_cases.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zelvarin::testing {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

constexpr const char *kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr const char *kFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
constexpr const char *kTestKey = R"(SOFTWARE\Zelvarin Tests\Values)";
constexpr const char *kUnavailable = "System Information Is Unavailable At This Time";

// The checks every call to the registry must pass, whatever the outcome.
void expectRegistryUsedReadOnlyAndClosed(const ScriptedPlatform &platform)
{
    for (const auto &open : platform.opens) {
        EXPECT_EQ(open.root, kHKeyLocalMachine) << open.subKey;
        EXPECT_EQ(open.options, 0U) << open.subKey;
        EXPECT_EQ(open.access, 0x20019U) << open.subKey;
    }
    for (const auto &query : platform.queries) {
        EXPECT_EQ(query.bufferSize, 1024U) << query.valueName;
        EXPECT_TRUE(query.bufferAllNul) << query.valueName;
    }
    EXPECT_TRUE(platform.everyOpenedKeyClosedOnce());
}

// GetKeyValue on each stored value.

class GetKeyValueOfStoredValue : public ::testing::TestWithParam<ValueCase>
{};

TEST_P(GetKeyValueOfStoredValue, GivesTheTableOutcomeAndClosesTheKey)
{
    const ValueCase &c = GetParam();
    ScriptedPlatform platform;
    RecordingMessages messages;
    platform.setValue(kTestKey, "Value", c.type, c.data);
    SysInfoLauncher launcher(platform, messages);

    std::string keyVal = c.keyValIn;
    switch (c.outcome) {
    case Outcome::Read:
        EXPECT_TRUE(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal));
        break;
    case Outcome::NotRead:
        EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal));
        break;
    case Outcome::Raises:
        EXPECT_THROW(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal),
                     SysInfoError);
        break;
    }
    EXPECT_EQ(keyVal, c.keyValOut);
    ASSERT_EQ(platform.opens.size(), 1U);
    EXPECT_EQ(platform.opens[0].subKey, kTestKey);
    ASSERT_EQ(platform.queries.size(), 1U);
    EXPECT_EQ(platform.queries[0].valueName, "Value");
    expectRegistryUsedReadOnlyAndClosed(platform);
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueOfStoredValue, ::testing::ValuesIn(valueCases()),
                         [](const auto &info) { return std::string(info.param.name); });

// GetKeyValue when there is nothing to read.

TEST(GetKeyValue, MissingKeyEmptiesTextAndClosesNothing)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    SysInfoLauncher launcher(platform, messages);
    std::string keyVal = "old";
    EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(platform.queries.empty());
    EXPECT_TRUE(platform.closes.empty());
}

TEST(GetKeyValue, RefusedKeyEmptiesTextAndClosesNothing)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    platform.setValue(kTestKey, "Value", kRegSz, "C:\\x\0"s);
    platform.key(kTestKey).openStatus = kErrorAccessDenied;
    SysInfoLauncher launcher(platform, messages);
    std::string keyVal = "old";
    EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(platform.queries.empty());
    EXPECT_TRUE(platform.closes.empty());
}

TEST(GetKeyValue, MissingValueEmptiesTextAndClosesTheKey)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    platform.setValue(kTestKey, "Other", kRegSz, "C:\\x\0"s);
    SysInfoLauncher launcher(platform, messages);
    std::string keyVal = "old";
    EXPECT_FALSE(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    expectRegistryUsedReadOnlyAndClosed(platform);
    EXPECT_EQ(platform.closes.size(), 1U);
}

TEST(GetKeyValue, PassesRootKeyAndValueNameUnchanged)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    const RegKey currentUser{static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001U))};
    platform.key(" Odd\\key name ", currentUser).values["  "] = {kRegSz, "v\0"s, std::nullopt};
    SysInfoLauncher launcher(platform, messages);
    std::string keyVal;
    EXPECT_TRUE(launcher.GetKeyValue(currentUser, " Odd\\key name ", "  ", keyVal));
    EXPECT_EQ(keyVal, "v");
    ASSERT_EQ(platform.opens.size(), 1U);
    EXPECT_EQ(platform.opens[0].root, currentUser);
}

TEST(GetKeyValue, SizeBeyondTheBufferRaisesAndClosesTheKey)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    platform.setValue(kTestKey, "Value", kRegSz, "abc\0"s);
    platform.key(kTestKey).values["Value"].claimedSize = 1025;
    SysInfoLauncher launcher(platform, messages);
    std::string keyVal;
    EXPECT_THROW(launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal), SysInfoError);
    EXPECT_TRUE(platform.everyOpenedKeyClosedOnce());
}

// StartSysInfo: the launch as a whole, one scenario a row.

struct Scenario
{
    const char *name;
    std::function<void(ScriptedPlatform &)> arrange;
    Strings keysOpened;
    Strings filesTested;
    Strings startsTried;
    bool message;
};

std::ostream &operator<<(std::ostream &out, const Scenario &s)
{
    return out << s.name;
}

constexpr const char *kToolPath =
    R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)";

void storeToolPath(ScriptedPlatform &p, const std::string &path, bool startable = true)
{
    p.setValue(kToolKey, "PATH", kRegSz, path + "\0"s);
    if (startable) {
        p.startablePrograms.insert(path);
    }
}

void storeFolder(ScriptedPlatform &p, const std::string &folder, bool toolThere = true)
{
    p.setValue(kFolderKey, "MSINFO", kRegSz, folder + "\0"s);
    if (toolThere) {
        p.plainFiles.insert(folder + "\\MSINFO32.EXE");
        p.startablePrograms.insert(folder + "\\MSINFO32.EXE");
    }
}

// Current Windows keeps the tool in its system folder, which no registry value names.
constexpr const char *kSystemTool = R"(C:\Windows\system32\MSINFO32.EXE)";

void giveSystemFolder(ScriptedPlatform &p, bool toolThere = true)
{
    p.systemFolderPath = R"(C:\Windows\system32)";
    if (toolThere) {
        p.plainFiles.insert(kSystemTool);
        p.startablePrograms.insert(kSystemTool);
    }
}

Strings firstOnly()
{
    return {kToolKey};
}
Strings both()
{
    return {kToolKey, kFolderKey};
}

std::vector<Scenario> scenarios()
{
    return {
        {"FirstValueStartedWithoutFileTest",
         [](auto &p) {
             storeToolPath(p, kToolPath);
             storeFolder(p, "C:\\Windows\\System32");
         },
         firstOnly(),
         {},
         {kToolPath},
         false},
        {"FirstValueNotStartableGivesMessageWithoutSecondLookup",
         [](auto &p) {
             storeToolPath(p, "C:\\Gone\\msinfo32.exe", false);
             storeFolder(p, "C:\\Windows\\System32");
         },
         firstOnly(),
         {},
         {"C:\\Gone\\msinfo32.exe"},
         true},
        {"OnlySecondLocationStartsToolInFolder",
         [](auto &p) { storeFolder(p, "C:\\Tools"); },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         false},
        {"FirstKeyWithoutValueFallsBackToSecond",
         [](auto &p) {
             p.key(kToolKey);
             storeFolder(p, "C:\\Tools");
         },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         false},
        {"FirstKeyRefusedFallsBackToSecond",
         [](auto &p) {
             storeToolPath(p, kToolPath);
             p.key(kToolKey).openStatus = kErrorAccessDenied;
             storeFolder(p, "C:\\Tools");
         },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         false},
        {"FirstValueOf1025BytesFallsBackToSecond",
         [](auto &p) {
             p.setValue(kToolKey, "PATH", kRegSz, std::string(1024, 'x') + "\0"s);
             storeFolder(p, "C:\\Tools");
         },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         false},
        {"NeitherLocationGivesMessage", [](auto &) {}, both(), {}, {}, true},
        {"SecondKeyWithoutValueGivesMessage",
         [](auto &p) { p.key(kFolderKey); },
         both(),
         {},
         {},
         true},
        {"SecondKeyRefusedGivesMessage",
         [](auto &p) {
             storeFolder(p, "C:\\Tools");
             p.key(kFolderKey).openStatus = kErrorAccessDenied;
         },
         both(),
         {},
         {},
         true},
        {"FolderWithoutToolGivesMessage",
         [](auto &p) { storeFolder(p, "C:\\Tools", false); },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {},
         true},
        {"ToolInFolderNotStartableGivesMessage",
         [](auto &p) {
             storeFolder(p, "C:\\Tools");
             p.startablePrograms.clear();
         },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         true},
        {"FirstValueOfSizeZeroGivesMessageWithoutSecondLookup",
         [](auto &p) {
             p.setValue(kToolKey, "PATH", kRegSz, "");
             storeFolder(p, "C:\\Tools");
         },
         firstOnly(),
         {},
         {},
         true},
        {"SecondValueOfSizeZeroGivesMessageWithoutFileTest",
         [](auto &p) { p.setValue(kFolderKey, "MSINFO", kRegSz, ""); },
         both(),
         {},
         {},
         true},
        {"FirstValueOfType2GivesAnEmptyPathNeverStarted",
         [](auto &p) {
             p.setValue(kToolKey, "PATH", kRegExpandSz, kToolPath + "\0"s);
             storeFolder(p, "C:\\Tools");
             p.startablePrograms.insert("");
         },
         firstOnly(),
         {},
         {},
         true},
        {"SecondValueOfType2GivesNoFolder",
         [](auto &p) {
             p.setValue(kFolderKey, "MSINFO", kRegExpandSz, "%SystemRoot%\\System32\0"s);
             p.plainFiles.insert("\\MSINFO32.EXE");
             p.startablePrograms.insert("\\MSINFO32.EXE");
         },
         both(),
         {},
         {},
         true},
        {"FolderWithTrailingBackslashGivesTwoBackslashes",
         [](auto &p) { storeFolder(p, "C:\\Tools\\"); },
         both(),
         {R"(C:\Tools\\MSINFO32.EXE)"},
         {R"(C:\Tools\\MSINFO32.EXE)"},
         false},
        {"FirstValueOfType4GivesItsDecimalTextNeverStarted",
         [](auto &p) {
             p.setValue(kToolKey, "PATH", kRegDword, "\x02\x01\0\0"s);
             p.startablePrograms.insert("258");
         },
         firstOnly(),
         {},
         {},
         true},
        {"FirstValueOfType4TooWideGivesMessage",
         [](auto &p) {
             p.setValue(kToolKey, "PATH", kRegDword, "\0\0\0\0\x01\0\0\0"s);
             storeFolder(p, "C:\\Tools");
         },
         firstOnly(),
         {},
         {},
         true},
        {"FirstValueWithTwoNulsIsStartedWithOneNul",
         [](auto &p) { p.setValue(kToolKey, "PATH", kRegSz, "C:\\T\\m.exe\0\0"s); },
         firstOnly(),
         {},
         {"C:\\T\\m.exe\0"s},
         true},
        // A value that is not an absolute path could name anything in the folder the program
        // was started from (a USB stick, Downloads): it counts as not found.
        {"RelativeFirstValueIsNeverStarted",
         [](auto &p) { storeToolPath(p, "msinfo32.exe"); },
         firstOnly(),
         {},
         {},
         true},
        {"RootRelativeFirstValueIsNeverStarted",
         [](auto &p) { storeToolPath(p, "\\Tools\\msinfo32.exe"); },
         firstOnly(),
         {},
         {},
         true},
        {"DriveRelativeFirstValueIsNeverStarted",
         [](auto &p) { storeToolPath(p, "C:msinfo32.exe"); },
         firstOnly(),
         {},
         {},
         true},
        {"NetworkPathFirstValueIsStarted",
         [](auto &p) { storeToolPath(p, R"(\\server\tools\msinfo32.exe)"); },
         firstOnly(),
         {},
         {R"(\\server\tools\msinfo32.exe)"},
         false},
        {"RelativeFolderIsNeverTested",
         [](auto &p) { storeFolder(p, "Tools"); },
         both(),
         {},
         {},
         true},
        // Where neither location leads to a tool, the system folder is the last place looked.
        {"NeitherLocationStartsTheToolOfTheSystemFolder",
         [](auto &p) { giveSystemFolder(p); },
         both(),
         {kSystemTool},
         {kSystemTool},
         false},
        {"SystemFolderWithoutToolGivesMessage",
         [](auto &p) { giveSystemFolder(p, false); },
         both(),
         {kSystemTool},
         {},
         true},
        {"FirstValueNotStartableFallsBackToTheSystemFolder",
         [](auto &p) {
             storeToolPath(p, "C:\\Gone\\msinfo32.exe", false);
             giveSystemFolder(p);
         },
         firstOnly(),
         {kSystemTool},
         {"C:\\Gone\\msinfo32.exe", kSystemTool},
         false},
        {"RelativeFirstValueFallsBackToTheSystemFolder",
         [](auto &p) {
             storeToolPath(p, "msinfo32.exe");
             giveSystemFolder(p);
         },
         firstOnly(),
         {kSystemTool},
         {kSystemTool},
         false},
        {"FolderWithoutToolFallsBackToTheSystemFolder",
         [](auto &p) {
             storeFolder(p, "C:\\Tools", false);
             giveSystemFolder(p);
         },
         both(),
         {"C:\\Tools\\MSINFO32.EXE", kSystemTool},
         {kSystemTool},
         false},
        {"FirstValueOfSizeZeroFallsBackToTheSystemFolder",
         [](auto &p) {
             p.setValue(kToolKey, "PATH", kRegSz, "");
             giveSystemFolder(p);
         },
         firstOnly(),
         {kSystemTool},
         {kSystemTool},
         false},
        {"ErrorRaisedByPlatformGivesMessage",
         [](auto &p) {
             storeFolder(p, "C:\\Tools");
             p.fileTestThrows = true;
         },
         both(),
         {"C:\\Tools\\MSINFO32.EXE"},
         {},
         true},
    };
}

class StartSysInfoScenario : public ::testing::TestWithParam<Scenario>
{};

TEST_P(StartSysInfoScenario, LooksUpTestsStartsAndReportsAsDescribed)
{
    const Scenario &s = GetParam();
    ScriptedPlatform platform;
    RecordingMessages messages;
    s.arrange(platform);
    SysInfoLauncher launcher(platform, messages);

    EXPECT_NO_THROW(launcher.StartSysInfo());

    EXPECT_EQ(platform.openedKeyNames(), s.keysOpened);
    EXPECT_EQ(platform.fileTests, s.filesTested);
    EXPECT_EQ(platform.startedPaths(), s.startsTried);
    for (const auto &start : platform.starts) {
        EXPECT_EQ(start.showCommand, 1);
    }
    EXPECT_EQ(messages.shown.size(), s.message ? 1U : 0U);
    expectRegistryUsedReadOnlyAndClosed(platform);
}

INSTANTIATE_TEST_SUITE_P(Launch, StartSysInfoScenario, ::testing::ValuesIn(scenarios()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(StartSysInfo, ReadsTheNamedValuesOfBothLocations)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    platform.key(kToolKey);
    platform.key(kFolderKey);
    SysInfoLauncher launcher(platform, messages);
    launcher.StartSysInfo();
    ASSERT_EQ(platform.queries.size(), 2U);
    EXPECT_EQ(platform.queries[0].valueName, "PATH");
    EXPECT_EQ(platform.queries[1].valueName, "MSINFO");
}

TEST(StartSysInfo, FailureMessageHasItsTextNoTitleAndNoIcon)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    SysInfoLauncher launcher(platform, messages);
    launcher.StartSysInfo();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, kUnavailable);
    EXPECT_EQ(messages.shown[0].title, "");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
}

TEST(StartSysInfo, PressingAgainRunsTheWholeLookupAgain)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    storeFolder(platform, "C:\\Tools");
    SysInfoLauncher launcher(platform, messages);
    launcher.StartSysInfo();
    launcher.StartSysInfo();
    EXPECT_EQ(platform.openedKeyNames(), (Strings{kToolKey, kFolderKey, kToolKey, kFolderKey}));
    EXPECT_EQ(platform.startedPaths(),
              (Strings{"C:\\Tools\\MSINFO32.EXE", "C:\\Tools\\MSINFO32.EXE"}));
    EXPECT_TRUE(messages.shown.empty());
    expectRegistryUsedReadOnlyAndClosed(platform);
}

TEST(StartSysInfo, PressingAgainAfterTheMessageFindsAToolInstalledMeanwhile)
{
    ScriptedPlatform platform;
    RecordingMessages messages;
    SysInfoLauncher launcher(platform, messages);
    launcher.StartSysInfo();
    ASSERT_EQ(messages.shown.size(), 1U);

    storeToolPath(platform, kToolPath);
    launcher.StartSysInfo();
    EXPECT_EQ(platform.startedPaths(), Strings{kToolPath});
    EXPECT_EQ(messages.shown.size(), 1U);
}

} // namespace
} // namespace zelvarin::testing
