#include "framework/system/ini_value.h"

namespace fw {

namespace {

std::optional<unsigned> digitValue(wchar_t c, unsigned base) {
  unsigned d;
  if (c >= L'0' && c <= L'9') d = unsigned(c - L'0');
  else if (c >= L'a' && c <= L'f') d = unsigned(c - L'a') + 10;
  else if (c >= L'A' && c <= L'F') d = unsigned(c - L'A') + 10;
  else return std::nullopt;
  if (d >= base) return std::nullopt;
  return d;
}

// Hexadecimal fills the 32 bits as they come ("$FFFFFFFF" is -1); decimal
// must stay within the signed range.
std::optional<std::int32_t> digits(std::wstring_view text, unsigned base, bool negative) {
  if (text.empty()) return std::nullopt;
  std::uint64_t v = 0;
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (wchar_t c : text) {
    auto d = digitValue(c, base);
    if (!d) return std::nullopt;
    v = v * base + *d;
    if (v > limit) return std::nullopt;
  }
  auto u = static_cast<std::uint32_t>(v);
  if (negative) u = 0u - u;
  return static_cast<std::int32_t>(u);
}

}  // namespace

std::optional<std::int32_t> iniInteger(std::wstring_view text) {
  text = text.substr(0, kIniValueMaxLength);
  bool negative = false;
  if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
    negative = text[0] == L'-';
    text.remove_prefix(1);
  }
  if (text.starts_with(L'$')) return digits(text.substr(1), 16, negative);
  if (text.starts_with(L"0x") || text.starts_with(L"0X")) return digits(text.substr(2), 16, negative);
  return digits(text, 10, negative);
}

}  // namespace fw
