#pragma once

#include <cstdint>

namespace zelvarin {

// 0x00BBGGRR: blue in the third byte, red in the lowest. A value with the high bit set
// names a system colour instead (the window maps it to the application's palette).
using Colour = std::uint32_t;

constexpr bool isSystemColour(Colour c)
{
    return (c & 0x80000000U) != 0;
}
constexpr int redOf(Colour c)
{
    return static_cast<int>(c & 0xFFU);
}
constexpr int greenOf(Colour c)
{
    return static_cast<int>((c >> 8U) & 0xFFU);
}
constexpr int blueOf(Colour c)
{
    return static_cast<int>((c >> 16U) & 0xFFU);
}

namespace colours {
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kNavy = 0x00800000;
inline constexpr Colour kDarkNavy = 0x00400000;
inline constexpr Colour kPaleYellow = 0x00D2FFFF;
inline constexpr Colour kWrongSlot = 0x00A2B9FF; // light salmon
inline constexpr Colour kRightSlot = 0x00FFFF80; // light cyan
inline constexpr Colour kSystemWindow = 0x80000005;
inline constexpr Colour kSystemButtonShadow = 0x80000010;
inline constexpr Colour kSystemButtonText = 0x80000012;
} // namespace colours

} // namespace zelvarin
