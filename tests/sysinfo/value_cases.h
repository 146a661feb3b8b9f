#pragma once

#include "sysinfo/sysinfo_launcher.h"
#include "sysinfo/sysinfo_platform.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Stored registry values and what GetKeyValue makes of them. The scripted registry and, in
// the Windows build, the real one are both held to this one table.
namespace zelvarin::testing {

enum class Outcome { Read, NotRead, Raises };

struct ValueCase
{
    const char *name;
    std::uint32_t type;
    std::string data; // the stored bytes, closing NULs included
    std::string keyValIn;
    Outcome outcome;
    std::string keyValOut;
};

inline std::ostream &operator<<(std::ostream &out, const ValueCase &c)
{
    return out << c.name;
}

// The key the tests store their value in, below HKEY_LOCAL_MACHINE, as "Value".
inline constexpr const char *kTestKey = R"(SOFTWARE\Zelvarin Tests\Values)";

// What GetKeyValue makes of the test's value, into keyVal.
inline Outcome readTestValue(SysInfoLauncher &launcher, std::string &keyVal)
{
    try {
        return launcher.GetKeyValue(kHKeyLocalMachine, kTestKey, "Value", keyVal)
                   ? Outcome::Read
                   : Outcome::NotRead;
    } catch (const SysInfoError &) {
        return Outcome::Raises;
    }
}

inline std::vector<ValueCase> valueCases()
{
    using namespace std::string_literals;
    const std::string x1023(1023, 'x');
    const std::string x1024(1024, 'x');
    return {
        {"StringWithClosingNul", kRegSz, "C:\\Tools\\msinfo32.exe\0"s, "", Outcome::Read,
         "C:\\Tools\\msinfo32.exe"},
        {"StringWithoutNulKeepsLastCharacter", kRegSz, "abc"s, "", Outcome::Read, "abc"},
        {"StringWithTwoNulsKeepsOne", kRegSz, "abc\0\0"s, "", Outcome::Read, "abc\0"s},
        {"StringOfOneNulIsEmpty", kRegSz, "\0"s, "old", Outcome::Read, ""},
        {"StringReplacesEntryText", kRegSz, "new\0"s, "old", Outcome::Read, "new"},
        {"StringOf1024BytesWithNul", kRegSz, x1023 + "\0"s, "", Outcome::Read, x1023},
        {"StringOf1024BytesWithoutNul", kRegSz, x1024, "", Outcome::Read, x1024},
        {"StringOf1025BytesIsNotRead", kRegSz, x1024 + "\0"s, "old", Outcome::NotRead, ""},
        {"StringOfSizeZeroRaises", kRegSz, "", "old", Outcome::Raises, "old"},
        {"Dword258", kRegDword, "\x02\x01\0\0"s, "", Outcome::Read, "258"},
        {"DwordZero", kRegDword, "\0\0\0\0"s, "", Outcome::Read, "0"},
        {"DwordTopBitSetStaysPositive", kRegDword, "\0\0\0\x80"s, "", Outcome::Read, "2147483648"},
        {"DwordAllOnes", kRegDword, "\xFF\xFF\xFF\xFF"s, "", Outcome::Read, "4294967295"},
        {"DwordDigitsFollowEntryText", kRegDword, "\x02\0"s, "1", Outcome::Read, "258"},
        {"DwordEightBytesWithLeadingZeros", kRegDword, "\x02\x01\0\0\0\0\0\0"s, "", Outcome::Read,
         "258"},
        {"DwordWiderThan32BitsRaises", kRegDword, "\0\0\0\0\x01\0\0\0"s, "", Outcome::Raises, ""},
        {"DwordOfOneNulHasNoDigitsAndRaises", kRegDword, "\0"s, "", Outcome::Raises, ""},
        {"DwordOfSizeZeroRaises", kRegDword, "", "old", Outcome::Raises, "old"},
        {"ExpandStringLeavesEntryText", kRegExpandSz, "%SystemRoot%\\x\0"s, "kept", Outcome::Read,
         "kept"},
        {"ExpandStringReadsAsEmpty", kRegExpandSz, "%SystemRoot%\\x\0"s, "", Outcome::Read, ""},
        {"BinaryLeavesEntryText", kRegBinary, "\x01\x02"s, "kept", Outcome::Read, "kept"},
        {"BinaryOfSizeZeroRaises", kRegBinary, "", "kept", Outcome::Raises, "kept"},
    };
}

} // namespace zelvarin::testing
