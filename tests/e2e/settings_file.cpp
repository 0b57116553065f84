#include "settings_file.h"

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

std::wstring appDataDir() {
  wchar_t path[MAX_PATH]{};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

}  // namespace

SettingsFileSetAside::SettingsFileSetAside()
    : dir(appDataDir() + L"\\Plandrel"), file(dir + L"\\Plandrel.ini"), saved_(read()) {
  DeleteFileW(file.c_str());
  CreateDirectoryW(dir.c_str(), nullptr);
}

SettingsFileSetAside::~SettingsFileSetAside() {
  // A test may have put a file where the folder goes.
  if (GetFileAttributesW(dir.c_str()) != INVALID_FILE_ATTRIBUTES &&
      !(GetFileAttributesW(dir.c_str()) & FILE_ATTRIBUTE_DIRECTORY))
    DeleteFileW(dir.c_str());
  CreateDirectoryW(dir.c_str(), nullptr);
  DeleteFileW(file.c_str());
  if (saved_) write(*saved_);
}

std::optional<std::string> SettingsFileSetAside::read() const {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void SettingsFileSetAside::write(const std::string& content) const {
  std::ofstream(std::filesystem::path(file), std::ios::binary) << content;
}

int SettingsFileSetAside::stored(const wchar_t* section, const wchar_t* key) const {
  return static_cast<int>(GetPrivateProfileIntW(section, key, -12345, file.c_str()));
}

std::wstring SettingsFileSetAside::storedText(const wchar_t* key, const wchar_t* section) const {
  wchar_t text[64]{};
  GetPrivateProfileStringW(section, key, L"(absent)", text, 64, file.c_str());
  return text;
}

}  // namespace e2e
