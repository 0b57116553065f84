// The user's settings file, set aside for the length of a test: the program
// starts without one, and what it stores does not reach the next test.
#pragma once

#include <optional>
#include <string>

namespace e2e {

class SettingsFileSetAside {
 public:
  SettingsFileSetAside();   // the file removed, its folder made
  ~SettingsFileSetAside();  // the user's own file back, or none as before
  SettingsFileSetAside(const SettingsFileSetAside&) = delete;
  SettingsFileSetAside& operator=(const SettingsFileSetAside&) = delete;

  // The file's bytes, or nothing when there is no file.
  std::optional<std::string> read() const;
  void write(const std::string& content) const;
  // A key's value as Windows reads it: a number (-12345 when absent) or a
  // text ("(absent)").
  int stored(const wchar_t* section, const wchar_t* key) const;
  std::wstring storedText(const wchar_t* key, const wchar_t* section = L"Morvi") const;

  const std::wstring dir;   // <application data>\Plandrel
  const std::wstring file;  // its Plandrel.ini

 private:
  std::optional<std::string> saved_;
};

}  // namespace e2e
