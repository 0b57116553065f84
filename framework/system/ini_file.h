// The settings file on disk. Opening reads it once; each write reads it
// again as it is now (so an outside edit of another key is kept), edits its
// bytes (ini_text.h), writes them to a new file in the same folder and puts
// that file in the old one's place in one step: whole or not at all.
#pragma once

#include "framework/system/ini_text.h"
#include "framework/system/key_value_store.h"

namespace fw {

class IniFile : public KeyValueStore {
 public:
  // Throws IniFileError when the file is there but cannot be read.
  explicit IniFile(std::wstring path);

  const std::wstring& path() const { return path_; }

  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const override;
  bool holdsKeys(std::wstring_view section) const override;
  bool holdsExactly(std::wstring_view text) const override;
  // Throws IniFileError, "Impossible d'écrire dans <path> : <the system's
  // reason>", when any step fails; the file is then as it was.
  void write(const std::vector<KeyValue>& values) override;

 private:
  std::wstring path_;
  IniText text_;
};

}  // namespace fw
