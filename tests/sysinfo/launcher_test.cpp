#include "sysinfo/sysinfo_launcher.h"
#include "tests/support/launch_scenarios.h"
#include "tests/support/scripted_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvarin::testing {
namespace {

using namespace launch;

// A launcher over a fresh scripted registry.
class Launcher : public ::testing::Test
{
protected:
    ScriptedPlatform platform;
    RecordingMessages messages;
    SysInfoLauncher launcher{platform, messages};
};
using GetKeyValue = Launcher;
using StartSysInfo = Launcher;

// GetKeyValue on each stored value.

class GetKeyValueOfStoredValue : public Launcher, public ::testing::WithParamInterface<ValueCase>
{};

TEST_P(GetKeyValueOfStoredValue, GivesTheTableOutcomeAndClosesTheKey)
{
    const ValueCase &c = GetParam();
    platform.setValue(kTestKey, "Value", c.type, c.data);

    std::string keyVal = c.keyValIn;
    EXPECT_EQ(readTestValue(launcher, keyVal), c.outcome);
    EXPECT_EQ(keyVal, c.keyValOut);
    ASSERT_EQ(platform.opens.size(), 1U);
    EXPECT_EQ(platform.opens[0].subKey, kTestKey);
    ASSERT_EQ(platform.queries.size(), 1U);
    EXPECT_EQ(platform.queries[0].valueName, "Value");
    EXPECT_EQ(platform.brokenRegistryRule(), "");
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueOfStoredValue, ::testing::ValuesIn(valueCases()),
                         byName);

// GetKeyValue when there is nothing to read.

TEST_F(GetKeyValue, MissingOrRefusedKeyEmptiesTextAndClosesNothing)
{
    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "refused" : "missing");
        if (refuse) {
            platform.setValue(kTestKey, "Value", kRegSz, "C:\\x\0"s);
            platform.key(kTestKey).openStatus = kErrorAccessDenied;
        }
        std::string keyVal = "old";
        EXPECT_EQ(readTestValue(launcher, keyVal), Outcome::NotRead);
        EXPECT_EQ(keyVal, "");
        EXPECT_TRUE(platform.queries.empty());
        EXPECT_TRUE(platform.closes.empty());
    }
}

TEST_F(GetKeyValue, MissingValueEmptiesTextAndClosesTheKey)
{
    platform.setValue(kTestKey, "Other", kRegSz, "C:\\x\0"s);
    std::string keyVal = "old";
    EXPECT_EQ(readTestValue(launcher, keyVal), Outcome::NotRead);
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(platform.brokenRegistryRule(), "");
    EXPECT_EQ(platform.closes.size(), 1U);
}

TEST_F(GetKeyValue, PassesRootKeyAndValueNameUnchanged)
{
    const RegKey currentUser{static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001U))};
    platform.key(" Odd\\key name ", currentUser).values["  "] = {kRegSz, "v\0"s, std::nullopt};
    std::string keyVal;
    EXPECT_TRUE(launcher.GetKeyValue(currentUser, " Odd\\key name ", "  ", keyVal));
    EXPECT_EQ(keyVal, "v");
    ASSERT_EQ(platform.opens.size(), 1U);
    EXPECT_EQ(platform.opens[0].root, currentUser);
}

TEST_F(GetKeyValue, SizeBeyondTheBufferRaisesAndClosesTheKey)
{
    platform.setValue(kTestKey, "Value", kRegSz, "abc\0"s);
    platform.key(kTestKey).values["Value"].claimedSize = 1025;
    std::string keyVal;
    EXPECT_EQ(readTestValue(launcher, keyVal), Outcome::Raises);
    EXPECT_EQ(platform.brokenRegistryRule(), "");
}

// StartSysInfo: the launch as a whole, one scenario a row.

class StartSysInfoScenario : public Launcher, public ::testing::WithParamInterface<Scenario>
{};

TEST_P(StartSysInfoScenario, LooksUpTestsStartsAndReportsAsDescribed)
{
    const Scenario &s = GetParam();
    s.arrange(platform);

    EXPECT_NO_THROW(launcher.StartSysInfo());

    EXPECT_EQ(platform.openedKeyNames(), s.keysOpened);
    EXPECT_EQ(platform.fileTests, s.filesTested);
    EXPECT_EQ(platform.startedPaths(), s.startsTried);
    for (const auto &start : platform.starts)
        EXPECT_EQ(start.showCommand, 1);
    EXPECT_EQ(messages.shown.size(), s.message ? 1U : 0U);
    EXPECT_EQ(platform.brokenRegistryRule(), "");
}

INSTANTIATE_TEST_SUITE_P(Launch, StartSysInfoScenario, ::testing::ValuesIn(scenarios()), byName);

// Here, and for the message below, the names are spelt out: elsewhere the tests take them
// from the launcher.
TEST_F(StartSysInfo, ReadsTheNamedValuesOfBothLocations)
{
    keyWithoutValue(kToolKey)(platform);
    keyWithoutValue(kFolderKey)(platform);
    launcher.StartSysInfo();
    EXPECT_EQ(platform.openedKeyNames(), (Strings{R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)",
                                                  R"(SOFTWARE\Microsoft\Shared Tools Location)"}));
    ASSERT_EQ(platform.queries.size(), 2U);
    EXPECT_EQ(platform.queries[0].valueName, "PATH");
    EXPECT_EQ(platform.queries[1].valueName, "MSINFO");
}

TEST_F(StartSysInfo, FailureMessageHasItsTextNoTitleAndNoIcon)
{
    launcher.StartSysInfo();
    EXPECT_EQ(messages.shown, (std::vector<Shown>{{"System Information Is Unavailable At This Time",
                                                   "", MessageIcon::None}}));
}

TEST_F(StartSysInfo, PressingAgainRunsTheWholeLookupAgain)
{
    folderAt(kTools)(platform);
    launcher.StartSysInfo();
    launcher.StartSysInfo();
    EXPECT_EQ(platform.openedKeyNames(), (Strings{kToolKey, kFolderKey, kToolKey, kFolderKey}));
    EXPECT_EQ(platform.startedPaths(), (Strings{kInTools, kInTools}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.brokenRegistryRule(), "");
}

TEST_F(StartSysInfo, PressingAgainAfterTheMessageFindsAToolInstalledMeanwhile)
{
    launcher.StartSysInfo();
    ASSERT_EQ(messages.shown.size(), 1U);

    toolAt(kToolPath)(platform);
    launcher.StartSysInfo();
    EXPECT_EQ(platform.startedPaths(), Strings{kToolPath});
    EXPECT_EQ(messages.shown.size(), 1U);
}

} // namespace
} // namespace zelvarin::testing
