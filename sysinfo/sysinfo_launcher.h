#pragma once

#include "quiz/ports.h"
#include "sysinfo/sysinfo_platform.h"

#include <string>

namespace zelvarin {

// The About window's System Info button: finds the system-information tool through two
// registry values, or else in the system folder, and starts it, or tells the pupil it is
// unavailable.
class SysInfoLauncher
{
public:
    SysInfoLauncher(SysInfoPlatform &platform, MessagePort &messages);

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
