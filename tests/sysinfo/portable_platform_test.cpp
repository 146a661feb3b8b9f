#include "sysinfo/portable_platform.h"
#include "sysinfo/sysinfo_launcher.h"
#include "sysinfo/system_platform.h"
#include "tests/support/scripted_platform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zelvarin::testing {
namespace {

constexpr const char *kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

enum class Kind { Executable, PlainFile, Folder };

struct Entry
{
    int pathFolder; // which folder of the PATH holds it
    const char *name;
    Kind kind;
};

// Each test gets a PATH of its own, made of folders in a temporary folder; the process's
// PATH comes back afterwards. With no system folder on it, test programs use shell builtins
// or absolute paths only.
class PortablePlatform : public ::testing::Test
{
protected:
    static constexpr int kPathFolders = 2;

    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        m_savedPath = qgetenv("PATH");
        QStringList folders;
        for (int i = 0; i < kPathFolders; ++i) {
            folders << pathFolder(i);
            ASSERT_TRUE(QDir().mkpath(folders.back()));
        }
        qputenv("PATH", folders.join(QLatin1Char(':')).toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", m_savedPath); }

    QString pathFolder(int i) const { return m_temp.filePath(QStringLiteral("bin %1").arg(i)); }

    QString place(const Entry &entry, const QByteArray &script = "#!/bin/sh\n") const
    {
        QString path =
            pathFolder(entry.pathFolder) + QLatin1Char('/') + QString::fromLatin1(entry.name);
        if (entry.kind == Kind::Folder) {
            EXPECT_TRUE(QDir().mkpath(path));
            return path;
        }
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (entry.kind == Kind::Executable) {
            permissions |= QFile::ExeOwner;
        }
        EXPECT_TRUE(file.setPermissions(permissions));
        return path;
    }

    QTemporaryDir m_temp;
    QByteArray m_savedPath;
};

// Waits, within a bound, for a started program to leave its mark.
bool appears(const QString &path)
{
    for (int i = 0; i < 1000 && !QFile::exists(path); ++i) {
        QThread::msleep(10);
    }
    return QFile::exists(path);
}

// Which tool is chosen.

struct ToolChoice
{
    const char *name;
    std::vector<Entry> entries;
    int chosenFolder;
    const char *chosen; // empty: no tool
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
    for (const Entry &entry : c.entries) {
        place(entry);
    }
    const std::string expected =
        *c.chosen == '\0'
            ? std::string()
            : (pathFolder(c.chosenFolder) + QLatin1Char('/') + QString::fromLatin1(c.chosen))
                  .toStdString();

    PortableSysInfoPlatform platform;
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
    ASSERT_EQ(platform.regQueryValueEx(key, "PATH", type, buffer.data(), size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    ASSERT_EQ(size, expected.size() + 1);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), expected + '\0');
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, PortableToolChoice,
    ::testing::Values(
        ToolChoice{"NoneInstalled", {}, 0, ""},
        ToolChoice{"OnlyGnomeSystemMonitor",
                   {{1, "gnome-system-monitor", Kind::Executable}},
                   1,
                   "gnome-system-monitor"},
        ToolChoice{"Hardinfo2BeforeHardinfo",
                   {{0, "hardinfo", Kind::Executable}, {1, "hardinfo2", Kind::Executable}},
                   1,
                   "hardinfo2"},
        ToolChoice{"HardinfoBeforeKinfocenter",
                   {{0, "kinfocenter", Kind::Executable}, {0, "hardinfo", Kind::Executable}},
                   0,
                   "hardinfo"},
        ToolChoice{
            "KinfocenterBeforeGnomeSystemMonitor",
            {{0, "gnome-system-monitor", Kind::Executable}, {1, "kinfocenter", Kind::Executable}},
            1,
            "kinfocenter"},
        ToolChoice{"NonExecutableFileSkipped",
                   {{0, "hardinfo2", Kind::PlainFile}, {1, "kinfocenter", Kind::Executable}},
                   1,
                   "kinfocenter"},
        ToolChoice{"FolderNamedLikeAToolSkipped",
                   {{0, "hardinfo2", Kind::Folder}, {1, "gnome-system-monitor", Kind::Executable}},
                   1,
                   "gnome-system-monitor"},
        ToolChoice{"LaterPathFolderHoldsTheExecutableOne",
                   {{0, "hardinfo", Kind::PlainFile}, {1, "hardinfo", Kind::Executable}},
                   1,
                   "hardinfo"},
        ToolChoice{"OnlyNonToolsPresent",
                   {{0, "msinfo32", Kind::Executable}, {0, "kinfocenter", Kind::Folder}},
                   0,
                   ""}),
    [](const auto &info) { return std::string(info.param.name); });

// The registry around that one value.

TEST_F(PortablePlatform, RegistryHoldsNoOtherKeyOrValue)
{
    place({0, "hardinfo", Kind::Executable});
    PortableSysInfoPlatform platform;
    RegKey key{};
    const RegKey currentUser{static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001U))};
    EXPECT_EQ(platform.regOpenKeyEx(currentUser, kToolKey, 0, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine,
                                    R"(SOFTWARE\Microsoft\Shared Tools Location)", 0, kKeyRead,
                                    key),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, R"(software\microsoft\shared tools\msinfo)",
                                    0, kKeyRead, key),
              kErrorFileNotFound);

    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, key), kErrorSuccess);
    std::array<std::uint8_t, 16> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, "MSINFO", type, buffer.data(), size),
              kErrorFileNotFound);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, SmallBufferGetsMoreDataAndTheSizeNeeded)
{
    const std::string tool = place({0, "hardinfo", Kind::Executable}).toStdString();
    PortableSysInfoPlatform platform;
    RegKey key{};
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, kKeyRead, key), kErrorSuccess);
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, "PATH", type, buffer.data(), size), kErrorMoreData);
    EXPECT_EQ(size, tool.size() + 1);
    size = 0;
    EXPECT_EQ(platform.regQueryValueEx(key, "PATH", type, nullptr, size), kErrorSuccess);
    EXPECT_EQ(size, tool.size() + 1);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, KeyOpensForReadingOnly)
{
    place({0, "hardinfo", Kind::Executable});
    PortableSysInfoPlatform platform;
    RegKey key{};
    EXPECT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, 0x2003F, key),
              kErrorAccessDenied);
    ASSERT_EQ(platform.regOpenKeyEx(kHKeyLocalMachine, kToolKey, 0, 0x20019, key), kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(key), kErrorSuccess);
}

TEST_F(PortablePlatform, ClosedKeyIsGone)
{
    place({0, "hardinfo", Kind::Executable});
    PortableSysInfoPlatform platform;
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
    EXPECT_EQ(platform.regQueryValueEx(first, "PATH", type, buffer.data(), size),
              kErrorInvalidHandle);
    EXPECT_EQ(platform.regQueryValueEx(second, "PATH", type, buffer.data(), size), kErrorSuccess);
    EXPECT_EQ(platform.regCloseKey(second), kErrorSuccess);
}

// The file test and the program start.

TEST_F(PortablePlatform, FileTestAcceptsOnlyVisiblePlainFiles)
{
    PortableSysInfoPlatform platform;
    const std::string file = place({0, "tool", Kind::PlainFile}).toStdString();
    const std::string folder = place({0, "folder", Kind::Folder}).toStdString();
    const std::string hidden = place({0, ".hidden", Kind::Executable}).toStdString();
    EXPECT_TRUE(platform.isPlainFile(file));
    EXPECT_FALSE(platform.isPlainFile(folder));
    EXPECT_FALSE(platform.isPlainFile(hidden));
    EXPECT_FALSE(platform.isPlainFile(file + ".missing"));
    EXPECT_FALSE(platform.isPlainFile(file + '\0'));
    EXPECT_FALSE(platform.isPlainFile(""));
}

TEST_F(PortablePlatform, StartRunsExactlyThatFileWithNoArguments)
{
    // The folder has a blank in its name; the program writes how many arguments it got, and
    // renames the file when it is complete.
    const QString marker = pathFolder(1) + QStringLiteral("/ran");
    const QString tool = place({1, "system tool", Kind::Executable},
                               "#!/bin/sh\necho $# > \"${0%/*}/ran.part\" && /bin/mv "
                               "\"${0%/*}/ran.part\" \"${0%/*}/ran\"\n");
    PortableSysInfoPlatform platform;
    ASSERT_TRUE(platform.startProgram(tool.toStdString(), kShowNormal));
    ASSERT_TRUE(appears(marker));
    QFile written(marker);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_EQ(text, "0\n");
}

TEST_F(PortablePlatform, StartOfWhatCannotRunFails)
{
    PortableSysInfoPlatform platform;
    const std::string notExecutable = place({0, "plain", Kind::PlainFile}).toStdString();
    EXPECT_FALSE(platform.startProgram(pathFolder(0).toStdString() + "/missing", kShowNormal));
    EXPECT_FALSE(platform.startProgram(notExecutable, kShowNormal));
    EXPECT_FALSE(platform.startProgram("", kShowNormal));
}

TEST_F(PortablePlatform, BareNameIsNotLookedUpOnThePath)
{
    place({0, "hardinfo", Kind::Executable});
    PortableSysInfoPlatform platform;
    EXPECT_FALSE(platform.startProgram("hardinfo", kShowNormal));
}

// The launcher over the platform the factory picks.

TEST_F(PortablePlatform, LauncherStartsTheToolFoundOnThePath)
{
    const QString marker = pathFolder(0) + QStringLiteral("/ran");
    place({0, "kinfocenter", Kind::Executable}, "#!/bin/sh\n: > \"${0%/*}/ran\"\n");
    const auto platform = makeSystemPlatform();
    RecordingMessages messages;
    SysInfoLauncher launcher(*platform, messages);
    launcher.StartSysInfo();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(appears(marker));
}

TEST_F(PortablePlatform, LauncherWithoutToolShowsTheMessage)
{
    place({0, "hardinfo", Kind::PlainFile});
    const auto platform = makeSystemPlatform();
    RecordingMessages messages;
    SysInfoLauncher launcher(*platform, messages);
    launcher.StartSysInfo();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "System Information Is Unavailable At This Time");
}

} // namespace
} // namespace zelvarin::testing
