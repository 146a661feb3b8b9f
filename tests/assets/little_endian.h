#pragma once

#include <QByteArray>

#include <cstdint>

// Fields of BMP and ICO headers, read straight from the file's bytes.
inline std::uint32_t le16(const QByteArray &bytes, int offset)
{
    return static_cast<std::uint8_t>(bytes.at(offset)) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(offset + 1))) << 8;
}

inline std::uint32_t le32(const QByteArray &bytes, int offset)
{
    return le16(bytes, offset) | le16(bytes, offset + 2) << 16;
}

inline std::uint32_t byteAt(const QByteArray &bytes, int offset)
{
    return static_cast<std::uint8_t>(bytes.at(offset));
}
