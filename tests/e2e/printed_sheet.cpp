#include "printed_sheet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "ruler/scale_catalogue.h"
#include "tests/support/window_search.h"

namespace e2e {
namespace {

std::wstring windowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (const char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

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

std::string narrow(std::wstring_view text) {
  std::string out;
  for (const wchar_t c : text) out += static_cast<char>(c);  // the texts checked here are ASCII
  return out;
}

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

Sheet measure(const std::string& pdf) {
  // The report is written aside and renamed once complete, with the tool's
  // exit status as its last line.
  const std::string out = "/tmp/morvi-measure-" + std::to_string(GetCurrentProcessId()) + ".txt";
  DeleteFileW(windowsPath(out).c_str());
  EXPECT_TRUE(startUnix("/usr/bin/python3 '" + repoRoot() + "tools/measure_ruler.py' '" + pdf + "' > '" + out +
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


HWND printGroup(const MorviProcess& m) { return m.childWithText(m.window(), kPrintGroup); }

void chooseScale(const MorviProcess& m, int index) {
  const HWND scales = m.childWithText(printGroup(m), L"Echelles disponibles");
  const HWND item = m.childWithText(scales, std::wstring(ruler::scaleAt(index)->itemText));
  ASSERT_TRUE(item);
  m.click(item);
  ASSERT_EQ(SendMessageW(item, BM_GETCHECK, 0, 0), BST_CHECKED);
}

HWND otherScaleItem(const MorviProcess& m) {
  const std::vector<Child> items = m.children(m.childWithText(printGroup(m), L"Echelles disponibles"));
  return items.size() == 18 ? items.back().hwnd : nullptr;
}

HWND openOtherScale(const MorviProcess& m) {
  const HWND item = otherScaleItem(m);
  if (!item) return nullptr;
  m.click(item);
  return waitForTopLevel(m.processId(), L"Autre échelle");
}

std::wstring proposedScale(HWND dialog) {
  // The field is the dialog's only edit window.
  const HWND field = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  return field ? textOf(field) : L"(no field)";
}

void giveOtherScale(const MorviProcess& m, HWND dialog, const std::wstring& n) {
  m.type(n);  // the field has the focus, its text all selected
  EXPECT_EQ(proposedScale(dialog), n) << "typed elsewhere";
  m.press(VK_RETURN);
  waitUntilClosed(dialog);
  ASSERT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "Enter left the dialog open";
}

void chooseOrientation(const MorviProcess& m, const wchar_t* item) {
  const HWND orientation = m.childWithText(printGroup(m), L"Orientation");
  const HWND button = m.childWithText(orientation, item);
  ASSERT_TRUE(button);
  m.click(button);
  ASSERT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_CHECKED);
}

void calibrate(const MorviProcess& m, int value) {
  const HWND spin = m.childAt(printGroup(m), 68, 119);
  ASSERT_TRUE(spin);
  m.click(spin);
  m.press(VK_END);
  for (int i = 0; i < 6; ++i) m.press(VK_BACK);
  m.type(std::to_wstring(value));
  ASSERT_NEAR(m.calibrationCoef(), 1 + value / 1000.0, 1e-12);
}

HWND askToPrint(const MorviProcess& m) {
  const HWND button = m.childWithText(printGroup(m), L"Imprimer le morvi");
  if (!button) return nullptr;
  m.click(button);
  return waitForTopLevel(m.processId(), L"Confirmation");
}

Sheet printAndMeasure(const MorviProcess& m, PdfFolder& folder) {
  const HWND dialog = askToPrint(m);
  if (!dialog) {
    ADD_FAILURE() << "no confirmation dialog";
    return {};
  }
  const HWND yes = automation::descendantWithText(dialog, L"&Oui");
  if (!yes) {
    ADD_FAILURE() << "no Oui button";
    return {};
  }
  m.click(yes);
  const std::optional<std::string> pdf = folder.next();
  if (!pdf) {
    ADD_FAILURE() << "no PDF came out";
    return {};
  }
  return measure(*pdf);
}

}  // namespace e2e
