// The settings file: read once when opened; each write reads the file again
// as it is now (an outside edit of another key is kept), sets the values in
// its bytes (ini_text.h) and has the whole put in the file's place at once.
// A file that cannot be read when opened (held open by another program, a
// folder in its place) reads as empty and is never written over: a write
// that cannot read it is refused, and the first that can sets its values in
// what it reads. Portable: where the bytes live is handed in (ini_disk.h on
// Windows).
#pragma once

#include <functional>
#include <optional>

#include "framework/error/error.h"
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

  // Why the file could not be read when opened, until a write has read it.
  const std::optional<IniFileError>& unread() const { return unread_; }

  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const override;
  bool holdsKeys(std::wstring_view section) const override;
  bool holdsExactly(std::wstring_view text) const override;
  void write(const std::vector<KeyValue>& values) override;

 private:
  IniBytes& bytes_;
  const CodePage& codePage_;
  std::optional<IniFileError> unread_;
  IniText text_;
};

}  // namespace fw
