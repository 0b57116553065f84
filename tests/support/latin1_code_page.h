// A stand-in for the system's code page off Windows: Latin-1, one byte a
// character, "?" for the characters beyond it; the case of its letters only.
#pragma once

#include <algorithm>

#include "framework/system/ini_text.h"

namespace test_support {

struct Latin1 : fw::CodePage {
  std::wstring decode(std::string_view bytes) const override {
    return std::wstring(reinterpret_cast<const unsigned char*>(bytes.data()),
                        reinterpret_cast<const unsigned char*>(bytes.data() + bytes.size()));
  }
  std::string encode(std::wstring_view text, bool& exact) const override {
    exact = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 0xFF; });
    std::string bytes;
    for (const wchar_t c : text) bytes += c <= 0xFF ? char(c) : '?';
    return bytes;
  }
  wchar_t upper(wchar_t c) const override {
    return (c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ? wchar_t(c - 0x20) : c;
  }
};

}  // namespace test_support
