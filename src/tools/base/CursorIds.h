#pragma once
// The numbers of the program's cursors, as the tools ask the surface for them. The main
// window registers a picture under each; the tools know only the numbers.

#include <cstdint>

namespace cursor_id {

inline constexpr int16_t Main = 1;
inline constexpr int16_t Cross = 2;
inline constexpr int16_t Move = 5;
inline constexpr int16_t SizeWE = 20;
inline constexpr int16_t SizeNS = 21;
inline constexpr int16_t SizeNESW = 22;
inline constexpr int16_t SizeNWSE = 23;
inline constexpr int16_t Resize = 24;

} // namespace cursor_id
