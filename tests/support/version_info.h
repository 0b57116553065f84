// The version resource of a program file, for the tests that compare it with
// what the program shows and what the installer is called. version.dll is
// not among the libraries the program links, so it is reached at run time.
#pragma once

#include <windows.h>
#include <winver.h>

#include <string>
#include <vector>

namespace automation {

class VersionInfo {
 public:
  explicit VersionInfo(const std::wstring& file) {
    library_ = LoadLibraryW(L"version.dll");
    if (!library_) return;
    auto size = procedure<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>("GetFileVersionInfoSizeW");
    auto read = procedure<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>("GetFileVersionInfoW");
    query_ = procedure<decltype(query_)>("VerQueryValueW");
    if (!size || !read || !query_) return;
    DWORD ignored = 0;
    block_.resize(size(file.c_str(), &ignored));
    if (block_.empty() || !read(file.c_str(), 0, static_cast<DWORD>(block_.size()), block_.data())) block_.clear();
  }
  ~VersionInfo() {
    if (library_) FreeLibrary(library_);
  }
  VersionInfo(const VersionInfo&) = delete;
  VersionInfo& operator=(const VersionInfo&) = delete;

  bool loaded() const { return !block_.empty(); }

  const void* value(const std::wstring& path, UINT& length) const {
    void* found = nullptr;
    return query_(block_.data(), path.c_str(), &found, &length) ? found : nullptr;
  }

  // A text of the French (Windows-1252) block.
  std::wstring text(const wchar_t* name) const {
    UINT length = 0;
    const auto* found = static_cast<const wchar_t*>(value(L"\\StringFileInfo\\040C04E4\\" + std::wstring(name), length));
    return found ? std::wstring(found) : L"<missing>";
  }

 private:
  template <typename Function>
  Function procedure(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
  }

  HMODULE library_ = nullptr;
  BOOL(WINAPI* query_)(LPCVOID, LPCWSTR, LPVOID*, PUINT) = nullptr;
  std::vector<BYTE> block_;
};

}  // namespace automation
