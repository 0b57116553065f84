// The user's settings file, set aside for the length of a test: the program
// starts without one, and what it stores does not reach the next test.
#pragma once

#include <string>

namespace e2e {

class SettingsFileSetAside {
 public:
  SettingsFileSetAside();   // the file removed, its folder made
  ~SettingsFileSetAside();  // the user's own file back, or none as before
  SettingsFileSetAside(const SettingsFileSetAside&) = delete;
  SettingsFileSetAside& operator=(const SettingsFileSetAside&) = delete;

  const std::wstring dir;   // <application data>\Plandrel
  const std::wstring file;  // its Plandrel.ini

 private:
  bool hadFile_ = false;
  std::string saved_;
};

}  // namespace e2e
