// A settings file in the system's private-profile format. Opening reads
// nothing and creates nothing; each read and write goes to the file.
#pragma once

#include "framework/system/key_value_store.h"

namespace fw {

class IniFile : public KeyValueStore {
 public:
  explicit IniFile(std::wstring path) : path_(std::move(path)) {}

  const std::wstring& path() const { return path_; }

  // At most kIniValueMaxLength characters.
  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const override;
  // Throws IniFileError when the system refuses.
  void write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
  bool holdsExactly(std::wstring_view text) const override;

 private:
  std::wstring path_;
};

}  // namespace fw
