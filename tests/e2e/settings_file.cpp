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
    : dir(appDataDir() + L"\\Plandrel"), file(dir + L"\\Plandrel.ini") {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  if (in) {
    std::stringstream content;
    content << in.rdbuf();
    saved_ = content.str();
    hadFile_ = true;
  }
  in.close();
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
  if (hadFile_) std::ofstream(std::filesystem::path(file), std::ios::binary) << saved_;
}

}  // namespace e2e
