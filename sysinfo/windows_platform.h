#pragma once

#include "sysinfo/sysinfo_platform.h"

#include <memory>

namespace zelvarin {

// The real thing on Windows: the registry functions of advapi32, looked up by library and
// function name the first time one of them is called rather than linked when the program
// loads; GetFileAttributesA for the file test, CreateProcessA for the start and
// GetSystemDirectoryW for the system folder.
class WindowsSysInfoPlatform final : public SysInfoPlatform
{
public:
    WindowsSysInfoPlatform();
    ~WindowsSysInfoPlatform() override;
    WindowsSysInfoPlatform(const WindowsSysInfoPlatform &) = delete;
    WindowsSysInfoPlatform &operator=(const WindowsSysInfoPlatform &) = delete;
    WindowsSysInfoPlatform(WindowsSysInfoPlatform &&) = delete;
    WindowsSysInfoPlatform &operator=(WindowsSysInfoPlatform &&) = delete;

    RegStatus regOpenKeyEx(RegKey root, const std::string &subKey, std::uint32_t options,
                           std::uint32_t access, RegKey &result) override;
    RegStatus regQueryValueEx(RegKey key, const std::string &valueName, std::uint32_t &type,
                              std::uint8_t *data, std::uint32_t &dataSize) override;
    RegStatus regCloseKey(RegKey key) override;
    bool isPlainFile(const std::string &path) override;
    bool startProgram(const std::string &path, int showCommand) override;
    std::string systemFolder() override;

private:
    struct Registry;
    const Registry &registry();

    std::unique_ptr<Registry> m_registry;
};

} // namespace zelvarin
