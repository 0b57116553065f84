// The text of a settings value turned into an integer, as the settings file
// stores it: decimal with an optional sign, or hexadecimal after "0x", "0X"
// or "$". Any other text gives the caller's default.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

// Values are read as at most this many characters; the rest is cut.
inline constexpr std::size_t kIniValueMaxLength = 2047;

// Nothing when the text is not an integer.
std::optional<std::int32_t> iniInteger(std::wstring_view text);
inline std::int32_t iniInteger(std::wstring_view text, std::int32_t fallback) {
  return iniInteger(text).value_or(fallback);
}

}  // namespace fw
