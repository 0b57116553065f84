// A settings file in the system's private-profile format. Opening reads
// nothing and creates nothing; each read and write goes to the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fw {

class IniFile {
 public:
  explicit IniFile(std::wstring path) : path_(std::move(path)) {}

  const std::wstring& path() const { return path_; }

  // The value's text made an integer; nothing, or the default, when the key
  // is missing or its text is not an integer.
  std::optional<std::int32_t> readInteger(const std::wstring& section, const std::wstring& key) const;
  std::int32_t readInteger(const std::wstring& section, const std::wstring& key, std::int32_t fallback) const {
    return readInteger(section, key).value_or(fallback);
  }
  // Written as decimal; the file, section or key is made when missing.
  // Throws IniFileError when the system refuses.
  void writeInteger(const std::wstring& section, const std::wstring& key, std::int32_t value) const;
  // The value's text as it stands, at most kIniValueMaxLength characters;
  // empty when the key is missing.
  std::wstring readString(const std::wstring& section, const std::wstring& key) const;
  void writeString(const std::wstring& section, const std::wstring& key, const std::wstring& value) const;

 private:
  std::wstring path_;
};

}  // namespace fw
