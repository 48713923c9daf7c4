#pragma once
// Ternary raster operations (ROP3) evaluated bit by bit on pixel values: the operation's
// code byte is a truth table indexed by (pattern bit << 2) | (source bit << 1) | destination bit.

#include <cstdint>

namespace gdi {

constexpr uint8_t rop3Code(uint32_t rop) {
    return uint8_t(rop >> 16);
}

// An operation reads the source when its result differs between source bits 0 and 1,
// the pattern when it differs between pattern bits 0 and 1.
constexpr bool ropUsesSource(uint32_t rop) {
    return ((rop3Code(rop) >> 2) & 0x33) != (rop3Code(rop) & 0x33);
}
constexpr bool ropUsesPattern(uint32_t rop) {
    return ((rop3Code(rop) >> 4) & 0x0F) != (rop3Code(rop) & 0x0F);
}

// The binary raster operation (R2_*) of an operation that ignores the source, with the
// pattern taking the pen's place.
constexpr int rop2OfPatternRop(uint32_t rop) {
    const uint8_t c = rop3Code(rop);
    return int(((c >> 2) & 0x0C) | (c & 0x03)) + 1;
}

// A binary operation of source and destination as a 4-bit truth table indexed by
// (source bit << 1) | destination bit, applied to whole words.
inline uint32_t applyTable2(unsigned table, uint32_t s, uint32_t d) {
    const uint32_t t0 = 0u - ((table >> 0) & 1), t1 = 0u - ((table >> 1) & 1);
    const uint32_t t2 = 0u - ((table >> 2) & 1), t3 = 0u - ((table >> 3) & 1);
    return (s & ((d & t3) | (~d & t2))) | (~s & ((d & t1) | (~d & t0)));
}

// The operation applied to whole words of pattern, source and destination bits.
inline uint32_t applyRop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
    return (p & applyTable2(code >> 4, s, d)) | (~p & applyTable2(code & 0x0F, s, d));
}

// The operation as the reference carries it out with a brush that is not uniform. It
// breaks each operation into binary steps between pattern, source, destination and a
// scratch copy; steps that paint the pattern into the source copy see the brush shifted
// (`ps`, see patternShift in Blit.cpp) against steps that paint it into the destination
// (`pd`), and a pattern step changes nothing where the brush has no pixel (a null brush,
// the gaps of a transparent hatch: painted false). For a uniform brush this is applyRop3.
uint32_t applyRop3Steps(uint8_t code, uint32_t ps, bool psPainted, uint32_t pd, bool pdPainted, uint32_t s,
                        uint32_t d);

} // namespace gdi
