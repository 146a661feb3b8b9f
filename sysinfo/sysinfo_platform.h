#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// What the system-information launcher needs from the operating system: three registry
// functions shaped like RegOpenKeyExA, RegQueryValueExA and RegCloseKey, a plain-file test
// and a program start. Windows supplies the real ones; elsewhere a small stand-in does.
namespace zelvarin {

// A registry key handle: a root key or a key that was opened.
enum class RegKey : std::intptr_t {};

// Windows defines its root keys as 32-bit values widened with their sign to the size of a
// handle, so this is bit for bit the HKEY_LOCAL_MACHINE of a 64-bit program too.
inline constexpr RegKey kHKeyLocalMachine{
    static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002U))};

// A registry status: a 32-bit LONG, 0 for success, otherwise a Windows error code.
using RegStatus = std::int32_t;
inline constexpr RegStatus kErrorSuccess = 0;
inline constexpr RegStatus kErrorFileNotFound = 2;
inline constexpr RegStatus kErrorAccessDenied = 5;
inline constexpr RegStatus kErrorInvalidHandle = 6;
inline constexpr RegStatus kErrorMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// KEY_READ: read-control plus query value, enumerate sub keys and notify.
inline constexpr std::uint32_t kKeyRead = 0x20019;

// SW_SHOWNORMAL: normal size and position, activated.
inline constexpr int kShowNormal = 1;

// An error raised during a launch; the launcher's one error trap takes it.
class SysInfoError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class SysInfoPlatform
{
public:
    virtual ~SysInfoPlatform() = default;

    // Opens subKey below root. On success `result` is the open key, which the caller closes.
    virtual RegStatus regOpenKeyEx(RegKey root, const std::string &subKey, std::uint32_t options,
                                   std::uint32_t access, RegKey &result) = 0;
    // Reads valueName into data. In: dataSize is the buffer's size. Out: the value's type and
    // the size of its data; when that is larger than the buffer the status is kErrorMoreData.
    // data may be null to ask for the size alone.
    virtual RegStatus regQueryValueEx(RegKey key, const std::string &valueName, std::uint32_t &type,
                                      std::uint8_t *data, std::uint32_t &dataSize) = 0;
    // Must not throw: it runs while a key is being closed on the way out of an error.
    virtual RegStatus regCloseKey(RegKey key) = 0;

    // Whether a plain file (not a folder, not hidden, not a system file) is at path.
    virtual bool isPlainFile(const std::string &path) = 0;
    // Starts the program file that path names, exactly that file with no arguments, and does
    // not wait for it. False when it could not be started.
    virtual bool startProgram(const std::string &path, int showCommand) = 0;

    // The folder of the system's own programs (GetSystemDirectoryW on Windows), where current
    // Windows keeps the system-information tool; empty on a system without one.
    virtual std::string systemFolder() = 0;
};

} // namespace zelvarin
