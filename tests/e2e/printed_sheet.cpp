#include "printed_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "framework/text/number_text.h"
#include "morvi_process.h"

namespace e2e {
namespace {

std::string readFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  CloseHandle(file);
  return text;
}

}  // namespace

PdfFolder::PdfFolder() {
  const char* dir = std::getenv("MORVI_PDF_DIR");
  if (!dir) throw std::runtime_error("MORVI_PDF_DIR is not set (tools/services.sh start)");
  unixDir_ = dir;
  known_ = names();
}

std::optional<std::string> PdfFolder::next() {
  for (int i = 0; i < 200; ++i) {
    for (const std::wstring& name : names()) {
      if (known_.count(name)) continue;
      const std::string text = readFile(windowsPath(unixDir_) + L"\\" + name);
      if (text.find("%%EOF", text.size() > 64 ? text.size() - 64 : 0) == std::string::npos) continue;
      known_.insert(name);
      return unixDir_ + "/" + narrow(name);
    }
    pause(50);
  }
  return std::nullopt;
}

std::vector<std::wstring> PdfFolder::arrivedWithin(DWORD ms) {
  pause(ms);
  std::vector<std::wstring> arrived;
  for (const std::wstring& name : names()) {
    if (!known_.count(name)) arrived.push_back(name);
  }
  known_.insert(arrived.begin(), arrived.end());
  return arrived;
}

std::set<std::wstring> PdfFolder::names() const {
  std::set<std::wstring> found;
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW((windowsPath(unixDir_) + L"\\*.pdf").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.insert(data.cFileName);
  while (FindNextFileW(search, &data));
  FindClose(search);
  return found;
}

std::vector<double> Sheet::labelledMm() const {
  std::vector<double> at;
  for (const Mark& mark : marks)
    if (mark.labelled) at.push_back(mark.mm);
  return at;
}

double expectLabelledEvery(const std::vector<Sheet::Mark>& marks, double stepMm, double metres, std::size_t atLeast) {
  std::vector<Sheet::Mark> labelled;
  std::copy_if(marks.begin(), marks.end(), std::back_inserter(labelled), [](const Sheet::Mark& m) { return m.labelled; });
  EXPECT_GE(labelled.size(), std::max<std::size_t>(atLeast, 1));
  for (std::size_t k = 0; k < labelled.size(); ++k) {
    EXPECT_NEAR(labelled[k].mm - labelled[0].mm, k * stepMm, 0.1) << "mark " << k;
    EXPECT_EQ(labelled[k].label, narrow(fw::formatGeneral(k * metres, L',') + L"m")) << "mark " << k;
  }
  return labelled.empty() ? 0 : labelled.back().mm - labelled[0].mm;
}

Sheet measure(const std::string& pdf, double acrossMm) {
  // The report is written aside and renamed once complete, with the tool's
  // exit status as its last line.
  const std::string out = "/tmp/morvi-measure-" + std::to_string(GetCurrentProcessId()) + ".txt";
  DeleteFileW(windowsPath(out).c_str());
  EXPECT_TRUE(startUnix("/usr/bin/python3 '" + repoRoot() + "tools/measure_ruler.py' '" + pdf + "' --across " + std::to_string(acrossMm) + " > '" + out +
                        ".part' 2>&1; echo exit $? >> '" + out + ".part'; mv '" + out + ".part' '" + out + "'"));
  std::string report;
  for (int i = 0; i < 600 && report.empty(); ++i) {
    report = readFile(windowsPath(out));
    if (report.empty()) pause(50);
  }
  EXPECT_NE(report.find("exit 0"), std::string::npos) << report;
  Sheet sheet;
  std::istringstream lines(report);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string key;
    fields >> key;
    if (key == "orientation") {
      fields >> sheet.orientation;
    } else if (key == "rotation") {
      fields >> sheet.rotation;
    } else if (key == "paper") {
      fields >> sheet.paperWidthMm >> sheet.paperHeightMm;
    } else if (key == "title") {
      sheet.title = line.substr(6);
    } else if (key == "text") {
      sheet.texts.push_back(line.substr(5));
    } else if (key == "span") {
      fields >> sheet.textSpansMm.emplace_back().first >> sheet.textSpansMm.back().second;
    } else if (key == "checkbar") {
      fields >> sheet.checkBarMm >> sheet.checkBarLeftMm >> sheet.checkBarRightMm;
    } else if (key == "checkmark") {
      double at = 0;
      fields >> at;
      sheet.checkMarksMm.push_back(at);
    } else if (key == "ink") {
      fields >> sheet.inkLeftMm >> sheet.inkTopMm >> sheet.inkRightMm >> sheet.inkBottomMm;
    } else if (key == "bar") {
      fields >> sheet.barMm;
    } else if (key == "mark") {
      Sheet::Mark mark{};
      std::string word;
      fields >> mark.mm >> word;
      mark.labelled = word == "labelled";
      fields >> mark.label;
      (sheet.strips.empty() ? sheet.marks : sheet.strips.back().marks).push_back(mark);
    } else if (key == "strip") {
      fields >> sheet.strips.emplace_back().cutMm;
    }
  }
  return sheet;
}


}  // namespace e2e
