// Colour values: 0x00BBGGRR, or a system colour (high byte 0x80, its index in
// the low byte), or clNone. The window description holds them; the drawing
// code (graphics, GDI+, the controls) takes them from here.
#pragma once

#include <cstdint>

namespace fw {

struct Color {
  std::uint32_t value = 0;
  bool operator==(const Color&) const = default;
  bool isSystem() const { return (value & 0xFF000000u) == 0x80000000u; }
  int systemIndex() const { return int(value & 0xFFu); }
};

inline constexpr Color clBlack{0x000000};
inline constexpr Color clNavy{0x800000};
inline constexpr Color clBlue{0xFF0000};
inline constexpr Color clRed{0x0000FF};
inline constexpr Color clWhite{0xFFFFFF};
inline constexpr Color clOlive{0x008080};
inline constexpr Color clBtnFace{0x8000000F};
inline constexpr Color clWindow{0x80000005};
inline constexpr Color clWindowText{0x80000008};
inline constexpr Color clGradientInactiveCaption{0x8000001C};
inline constexpr Color clNone{0x1FFFFFFF};

}  // namespace fw
