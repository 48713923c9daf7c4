#pragma once
// Little-endian fields of the file formats, read with bounds checks and written by
// appending.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace bytes {

inline bool fits(std::span<const uint8_t> data, size_t offset, size_t length) {
    return offset <= data.size() && length <= data.size() - offset;
}

// The caller has checked that the field lies inside the data.
inline uint16_t u16(std::span<const uint8_t> data, size_t offset) {
    return uint16_t(data[offset] | (data[offset + 1] << 8));
}
inline uint32_t u32(std::span<const uint8_t> data, size_t offset) {
    return uint32_t(data[offset]) | (uint32_t(data[offset + 1]) << 8) | (uint32_t(data[offset + 2]) << 16) |
           (uint32_t(data[offset + 3]) << 24);
}
inline int32_t i32(std::span<const uint8_t> data, size_t offset) {
    return int32_t(u32(data, offset));
}

inline void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
inline void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

} // namespace bytes
