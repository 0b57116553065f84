// Text values by section and key, as a settings file keeps them: the
// program's is the file on disk (IniFile); the host tests give its bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct KeyValue {
  std::wstring section, key, value;
  // A default: written only where the file holds no value for the key.
  bool ifMissing = false;
};

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  // The value's text; nothing when the key is missing.
  virtual std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const = 0;
  // Whether the section holds any key.
  virtual bool holdsKeys(std::wstring_view section) const = 0;
  // Whether the file keeps this text as it stands: a file in the system's
  // code page turns the characters it lacks into others.
  virtual bool holdsExactly(std::wstring_view text) const = 0;
  // Sets all of them, or none: makes the file, section or key when missing;
  // throws when refused.
  virtual void write(const std::vector<KeyValue>& values) = 0;
};

}  // namespace fw
