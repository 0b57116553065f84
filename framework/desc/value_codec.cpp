#include "framework/desc/value_codec.h"

#include <array>
#include <limits>

#include "framework/text/decimal.h"
#include "framework/text/utf8.h"

namespace fw {

namespace {

constexpr std::array<std::pair<Color, const char*>, 11> kColorNames{{
    {clBlack, "clBlack"}, {clNavy, "clNavy"}, {clBlue, "clBlue"}, {clRed, "clRed"},
    {clWhite, "clWhite"}, {clOlive, "clOlive"}, {clBtnFace, "clBtnFace"}, {clWindow, "clWindow"},
    {clWindowText, "clWindowText"}, {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clNone, "clNone"},
}};

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

// The description reader has already refused invalid UTF-8; a stray byte
// here becomes U+FFFD rather than an error.
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

int ValueCodec<int>::decode(const desc::Value& v) {
  std::int64_t n = std::get<std::int64_t>(v);
  if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
    throw BadValue{"number out of range"};
  return int(n);
}

std::uint8_t ValueCodec<std::uint8_t>::decode(const desc::Value& v) {
  std::int64_t n = std::get<std::int64_t>(v);
  if (n < 0 || n > 255) throw BadValue{"number out of range 0 to 255"};
  return std::uint8_t(n);
}

desc::Value ValueCodec<long double>::encode(long double v) { return desc::Number{shortestText(v)}; }

long double ValueCodec<long double>::decode(const desc::Value& v) {
  const std::optional<long double> n = decimalValue(std::get<desc::Number>(v).text);
  if (!n) throw BadValue{"not a decimal number"};
  return *n;
}

bool ValueCodec<bool>::decode(const desc::Value& v) {
  const std::string& s = std::get<desc::Ident>(v).name;
  if (s == "true") return true;
  if (s == "false") return false;
  throw BadValue{"expected true or false, not " + s};
}

desc::Value ValueCodec<std::vector<std::wstring>>::encode(const std::vector<std::wstring>& v) {
  desc::StringList list;
  for (const std::wstring& s : v) list.push_back(toUtf8(s));
  return list;
}

std::vector<std::wstring> ValueCodec<std::vector<std::wstring>>::decode(const desc::Value& v) {
  std::vector<std::wstring> out;
  for (const std::string& s : std::get<desc::StringList>(v)) out.push_back(fromUtf8(s));
  return out;
}

desc::Value ValueCodec<Color>::encode(Color v) {
  for (auto& [color, name] : kColorNames)
    if (color == v) return desc::Ident{name};
  return std::int64_t(v.value);
}

Color ValueCodec<Color>::decode(const desc::Value& v) {
  if (auto* n = std::get_if<std::int64_t>(&v)) {
    if (*n < 0 || *n > 0xFFFFFFFFll) throw BadValue{"colour out of range"};
    return Color{std::uint32_t(*n)};
  }
  const std::string& s = std::get<desc::Ident>(v).name;
  for (auto& [color, name] : kColorNames)
    if (s == name) return color;
  throw BadValue{"unknown colour " + s};
}

}  // namespace fw
