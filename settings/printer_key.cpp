#include "settings/printer_key.h"

#include "framework/text/utf8.h"

namespace settings {

namespace {

constexpr std::wstring_view kUnsafe = L"=[];";

int hexDigit(wchar_t c) { return c >= L'0' && c <= L'9' ? c - L'0' : c >= L'A' && c <= L'F' ? c - L'A' + 10 : -1; }

bool blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u00A0' || c == L'\u202F'; }

bool plain(std::wstring_view name, bool fileHoldsName) {
  if (!fileHoldsName || blank(name.front()) || blank(name.back())) return false;
  for (wchar_t c : name)
    if (c < 0x20 || c == 0x7F || kUnsafe.find(c) != std::wstring_view::npos) return false;
  return true;
}

}  // namespace

std::wstring printerKey(std::wstring_view name, bool fileHoldsName) {
  if (name.empty() || plain(name, fileHoldsName)) return std::wstring(name);
  constexpr char hex[] = "0123456789ABCDEF";
  std::wstring key = L"]";
  for (const char byte : fw::toUtf8(name)) {
    const auto b = static_cast<unsigned char>(byte);
    if (b > 0x20 && b < 0x7F && b != '%' && kUnsafe.find(wchar_t(b)) == std::wstring_view::npos) {
      key += wchar_t(b);
    } else {
      key += L'%';
      key += wchar_t(hex[b >> 4]);
      key += wchar_t(hex[b & 0xF]);
    }
  }
  return key;
}

std::optional<std::wstring> printerName(std::wstring_view key) {
  if (!key.starts_with(L']')) return std::wstring(key);
  std::string bytes;
  for (std::size_t i = 1; i < key.size(); ++i) {
    if (key[i] != L'%') {
      if (key[i] > 0x7F) return std::nullopt;
      bytes += char(key[i]);
      continue;
    }
    const int high = i + 1 < key.size() ? hexDigit(key[i + 1]) : -1;
    const int low = i + 2 < key.size() ? hexDigit(key[i + 2]) : -1;
    if (high < 0 || low < 0) return std::nullopt;
    bytes += char(high * 16 + low);
    i += 2;
  }
  const std::wstring name = fw::fromUtf8(bytes);
  if (printerKey(name, false) != key) return std::nullopt;
  return name;
}

}  // namespace settings
