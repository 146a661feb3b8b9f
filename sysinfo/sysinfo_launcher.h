#pragma once

#include "quiz/ports.h"
#include "sysinfo/sysinfo_platform.h"

#include <string>
#include <string_view>

namespace zelvarin {

// The About window's System Info button: finds the system-information tool through two
// registry values, or else in the system folder, and starts it, or tells the pupil it is
// unavailable.
class SysInfoLauncher
{
public:
    SysInfoLauncher(SysInfoPlatform &platform, MessagePort &messages);

    // Below HKEY_LOCAL_MACHINE, value kToolValue of kToolKey names the tool; else value
    // kFolderValue of kFolderKey names its folder, to which kToolFile is joined as it is (so a
    // folder ending in a backslash gives two of them).
    static constexpr std::string_view kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
    static constexpr std::string_view kToolValue = "PATH";
    static constexpr std::string_view kFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
    static constexpr std::string_view kFolderValue = "MSINFO";
    static constexpr std::string_view kToolFile = "\\MSINFO32.EXE";
    // The one message for every way the tool is not started.
    static constexpr std::string_view kUnavailable =
        "System Information Is Unavailable At This Time";

    // Runs the whole lookup anew on every call; starts the tool or shows the one failure
    // message. A path from the registry is started only when it is absolute. Never throws.
    void StartSysInfo();

    // Reads the value SubKeyRef of key KeyName below KeyRoot into KeyVal. True when the value
    // was read (for every type; only strings and 32-bit numbers are converted, other types
    // leave KeyVal as it came in); false with KeyVal empty when the key or the value cannot
    // be read. Throws SysInfoError for a value whose data is empty, and for a number that
    // does not come out as an unsigned 32-bit value.
    bool GetKeyValue(RegKey KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                     std::string &KeyVal);

private:
    bool findAndStartTool();
    bool startFromSystemFolder();

    SysInfoPlatform &m_platform;
    MessagePort &m_messages;
};

} // namespace zelvarin
