// The decisions of the integer spin field, free of any window: which typed
// characters it takes, how it reads and clamps its number, when a held
// button repeats, and where its buttons go.
#pragma once

#include <cstdint>
#include <string_view>

namespace ctl::spin {

// MinValue = MaxValue means no limit at all.
std::int32_t clampValue(std::int32_t v, std::int32_t minValue, std::int32_t maxValue);

// The text read as an integer (optional sign, decimal digits); `otherwise`
// for any other text.
std::int32_t readValue(std::wstring_view text, std::int32_t otherwise);

// Signs, digits and the decimal separator, and control characters other
// than Return; with the editor disabled only those control characters,
// Backspace excluded.
bool acceptsChar(wchar_t ch, wchar_t decimalSeparator, bool editorEnabled);

// A held button: first repeat this long after the press, then at this pace.
inline constexpr unsigned kInitialRepeatDelay = 400;
inline constexpr unsigned kRepeatInterval = 100;

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};

// Every length below is designed at 96 dpi and scaled to the field's `dpi`.

// The size the pair is made with before the field places it.
inline constexpr int kDesignedPairWidth = 15, kDesignedPairHeight = 17;

// The button pair inside the field, at its right edge.
Box pairBounds(int fieldWidth, int fieldHeight, int pairWidth, bool threeD, int dpi);

// The two buttons of a pair of size w × h; they overlap by one row. The
// pair is never narrower than kMinimumPairWidth.
inline constexpr int kMinimumPairWidth = 15;
struct ButtonBoxes {
  int width;  // the pair's width after fitting
  Box up, down;
};
ButtonBoxes fitButtons(int w, int h, int dpi);

// The lowest the field may be, from the character heights of the screen's
// default font and of the field's font.
int minimumHeight(int screenCharHeight, int fieldCharHeight, int borderHeight);

// The edit's margin left of the text, in pixels.
int textMargin(int dpi);

// The right edge of the text area, so typed text never runs under the pair.
int textAreaRight(int clientWidth, int pairWidth, int dpi);

}  // namespace ctl::spin
