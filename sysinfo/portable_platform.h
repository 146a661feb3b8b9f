#pragma once

#include "sysinfo/sysinfo_platform.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace zelvarin {

// The platform where there is no registry and no MSINFO32.EXE. Its registry holds exactly
// one value, the one the launcher looks at first: "PATH" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, a string with its closing NUL
// naming the first of kTools found as an executable plain file in an absolute folder of the
// PATH (an empty or relative entry is skipped, and the bytes are kept). While none is
// there, that key does not exist; the second location never does. Like the local-machine
// hive for a pupil, the key may be opened for reading only.
class PortableSysInfoPlatform final : public SysInfoPlatform
{
public:
    // The system-information tools looked for, best first.
    static constexpr std::array<const char *, 4> kTools = {"hardinfo2", "hardinfo", "kinfocenter",
                                                           "gnome-system-monitor"};

    RegStatus regOpenKeyEx(RegKey root, const std::string &subKey, std::uint32_t options,
                           std::uint32_t access, RegKey &result) override;
    RegStatus regQueryValueEx(RegKey key, const std::string &valueName, std::uint32_t &type,
                              std::uint8_t *data, std::uint32_t &dataSize) override;
    RegStatus regCloseKey(RegKey key) override;
    bool isPlainFile(const std::string &path) override;
    // The path is the program itself, started with no arguments; the window style has no
    // meaning here.
    bool startProgram(const std::string &path, int showCommand) override;
    std::string systemFolder() override { return {}; }

    // The full path of the tool the registry names now, or empty when none is installed.
    static std::string findTool();

private:
    // Each open key keeps the tool path it saw when it was opened.
    std::map<std::intptr_t, std::string> m_openKeys;
    std::intptr_t m_nextKey = 0x100;
};

} // namespace zelvarin
