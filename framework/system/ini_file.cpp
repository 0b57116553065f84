#include "framework/system/ini_file.h"

#include <windows.h>

#include <vector>

#include "framework/error/error.h"
#include "framework/system/ini_value.h"

namespace fw {

std::optional<std::wstring> IniFile::read(std::wstring_view section, std::wstring_view key) const {
  // A missing key gives the default back; one no value can be tells it from
  // an empty value.
  constexpr wchar_t missing[] = L"\x1F\x1Fmissing\x1F";
  std::vector<wchar_t> buffer(kIniValueMaxLength + 1, L'\0');
  const DWORD n = GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), missing,
                                           buffer.data(), DWORD(buffer.size()), path_.c_str());
  std::wstring value(buffer.data(), n);
  if (value == missing) return std::nullopt;
  return value;
}

void IniFile::write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  if (!WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                  std::wstring(value).c_str(), path_.c_str()))
    throw IniFileError(L"Impossible d'écrire dans " + path_);
}

bool IniFile::holdsExactly(std::wstring_view text) const {
  if (text.empty()) return true;
  // A file without a byte-order mark is read and written in the system's
  // code page; without best fit, a character it lacks sets usedDefault.
  BOOL usedDefault = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), nullptr, 0, nullptr,
                      &usedDefault);
  return !usedDefault;
}

}  // namespace fw
