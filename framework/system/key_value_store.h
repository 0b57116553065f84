// Text values by section and key, as a settings file keeps them: the
// program's is the private-profile file (IniFile); the host tests give a table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw {

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  // The value's text; nothing when the key is missing.
  virtual std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const = 0;
  // Makes the file, section or key when missing; throws when refused.
  virtual void write(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
  // Whether the file keeps this text as it stands: a file in the system's
  // code page turns the characters it lacks into others.
  virtual bool holdsExactly(std::wstring_view text) const = 0;
};

}  // namespace fw
