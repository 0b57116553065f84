#include "controls/spin_logic.h"

#include <algorithm>

#include "framework/desc/dpi_scaling.h"
#include "framework/text/number_text.h"

namespace ctl::spin {

std::int32_t clampValue(std::int32_t v, std::int32_t minValue, std::int32_t maxValue) {
  if (minValue == maxValue) return v;
  if (v < minValue) return minValue;
  if (v > maxValue) return maxValue;
  return v;
}

std::int32_t readValue(std::wstring_view text, std::int32_t otherwise) {
  return fw::parseInteger(text).value_or(otherwise);
}

bool acceptsChar(wchar_t ch, wchar_t decimalSeparator, bool editorEnabled) {
  constexpr wchar_t kBackspace = 8, kReturn = 13;
  bool control = ch < 32 && ch != kReturn;
  bool allowed = ch == L'+' || ch == L'-' || (ch >= L'0' && ch <= L'9') || ch == decimalSeparator || control;
  if (!editorEnabled && allowed && (ch >= 32 || ch == kBackspace)) allowed = false;
  return allowed;
}

namespace {
int scaled(int designed, int dpi) { return desc::scaleLength(designed, dpi); }
}  // namespace

Box pairBounds(int fieldWidth, int fieldHeight, int pairWidth, bool threeD, int dpi) {
  if (threeD) return {fieldWidth - pairWidth - scaled(5, dpi), 0, pairWidth, fieldHeight - scaled(5, dpi)};
  return {fieldWidth - pairWidth, scaled(1, dpi), pairWidth, fieldHeight - scaled(3, dpi)};
}

ButtonBoxes fitButtons(int w, int h, int dpi) {
  w = std::max(w, scaled(kMinimumPairWidth, dpi));
  Box up{0, 0, w, h / 2};
  Box down{0, up.height - 1, w, h - up.height + 1};
  return {w, up, down};
}

int textMargin(int dpi) { return scaled(2, dpi); }

int textAreaRight(int clientWidth, int pairWidth, int dpi) { return clientWidth - pairWidth - scaled(2, dpi); }

int minimumHeight(int screenCharHeight, int fieldCharHeight, int borderHeight) {
  return fieldCharHeight + std::min(screenCharHeight, fieldCharHeight) / 4 + 4 * borderHeight + 2;
}

}  // namespace ctl::spin
