// A whole file read at once, through the system's own file calls.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// The bytes, or the system's error code when the file cannot be opened or
// read (ERROR_FILE_NOT_FOUND for none). Writers and deleters are let in while
// it reads, as a text editor lets them in.
struct FileBytes {
  std::string bytes;
  DWORD error = ERROR_SUCCESS;
};
FileBytes readFileBytes(const std::wstring& path);

}  // namespace fw
