// A stand-in for the system's code page off Windows: Latin-1, one byte a
// character, "?" for the characters beyond it.
#pragma once

#include "framework/system/ini_text.h"

namespace test_support {

class Latin1 : public fw::CodePage {
 public:
  std::wstring decode(std::string_view bytes) const override {
    std::wstring text;
    for (const char b : bytes) text += wchar_t(static_cast<unsigned char>(b));
    return text;
  }
  std::string encode(std::wstring_view text, bool& exact) const override {
    std::string bytes;
    exact = true;
    for (const wchar_t c : text) {
      exact = exact && c <= 0xFF;
      bytes += c <= 0xFF ? char(c) : '?';
    }
    return bytes;
  }
};

}  // namespace test_support
