#include "framework/system/ini_file.h"

#include <windows.h>

#include <vector>

#include "framework/error/error.h"
#include "framework/system/ini_value.h"

namespace fw {

std::optional<std::int32_t> IniFile::readInteger(const std::wstring& section, const std::wstring& key) const {
  return iniInteger(readString(section, key));
}

void IniFile::writeInteger(const std::wstring& section, const std::wstring& key, std::int32_t value) const {
  writeString(section, key, std::to_wstring(value));
}

std::wstring IniFile::readString(const std::wstring& section, const std::wstring& key) const {
  std::vector<wchar_t> buffer(kIniValueMaxLength + 1, L'\0');
  const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(), DWORD(buffer.size()),
                                           path_.c_str());
  return std::wstring(buffer.data(), n);
}

void IniFile::writeString(const std::wstring& section, const std::wstring& key, const std::wstring& value) const {
  if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path_.c_str()))
    throw IniFileError(L"Impossible d'écrire dans " + path_);
}

}  // namespace fw
