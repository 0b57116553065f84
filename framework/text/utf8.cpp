#include "framework/text/utf8.h"

namespace fw {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

void appendWide(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out += wchar_t(0xD800 + (c >> 10));
      out += wchar_t(0xDC00 + (c & 0x3FF));
      return;
    }
  }
  out += wchar_t(c);
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  // The range allowed for the second byte shuts out overlong forms (E0, F0),
  // surrogates (ED) and code points past U+10FFFF (F4).
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < low || second > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!isContinuation(static_cast<unsigned char>(text[i]))) return 0;
  return length;
}

bool isValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t n = utf8SequenceLength(text);
    if (n == 0) return false;
    text.remove_prefix(n);
  }
  return true;
}

// A stray byte becomes U+FFFD: the description reader has already refused
// invalid UTF-8, and elsewhere a best effort is what is wanted.
std::wstring fromUtf8(std::string_view s) {
  std::wstring out;
  while (!s.empty()) {
    const std::size_t length = utf8SequenceLength(s);
    if (length == 0) {
      appendWide(out, 0xFFFD);
      s.remove_prefix(1);
      continue;
    }
    const auto lead = static_cast<unsigned char>(s[0]);
    char32_t c = length == 1 ? lead : char32_t(lead & (0x7F >> length));
    for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    appendWide(out, c);
    s.remove_prefix(length);
  }
  return out;
}

std::string toUtf8(std::wstring_view w) {
  std::string out;
  for (size_t i = 0; i < w.size(); ++i) {
    char32_t c = char32_t(w[i]);
    if (sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < w.size()) {
      char32_t lo = char32_t(w[i + 1]);
      if (lo >= 0xDC00 && lo < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      }
    }
    appendUtf8(out, c);
  }
  return out;
}

}  // namespace fw
