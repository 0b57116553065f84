#include "framework/system/file_bytes.h"

namespace fw {

FileBytes readFileBytes(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {{}, GetLastError()};
  FileBytes read;
  char buffer[4096];
  for (DWORD n = 0;; read.bytes.append(buffer, n)) {
    if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
      read.error = GetLastError();
      break;
    }
    if (n == 0) break;
  }
  CloseHandle(file);
  return read;
}

}  // namespace fw
