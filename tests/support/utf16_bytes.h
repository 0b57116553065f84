// A text's bytes in UTF-16 after its byte-order mark, as an editor saves it.
#pragma once

#include <string>
#include <string_view>

namespace test_support {

inline std::string utf16(std::wstring_view text, bool bigEndian = false) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const wchar_t c : text)
    bytes += bigEndian ? std::string{char(c >> 8), char(c & 0xFF)} : std::string{char(c & 0xFF), char(c >> 8)};
  return bytes;
}

}  // namespace test_support
