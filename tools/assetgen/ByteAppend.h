// ByteAppend: appends integers to a byte buffer in the byte order a file format asks for.
// BMP stores little-endian numbers, standard MIDI files big-endian ones.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Appends the low 16 bits of value, least significant byte first.
inline void appendLittle16(Bytes &out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Appends all 32 bits of value, least significant byte first.
inline void appendLittle32(Bytes &out, std::uint32_t value) {
    appendLittle16(out, value);
    appendLittle16(out, value >> 16);
}

// Appends the low 16 bits of value, most significant byte first.
inline void appendBig16(Bytes &out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// Appends all 32 bits of value, most significant byte first.
inline void appendBig32(Bytes &out, std::uint32_t value) {
    appendBig16(out, value >> 16);
    appendBig16(out, value);
}
