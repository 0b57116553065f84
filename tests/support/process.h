// Starting another program and waiting for it, bounded, for the programs
// that drive Morvi from outside (the end-to-end tests, the benchmark driver).
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace automation {

class Process {
 public:
  // Starts `program` (a Windows path, or a Unix one that Wine starts) with
  // its arguments; throws when it cannot be started.
  Process(const std::wstring& program, const std::wstring& arguments) {
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
      throw std::runtime_error("cannot start a program");
    CloseHandle(info.hThread);
    handle_ = info.hProcess;
    id_ = info.dwProcessId;
  }
  // A process that something else started, found by its id.
  explicit Process(DWORD id)
      : handle_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id)),
        id_(id) {
    if (!handle_) throw std::runtime_error("no such process");
  }
  ~Process() { CloseHandle(handle_); }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD id() const { return id_; }
  HANDLE handle() const { return handle_; }
  // Whether it has ended within `ms`.
  bool ended(DWORD ms = 0) const { return WaitForSingleObject(handle_, ms) == WAIT_OBJECT_0; }
  DWORD exitCode() const {
    DWORD code = DWORD(-1);
    GetExitCodeProcess(handle_, &code);
    return code;
  }
  void kill() const {
    TerminateProcess(handle_, 9);
    WaitForSingleObject(handle_, 5000);
  }

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// Runs a program to its end, at most `ms`; its exit code, or -1 when it
// could not start or had to be ended.
inline DWORD runToEnd(const std::wstring& program, const std::wstring& arguments, DWORD ms) {
  try {
    const Process process(program, arguments);
    if (process.ended(ms)) return process.exitCode();
    process.kill();
  } catch (const std::runtime_error&) {
  }
  return DWORD(-1);
}

}  // namespace automation
