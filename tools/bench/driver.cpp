// Runs Morvi and the baseline program a few times each, as a user would use
// them, and prints a table: start-up until the window shows, "Oui" until the
// PDF is complete, and the peak working set; Morvi's medians over the
// baseline's. Measures only: nothing is asserted.
//   driver.exe <Morvi.exe> <baseline.exe> <runs>     (MORVI_PDF_DIR set)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/window_search.h"

namespace {

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart * 1000.0 / frequency.QuadPart;
}

template <class F>
auto waitFor(F probe, int timeoutMs = 20000) {
  const double end = nowMs() + timeoutMs;
  auto found = probe();
  while (!found && nowMs() < end) {
    Sleep(1);
    found = probe();
  }
  return found;
}

std::wstring pdfFolder() {
  const char* dir = std::getenv("MORVI_PDF_DIR");
  std::wstring path = L"Z:";
  for (const char* c = dir ? dir : "/nonexistent"; *c; ++c) path += *c == '/' ? L'\\' : wchar_t(*c);
  return path;
}

std::set<std::wstring> pdfs() {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW((pdfFolder() + L"\\*.pdf").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(data.cFileName);
  while (FindNextFileW(search, &data));
  FindClose(search);
  return names;
}

// A new PDF that Ghostscript has finished (it ends with %%EOF).
bool newPdfComplete(const std::set<std::wstring>& before) {
  for (const std::wstring& name : pdfs()) {
    if (before.count(name)) continue;
    const HANDLE file = CreateFileW((pdfFolder() + L"\\" + name).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    char tail[32]{};
    DWORD got = 0;
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    if (size.QuadPart > 32) {
      SetFilePointer(file, -32, nullptr, FILE_END);
      ReadFile(file, tail, 31, &got, nullptr);
    }
    CloseHandle(file);
    if (std::string(tail, got).find("%%EOF") != std::string::npos) return true;
  }
  return false;
}

struct Run {
  double startupMs = 0, printMs = 0, peakMb = 0;
  bool ok = false;
};

Run runOnce(const std::wstring& exe, const std::wstring& caption) try {
  Run run;
  const double start = nowMs();
  const automation::Process process(exe, L"");
  const HWND window = waitFor([&] { return automation::topLevelOf(process.id(), caption); });
  run.startupMs = nowMs() - start;
  if (window) {
    const HWND button = waitFor([&] { return automation::descendantWithText(window, L"Imprimer le morvi"); });
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    const HWND dialog = waitFor([&] { return automation::topLevelOf(process.id(), L"Confirmation"); });
    const HWND yes = dialog ? waitFor([&] { return automation::descendantWithText(dialog, L"&Oui"); }) : nullptr;
    if (yes) {
      const std::set<std::wstring> before = pdfs();
      const double answered = nowMs();
      PostMessageW(yes, BM_CLICK, 0, 0);
      run.ok = waitFor([&] { return newPdfComplete(before); });
      run.printMs = nowMs() - answered;
    }
    PROCESS_MEMORY_COUNTERS memory{sizeof memory};
    if (GetProcessMemoryInfo(process.handle(), &memory, sizeof memory))
      run.peakMb = memory.PeakWorkingSetSize / 1048576.0;
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (!process.ended(10000)) process.kill();
  return run;
} catch (const std::runtime_error&) {
  return {};  // the program did not start
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Medians {
  double startupMs, printMs, peakMb;
  int failed;
};

// The runs of one program, and their medians.
struct Series {
  std::wstring exe, caption;
  std::vector<double> startup, print, peak;
  int failed = 0;

  void runOnce() {
    const Run r = ::runOnce(exe, caption);
    if (!r.ok) {
      ++failed;
      return;
    }
    startup.push_back(r.startupMs);
    print.push_back(r.printMs);
    peak.push_back(r.peakMb);
  }
  Medians medians() const { return {median(startup), median(print), median(peak), failed}; }
};

// The two programs take turns, each start on a machine left a moment to
// settle after the previous run (the spooler and the PDF printer finish their
// work after the file is complete), so that what the machine does meanwhile
// weighs on both alike.
std::pair<Medians, Medians> measure(Series morvi, Series baseline, int runs) {
  constexpr DWORD settleMs = 500;
  for (int i = 0; i < runs; ++i) {
    for (Series* s : {&morvi, &baseline}) {
      Sleep(settleMs);
      s->runOnce();
    }
  }
  return {morvi.medians(), baseline.medians()};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: driver.exe <Morvi.exe> <baseline.exe> <runs>\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[3]));
  const auto [morvi, baseline] =
      measure({argv[1], L"Impression de Morvi (règle graduée)"}, {argv[2], L"Morvi baseline"}, runs);
  const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
  std::printf("medians of %d runs (failed runs: Morvi %d, baseline %d)\n", runs, morvi.failed, baseline.failed);
  std::printf("%-34s %10s %10s %7s\n", "", "Morvi", "baseline", "ratio");
  std::printf("%-34s %10.0f %10.0f %7.2f\n", "start-up to window shown (ms)", morvi.startupMs, baseline.startupMs,
              ratio(morvi.startupMs, baseline.startupMs));
  std::printf("%-34s %10.0f %10.0f %7.2f\n", "Oui to finished PDF (ms)", morvi.printMs, baseline.printMs,
              ratio(morvi.printMs, baseline.printMs));
  std::printf("%-34s %10.1f %10.1f %7.2f\n", "peak working set (MB)", morvi.peakMb, baseline.peakMb,
              ratio(morvi.peakMb, baseline.peakMb));
  return 0;
}
