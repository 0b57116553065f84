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

}  // namespace

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
