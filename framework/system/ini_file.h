// The settings file: read once when opened; each write reads the file again
// as it is now (an outside edit of another key is kept), sets the values in
// its bytes (ini_text.h) and has the whole put in the file's place at once.
// Portable: where the bytes live is handed in (ini_disk.h on Windows).
#pragma once

#include <functional>

#include "framework/system/ini_text.h"
#include "framework/system/key_value_store.h"

namespace fw {

// Where the file's bytes live.
class IniBytes {
 public:
  using Edit = std::function<std::string(std::string_view now)>;
  virtual ~IniBytes() = default;
  // The bytes as they are now; none when there is no file yet. Throws
  // IniFileError when they cannot be read.
  virtual std::string read() const = 0;
  // Reads the bytes as they are now and puts what `edit` makes of them in
  // their place, whole; throws IniFileError, the file as it was, when any
  // step fails.
  virtual void write(const Edit& edit) = 0;
};

class IniFile : public KeyValueStore {
 public:
  IniFile(IniBytes& bytes, const CodePage& codePage);

  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const override;
  bool holdsKeys(std::wstring_view section) const override;
  bool holdsExactly(std::wstring_view text) const override;
  void write(const std::vector<KeyValue>& values) override;

 private:
  IniBytes& bytes_;
  const CodePage& codePage_;
  IniText text_;
};

}  // namespace fw
