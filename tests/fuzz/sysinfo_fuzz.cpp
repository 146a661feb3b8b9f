// libFuzzer target of the system-information launcher: the registry (which keys open, with
// which status, the type, size and bytes of each value, sizes the registry claims), the file
// test and the program start all come from the input. Each run checks
//   - StartSysInfo ends in exactly one of: the tool started (one start, no message) or the
//     one failure message (no tool running), and
//     that outcome and the path started are the ones the registry leads to;
//   - GetKeyValue, called on its own with a text already in KeyVal, returns what the value
//     holds, or false with KeyVal empty, or raises SysInfoError where it says it does;
//   - every key was opened below HKEY_LOCAL_MACHINE for reading and closed exactly once, and
//     the value buffer was 1024 NUL bytes.
// A broken rule aborts, which libFuzzer reports as a crash with the input that did it.
//
// Input, read front to back (missing bytes read as 0):
//   flags: bit 0 the start succeeds, bit 1 the tool file exists, bit 2 the file test throws
//   two locations (the tool path, then the folder), each:
//     status of opening the key: 0 opens, 0xFF no such key, else that error code
//     value: bit 0 present, bit 1 the registry claims a size of its own
//     type (one byte), size (two bytes, little-endian, taken modulo 2049),
//     claimed size (two bytes, only with bit 1), then the data
//   length of a text (modulo 16) and its bytes: KeyVal on entry of the direct call
#include "sysinfo/sysinfo_launcher.h"
#include "tests/support/launch_scenarios.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace zelvarin;
using namespace zelvarin::testing;

constexpr std::size_t kBufferSize = 1024;
constexpr std::size_t kLargestValue = 2048;

[[noreturn]] void broken(const char *rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

void require(bool ok, const char *rule)
{
    if (!ok)
        broken(rule);
}

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {}
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint16_t twoBytes()
    {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8U));
    }
    std::string bytes(std::size_t n)
    {
        std::string s;
        for (std::size_t i = 0; i < n; ++i)
            s += static_cast<char>(byte());
        return s;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

struct Location
{
    RegStatus openStatus = kErrorSuccess;
    bool keyExists = false;
    bool valuePresent = false;
    std::uint32_t type = 0;
    std::string data;
    std::optional<std::uint32_t> claimedSize;
};

Location readLocation(Input &in)
{
    Location l;
    const std::uint8_t status = in.byte();
    l.keyExists = status != 0xFF;
    l.openStatus = status == 0xFF ? 0 : status;
    const std::uint8_t value = in.byte();
    l.valuePresent = (value & 1U) != 0;
    l.type = in.byte();
    const std::size_t size = in.twoBytes() % (kLargestValue + 1);
    if ((value & 2U) != 0)
        l.claimedSize = in.twoBytes();
    l.data = in.bytes(size);
    return l;
}

void install(ScriptedPlatform &platform, const std::string &key, const std::string &value,
             const Location &l)
{
    if (!l.keyExists)
        return;
    platform.key(key).openStatus = l.openStatus;
    if (l.valuePresent)
        platform.key(key).values[value] = {l.type, l.data, l.claimedSize};
}

// What GetKeyValue must make of a location, worked out from the registry's rules: nullopt
// for a raised error, else the result and KeyVal.
struct Read
{
    bool result;
    std::string keyVal;
};

std::optional<Read> expectedRead(const Location &l, const std::string &keyValIn)
{
    if (!l.keyExists || l.openStatus != kErrorSuccess || !l.valuePresent ||
        l.data.size() > kBufferSize)
        return Read{false, ""};
    const std::size_t size = l.claimedSize.value_or(static_cast<std::uint32_t>(l.data.size()));
    // A registry that claims more than the buffer while reporting success breaks its own
    // contract; the launcher treats that as an error.
    if (size == 0 || size > kBufferSize)
        return std::nullopt;
    std::string buffer = l.data;
    buffer.resize(kBufferSize, '\0');
    std::string trimmed = buffer.substr(0, size);
    if (trimmed.back() == '\0')
        trimmed.pop_back();
    if (l.type == 1)
        return Read{true, trimmed};
    if (l.type != 4)
        return Read{true, keyValIn};
    // The digits of the bytes from the last to the first after what KeyVal held, read as a
    // hexadecimal number that must fit 32 bits, written in decimal.
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string digits = keyValIn;
    for (auto b = trimmed.rbegin(); b != trimmed.rend(); ++b) {
        const auto u = static_cast<unsigned char>(*b);
        digits += kHex[u >> 4U];
        digits += kHex[u & 0xFU];
    }
    if (digits.empty())
        return std::nullopt;
    std::uint64_t number = 0;
    for (const char c : digits) {
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        if (v < 0)
            return std::nullopt;
        number = number * 16 + static_cast<std::uint64_t>(v);
        if (number > 0xFFFFFFFFU)
            return std::nullopt;
    }
    return Read{true, std::to_string(number)};
}

// Only an absolute path from the registry is tested or started: "C:\...", "\\server\..." or,
// here without Windows, "/...".
bool absolute(const std::string &path)
{
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return (path.size() >= 3 && letter(path[0]) && path[1] == ':' && separator(path[2])) ||
           (path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2])) ||
           (!path.empty() && path[0] == '/');
}

void fuzzStartSysInfo(const Location &tool, const Location &folder, bool starts, bool fileThere,
                      bool fileTestThrows)
{
    ScriptedPlatform platform;
    install(platform, kToolKey, kToolValue, tool);
    install(platform, kFolderKey, kFolderValue, folder);
    platform.fileTestThrows = fileTestThrows;

    // Where the registry leads: the path to start, or nothing (the message at once; the
    // scripted platform has no system folder to fall back on).
    std::optional<std::string> toStart;
    std::optional<std::string> fileTested;
    const auto first = expectedRead(tool, "");
    if (first && first->result) {
        if (absolute(first->keyVal))
            toStart = first->keyVal;
    } else if (first) {
        const auto second = expectedRead(folder, "");
        if (second && second->result && absolute(second->keyVal)) {
            fileTested = second->keyVal + kToolFile;
            if (fileThere && !fileTestThrows)
                toStart = *fileTested;
        }
    }
    if (fileTested && fileThere)
        platform.plainFiles.insert(*fileTested);
    if (toStart && starts)
        platform.startablePrograms.insert(*toStart);

    RecordingMessages messages;
    SysInfoLauncher launcher(platform, messages);
    launcher.StartSysInfo();

    const bool started = platform.starts.size() == 1 &&
                         platform.startablePrograms.count(platform.starts[0].path) == 1;
    if (started) {
        require(messages.shown.empty(), "a started tool comes with no message");
    } else {
        require(platform.starts.size() <= 1, "at most one start is tried");
        require(messages.shown.size() == 1 && messages.shown[0].text == kUnavailable &&
                    messages.shown[0].title.empty() &&
                    messages.shown[0].icon == zelvarin::MessageIcon::None,
                "a tool not started comes with the one message");
    }
    require(started == (toStart && starts), "the tool starts exactly when the registry allows");
    if (toStart)
        require(platform.starts.size() == 1 && platform.starts[0].path == *toStart &&
                    platform.starts[0].showCommand == 1,
                "the path read is started, normal and activated");
    else
        require(platform.starts.empty(), "nothing is started without a path");
    require(fileTested ? platform.fileTests == std::vector<std::string>{*fileTested}
                       : platform.fileTests.empty(),
            "only a folder from the second location is tested for the tool");
    if (first && first->result)
        require(platform.openedKeyNames() == std::vector<std::string>{kToolKey},
                "a value read at the first location keeps the second unopened");
    if (const std::string rule = platform.brokenRegistryRule(); !rule.empty())
        broken(rule.c_str());
}

void fuzzGetKeyValue(const Location &l, const std::string &keyValIn)
{
    ScriptedPlatform platform;
    install(platform, kToolKey, kToolValue, l);
    RecordingMessages messages;
    SysInfoLauncher launcher(platform, messages);

    std::string keyVal = keyValIn;
    std::optional<Read> got;
    try {
        const bool result = launcher.GetKeyValue(kHKeyLocalMachine, kToolKey, kToolValue, keyVal);
        got = Read{result, keyVal};
    } catch (const SysInfoError &) {
        // got stays empty: the error the launcher's trap takes
    }
    const auto expected = expectedRead(l, keyValIn);
    require(got.has_value() == expected.has_value(), "GetKeyValue raises exactly when it must");
    if (got) {
        require(got->result == expected->result, "GetKeyValue's result");
        require(got->keyVal == expected->keyVal, "GetKeyValue's text");
    }
    require(messages.shown.empty(), "GetKeyValue shows nothing");
    require(platform.starts.empty() && platform.fileTests.empty(), "GetKeyValue only reads");
    if (const std::string rule = platform.brokenRegistryRule(); !rule.empty())
        broken(rule.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t flags = in.byte();
    const Location tool = readLocation(in);
    const Location folder = readLocation(in);
    const std::string keyValIn = in.bytes(in.byte() % 16U);

    fuzzStartSysInfo(tool, folder, (flags & 1U) != 0, (flags & 2U) != 0, (flags & 4U) != 0);
    fuzzGetKeyValue(tool, keyValIn);
    fuzzGetKeyValue(folder, keyValIn);
    return 0;
}
