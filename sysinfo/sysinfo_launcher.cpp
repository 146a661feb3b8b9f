#include "sysinfo/sysinfo_launcher.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zelvarin {
namespace {

constexpr std::size_t kValueBufferSize = 1024;

// Read access only: nothing is ever written, and a pupil is not an administrator, so a key
// opened with the right to change it would be refused on a locked-down machine.
constexpr std::uint32_t kOpenAccess = kKeyRead;

// Closes an opened key on every way out, the raised errors included. Its status is ignored.
class OpenKey
{
public:
    OpenKey(SysInfoPlatform &platform, RegKey key)
        : m_platform(platform)
        , m_key(key)
    {}
    ~OpenKey() { m_platform.regCloseKey(m_key); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    OpenKey(OpenKey &&) = delete;
    OpenKey &operator=(OpenKey &&) = delete;

private:
    SysInfoPlatform &m_platform;
    RegKey m_key;
};

void appendHexByte(std::string &text, std::uint8_t byte)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    text += kDigits[byte >> 4U];
    text += kDigits[byte & 0x0FU];
}

int hexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    throw SysInfoError("not a hexadecimal digit");
}

// The general formatting, with no pattern, of the literal "&h" followed by digits. We write
// the number the literal denotes in decimal, taking the digits as an unsigned 32-bit value:
// "&h000102" gives "258" and "&hFFFFFFFF" gives "4294967295", never a negative number. Like
// a literal that overflows, one whose value does not fit 32 bits raises an error; so does
// "&h" with no digits at all, which denotes no number. Leading zeros do not count.
std::string formatHexLiteral(std::string_view digits)
{
    if (digits.empty()) {
        throw SysInfoError("hexadecimal literal without digits");
    }
    std::uint64_t value = 0;
    for (const char digit : digits) {
        value = value * 16U + static_cast<std::uint64_t>(hexDigitValue(digit));
        if (value > UINT32_MAX) {
            throw SysInfoError("hexadecimal literal does not fit 32 bits");
        }
    }
    return std::to_string(value);
}

// Whether path names one file wherever the program was started from: "C:\..." and a network
// path "\\server\share\..." do. "msinfo32.exe", "\Tools\msinfo32.exe" and "C:msinfo32.exe"
// depend on the current folder or drive, which may be a pupil's USB stick, so a registry
// value like that is never started. The stand-in registry of a system without Windows names
// POSIX paths, absolute when they begin with "/".
bool isAbsolutePath(std::string_view path)
{
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const bool drive = path.size() >= 3 && letter(path[0]) && path[1] == ':' && separator(path[2]);
    const bool network =
        path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
#ifdef _WIN32
    return drive || network;
#else
    return drive || network || (!path.empty() && path[0] == '/');
#endif
}

} // namespace

SysInfoLauncher::SysInfoLauncher(SysInfoPlatform &platform, MessagePort &messages)
    : m_platform(platform)
    , m_messages(messages)
{}

void SysInfoLauncher::StartSysInfo()
{
    bool started = false;
    try {
        started = findAndStartTool();
    } catch (...) {
        // The error trap of the registry lookup: whatever went wrong, no tool was found there.
    }
    try {
        // Current Windows keeps the tool in its system folder and names it in neither value.
        started = started || startFromSystemFolder();
    } catch (...) {
    }
    if (!started) {
        // No title of its own: the message box puts the application title there.
        m_messages.show(kUnavailable, {}, MessageIcon::None);
    }
}

bool SysInfoLauncher::findAndStartTool()
{
    std::string toolPath;
    if (!GetKeyValue(kHKeyLocalMachine, std::string(kToolKey), std::string(kToolValue), toolPath)) {
        if (!GetKeyValue(kHKeyLocalMachine, std::string(kFolderKey), std::string(kFolderValue),
                         toolPath) ||
            !isAbsolutePath(toolPath)) {
            return false;
        }
        const std::string toolFile = toolPath + std::string(kToolFile);
        if (!m_platform.isPlainFile(toolFile)) {
            return false;
        }
        toolPath = toolFile;
    }
    // A value read at the first location is started as it is, without testing the file: if
    // it names nothing startable, the folder is not looked up.
    return isAbsolutePath(toolPath) && m_platform.startProgram(toolPath, kShowNormal);
}

bool SysInfoLauncher::startFromSystemFolder()
{
    const std::string folder = m_platform.systemFolder();
    if (!isAbsolutePath(folder)) {
        return false;
    }
    const std::string toolFile = folder + std::string(kToolFile);
    return m_platform.isPlainFile(toolFile) && m_platform.startProgram(toolFile, kShowNormal);
}

bool SysInfoLauncher::GetKeyValue(RegKey KeyRoot, const std::string &KeyName,
                                  const std::string &SubKeyRef, std::string &KeyVal)
{
    RegKey key{};
    if (m_platform.regOpenKeyEx(KeyRoot, KeyName, 0, kOpenAccess, key) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closeOnReturn(m_platform, key);

    std::array<std::uint8_t, kValueBufferSize> buffer{};
    auto dataSize = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    // Data longer than the buffer comes back as a nonzero status and counts as unreadable.
    if (m_platform.regQueryValueEx(key, SubKeyRef, type, buffer.data(), dataSize) !=
        kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    if (dataSize == 0) {
        throw SysInfoError("registry value without data");
    }
    if (dataSize > buffer.size()) {
        throw SysInfoError("registry reported more data than the buffer holds");
    }

    // Only the one NUL that closes the data is removed; any NUL before it stays.
    std::size_t length = dataSize;
    if (buffer[length - 1] == 0) {
        --length;
    }

    switch (type) {
    case kRegSz:
        // Bytes of the narrow code page, kept as they are; the window decodes them to show.
        KeyVal.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
        break;
    case kRegDword: {
        // The digits continue whatever KeyVal held on entry (the launcher passes it empty).
        // KeyVal itself changes only once the number is made, so a raised error leaves it.
        std::string digits = KeyVal;
        for (std::size_t i = length; i > 0; --i) {
            appendHexByte(digits, buffer[i - 1]);
        }
        KeyVal = formatHexLiteral(digits);
        break;
    }
    default:
        break;
    }
    return true;
}

} // namespace zelvarin
