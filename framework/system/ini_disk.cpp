#include "framework/system/ini_disk.h"

#include <windows.h>

#include <memory>

#include "framework/error/error.h"
#include "framework/system/file_bytes.h"

namespace fw {

namespace {

// A file without a byte-order mark that is not UTF-8 is in the system's
// code page, as the profile functions read and write it.
class SystemCodePage : public CodePage {
 public:
  std::wstring decode(std::string_view bytes) const override {
    std::wstring text(bytes.size(), L'\0');
    text.resize(std::size_t(
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), text.data(), int(text.size()))));
    return text;
  }
  std::string encode(std::wstring_view text, bool& exact) const override {
    // Without best fit, a character the code page lacks sets usedDefault.
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, &usedDefault);
    std::string bytes(std::size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), bytes.data(), n, nullptr,
                        nullptr);
    exact = !usedDefault;
    return bytes;
  }
  wchar_t upper(wchar_t c) const override {
    CharUpperBuffW(&c, 1);
    return c;
  }
};

// A step the system refused, with its error code.
struct Refused {
  DWORD error;
};

struct HandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
using File = std::unique_ptr<void, HandleCloser>;

File open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  const HANDLE h = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return File(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// The system's own words for the last error, without the line end it adds.
std::wstring systemReason(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"erreur " + std::to_wstring(error);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
    reason.pop_back();
  return reason;
}

// The file's bytes; none when there is no file yet. Throws Refused otherwise.
std::string readAll(const std::wstring& path) {
  FileBytes read = readFileBytes(path);
  if (read.error == ERROR_FILE_NOT_FOUND || read.error == ERROR_PATH_NOT_FOUND) return {};
  if (read.error != ERROR_SUCCESS) throw Refused{read.error};
  return std::move(read.bytes);
}

// Makes the folder with its missing parents, as at a first start: one
// removed while the program runs is made again.
void makeFolder(const std::wstring& dir) {
  if (GetFileAttributesW(dir.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  const std::size_t parent = dir.find_last_of(L'\\');
  if (parent != std::wstring::npos && parent > 2) makeFolder(dir.substr(0, parent));
  CreateDirectoryW(dir.c_str(), nullptr);
}

// The file a write replaces: the target of a symbolic link, so that the
// link stays one; else the path itself.
std::wstring replacedFile(const std::wstring& path) {
  const File file = open(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
  if (!file) return path;
  std::wstring target(MAX_PATH, L'\0');
  DWORD n = GetFinalPathNameByHandleW(file.get(), target.data(), DWORD(target.size()), VOLUME_NAME_DOS);
  if (n >= target.size()) {
    target.resize(n);
    n = GetFinalPathNameByHandleW(file.get(), target.data(), DWORD(target.size()), VOLUME_NAME_DOS);
  }
  if (n == 0 || n >= target.size()) return path;
  target.resize(n);
  // "\\?\C:\..." is a path of a drive as any other.
  if (target.starts_with(L"\\\\?\\") && target.size() > 6 && target[5] == L':') target.erase(0, 4);
  return target;
}

// Writes `bytes` to a new file beside `path`, flushed, and puts it in the
// place of `path` in one step, with the old file's attributes (a hidden
// file stays hidden). Throws Refused; the new file is gone then.
void replaceWhole(const std::wstring& path, const std::string& bytes) {
  // A file made read-only is refused as Windows refuses writing it, though
  // a rename over it may pass.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) throw Refused{ERROR_ACCESS_DENIED};
  const std::wstring dir = path.substr(0, path.find_last_of(L'\\'));
  makeFolder(dir);
  wchar_t temporary[MAX_PATH]{};
  if (!GetTempFileNameW(dir.c_str(), L"ini", 0, temporary)) throw Refused{GetLastError()};
  DWORD error = ERROR_SUCCESS;
  {
    const File file = open(temporary, GENERIC_WRITE, 0, TRUNCATE_EXISTING);
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
        !FlushFileBuffers(file.get()))
      error = GetLastError();
    else if (written != bytes.size())
      error = ERROR_DISK_FULL;
  }
  // The system's replace keeps the old file's attributes on Windows; Wine
  // drops them, so the new file takes them first.
  if (error == ERROR_SUCCESS && attributes != INVALID_FILE_ATTRIBUTES) {
    const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    if (kept) SetFileAttributesW(temporary, kept);
    if (!ReplaceFileW(path.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
      error = GetLastError();
  } else if (error == ERROR_SUCCESS && !MoveFileExW(temporary, path.c_str(), MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary);
    throw Refused{error};
  }
}

}  // namespace

const CodePage& systemCodePage() {
  static const SystemCodePage codePage;
  return codePage;
}

std::string IniDisk::read() const {
  try {
    return readAll(path_);
  } catch (const Refused& refused) {
    throw IniFileError(L"Impossible de lire " + path_ + L" : " + systemReason(refused.error));
  }
}

void IniDisk::write(const Edit& edit) {
  try {
    const std::wstring replaced = replacedFile(path_);
    replaceWhole(replaced, edit(readAll(replaced)));
  } catch (const Refused& refused) {
    throw IniFileError(L"Impossible d'écrire dans " + path_ + L" : " + systemReason(refused.error));
  }
}

}  // namespace fw
