// The printed ruler, measured: the real program prints through the real
// spooler to the PDF printer, and tools/measure_ruler.py reads the sheet.
// Every mark must lie within one device pixel of where the page geometry
// puts it, every labelled mark within a tenth of a millimetre of its true
// place, and the labels must read as the scale catalogue says.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "morvi_process.h"
#include "tests/support/window_search.h"
#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"

using e2e::MorviProcess;

namespace {

constexpr wchar_t kPrintGroup[] = L"Impression de règles graduées";
constexpr double kMmPerInch = 25.4;

// --- Unix side: the PDF folder and the measuring tool -----------------------

std::wstring windowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (const char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

std::string narrow(std::wstring_view text) {
  std::string out;
  for (const wchar_t c : text) out += static_cast<char>(c);  // the texts checked here are ASCII
  return out;
}

std::string repoRoot() {
  const std::string source = __FILE__;
  return source.substr(0, source.rfind("tests/e2e/"));
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

class PdfFolder {
 public:
  PdfFolder() {
    const char* dir = std::getenv("MORVI_PDF_DIR");
    if (!dir) throw std::runtime_error("MORVI_PDF_DIR is not set (tools/services.sh start)");
    unixDir_ = dir;
    known_ = names();
  }

  // The next new PDF once Ghostscript has finished it; nullopt when none
  // comes within ten seconds.
  std::optional<std::string> next() {
    for (int i = 0; i < 200; ++i) {
      for (const std::wstring& name : names()) {
        if (known_.count(name)) continue;
        const std::string text = readFile(windowsPath(unixDir_) + L"\\" + name);
        if (text.find("%%EOF", text.size() > 64 ? text.size() - 64 : 0) == std::string::npos) continue;
        known_.insert(name);
        return unixDir_ + "/" + narrow(name);
      }
      e2e::pause(50);
    }
    return std::nullopt;
  }

  // New files after a job that was not started would have reached the folder.
  std::vector<std::wstring> arrivedWithin(DWORD ms) {
    e2e::pause(ms);
    std::vector<std::wstring> arrived;
    for (const std::wstring& name : names()) {
      if (!known_.count(name)) arrived.push_back(name);
    }
    known_.insert(arrived.begin(), arrived.end());
    return arrived;
  }

 private:
  std::set<std::wstring> names() const {
    std::set<std::wstring> found;
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW((windowsPath(unixDir_) + L"\\*.pdf").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do found.insert(data.cFileName);
    while (FindNextFileW(search, &data));
    FindClose(search);
    return found;
  }

  std::string unixDir_;
  std::set<std::wstring> known_;
};

struct Sheet {
  struct Mark {
    double mm;
    bool labelled;
    std::string label;
  };
  std::string orientation, title;
  int rotation = -1;
  double paperWidthMm = 0, paperHeightMm = 0;
  std::vector<Mark> marks;
};

Sheet measure(const std::string& pdf) {
  // The report is written aside and renamed once complete, with the tool's
  // exit status as its last line.
  const std::string out = "/tmp/morvi-measure-" + std::to_string(GetCurrentProcessId()) + ".txt";
  DeleteFileW(windowsPath(out).c_str());
  EXPECT_TRUE(e2e::startUnix("/usr/bin/python3 '" + repoRoot() + "tools/measure_ruler.py' '" + pdf + "' > '" + out +
                             ".part' 2>&1; echo exit $? >> '" + out + ".part'; mv '" + out + ".part' '" + out + "'"));
  std::string report;
  for (int i = 0; i < 600 && report.empty(); ++i) {
    report = readFile(windowsPath(out));
    if (report.empty()) e2e::pause(50);
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
    } else if (key == "mark") {
      Sheet::Mark mark{};
      std::string word;
      fields >> mark.mm >> word;
      mark.labelled = word == "labelled";
      fields >> mark.label;
      sheet.marks.push_back(mark);
    }
  }
  return sheet;
}

// --- What the geometry says --------------------------------------------------

struct PrinterPage {
  ruler::Resolution resolution;
  int heightPixels;  // VERTRES
};

// The default printer's page in one orientation, asked from the driver the
// way any program would.
PrinterPage pageOf(bool landscape) {
  wchar_t device[256]{};
  GetProfileStringW(L"windows", L"device", L"", device, 256);
  std::wstring name(device);
  name = name.substr(0, name.find(L','));
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_ORIENTATION;
  mode.dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  const HDC dc = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, &mode);
  if (!dc) throw std::runtime_error("no default printer to measure against");
  const PrinterPage page{{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)}, GetDeviceCaps(dc, VERTRES)};
  DeleteDC(dc);
  return page;
}

wchar_t localeDecimal() {
  wchar_t text[8]{};
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
  return text[0];
}

struct ExpectedMark {
  int y;  // device row
  bool labelled;
  std::wstring label;
};

std::vector<ExpectedMark> expectedMarks(const ruler::RulerPage& page) {
  std::vector<ExpectedMark> marks;
  for (const ruler::DrawOp& op : page.ops) {
    if (const auto* line = std::get_if<ruler::Line>(&op)) {
      if (!marks.empty() && marks.back().y == line->from.y) {
        marks.back().labelled = true;  // the labelled mark over its tick
      } else {
        marks.push_back({line->from.y, false, {}});
      }
    } else if (!marks.empty()) {
      marks.back().labelled = true;
      marks.back().label = std::get<ruler::Text>(op).text;
    }
  }
  return marks;
}

std::string trimmed(std::wstring_view title) {
  std::string text = narrow(title);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Compares the measured sheet with the page the geometry gives for this
// printer. A line at device row y covers row y, whose centre is y + 0.5.
void expectMeasuresTrue(const Sheet& sheet, int scaleIndex, long double calibrationCoef, bool landscape) {
  const ruler::Graduation& graduation = ruler::scaleAt(scaleIndex)->graduation;
  const PrinterPage printer = pageOf(landscape);
  const ruler::RulerPage page = ruler::layoutRuler(printer.resolution, graduation, calibrationCoef, localeDecimal());
  SCOPED_TRACE(testing::Message() << "scale " << narrow(ruler::scaleAt(scaleIndex)->itemText) << ", coefficient "
                                  << static_cast<double>(calibrationCoef) << (landscape ? ", landscape" : ""));

  EXPECT_EQ(sheet.orientation, landscape ? "landscape" : "portrait");
  EXPECT_EQ(sheet.rotation, landscape ? 90 : 0);
  EXPECT_EQ(sheet.title, trimmed(graduation.title));

  // Lines off the sheet are cut by the printer; a label is read only when
  // it lies on the sheet whole.
  constexpr int labelHeight = 40;
  std::vector<ExpectedMark> expected = expectedMarks(page);
  std::erase_if(expected, [&](const ExpectedMark& m) { return m.y >= printer.heightPixels - 1; });
  ASSERT_EQ(sheet.marks.size(), expected.size());
  const double pixelsPerMm = printer.resolution.dpiY / kMmPerInch;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "mark " << i << " at device row " << expected[i].y);
    EXPECT_NEAR(sheet.marks[i].mm * pixelsPerMm, expected[i].y + 0.5, 1.0);
    EXPECT_EQ(sheet.marks[i].labelled, expected[i].labelled);
    if (expected[i].labelled && expected[i].y - 20 + labelHeight < printer.heightPixels) {
      EXPECT_EQ(sheet.marks[i].label, narrow(expected[i].label));
    }
  }
  // And on paper: labelled mark k stands for k × LabelStep metres at 1:N,
  // stretched by the calibration.
  std::vector<double> labelled;
  for (const Sheet::Mark& m : sheet.marks) {
    if (m.labelled) labelled.push_back(m.mm);
  }
  const double millimetresPerLabel =
      graduation.labelStep * 1000 / graduation.scaleDenominator * static_cast<double>(calibrationCoef);
  for (std::size_t k = 1; k < labelled.size(); ++k) {
    EXPECT_NEAR(labelled[k] - labelled[0], k * millimetresPerLabel, 0.1) << "labelled mark " << k;
  }
}

// --- The user's actions ------------------------------------------------------

HWND printGroup(const MorviProcess& m) { return m.childWithText(m.window(), kPrintGroup); }

void chooseScale(const MorviProcess& m, int index) {
  const HWND scales = m.childWithText(printGroup(m), L"Echelles disponibles");
  const HWND item = m.childWithText(scales, std::wstring(ruler::scaleAt(index)->itemText));
  ASSERT_TRUE(item);
  m.click(item);
  ASSERT_EQ(SendMessageW(item, BM_GETCHECK, 0, 0), BST_CHECKED);
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

// Clicks the print button; the confirmation dialog that opens.
HWND askToPrint(const MorviProcess& m) {
  const HWND button = m.childWithText(printGroup(m), L"Imprimer le morvi");
  if (!button) return nullptr;
  m.click(button);
  return e2e::waitForTopLevel(m.processId(), L"Confirmation");
}

void pressWithAlt(WORD vk) {
  INPUT in[4]{};
  const WORD keys[4] = {VK_MENU, vk, vk, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = keys[i];
    in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, in, sizeof(INPUT));
}

// Prints with "Oui" and measures the sheet that comes out.
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

TEST(PrintedRuler, EveryScaleAtCalibrationZeroMeasuresTrue) {
  PdfFolder folder;
  MorviProcess morvi;
  calibrate(morvi, 0);  // whatever the settings file held
  chooseOrientation(morvi, L"Portrait");
  for (int index = 0; index < 17; ++index) {
    chooseScale(morvi, index);
    expectMeasuresTrue(printAndMeasure(morvi, folder), index, 1.0L, false);
  }
}

TEST(PrintedRuler, CalibrationStretchesAndLandscapeTurnsThePage) {
  PdfFolder folder;
  MorviProcess morvi;
  struct Case {
    int scale, calibration;
    bool landscape;
  };
  for (const Case c : {Case{5, -100, false}, Case{4, -100, false}, Case{1, 37, false}, Case{10, 37, false},
                       Case{0, 100, false}, Case{7, 100, false}, Case{5, 0, true}, Case{4, 37, true},
                       Case{16, -100, true}}) {
    chooseScale(morvi, c.scale);
    calibrate(morvi, c.calibration);
    chooseOrientation(morvi, c.landscape ? L"Paysage" : L"Portrait");
    expectMeasuresTrue(printAndMeasure(morvi, folder), c.scale, 1 + c.calibration / 1000.0L, c.landscape);
  }
}

// The system's default printer, changed as a user would for the length of a
// test and put back afterwards. Wine also takes the CUPS default back each
// time it copies the printers into the prefix, so nothing outlives the run.
// winspool is loaded only here: the no-printer tests need it unloaded.
class DefaultPrinter {
 public:
  explicit DefaultPrinter(const wchar_t* name)
      : winspool_(LoadLibraryW(L"winspool.drv")),
        get_(function<decltype(GetDefaultPrinterW)>("GetDefaultPrinterW")),
        set_(function<decltype(SetDefaultPrinterW)>("SetDefaultPrinterW")) {
    if (!get_ || !set_) throw std::runtime_error("winspool.drv is missing");
    wchar_t current[256]{};
    DWORD size = 256;
    if (get_(current, &size)) saved_ = current;
    if (!set_(name)) throw std::runtime_error("no such printer; run tools/services.sh start");
  }
  ~DefaultPrinter() {
    set_(saved_.c_str());
    FreeLibrary(winspool_);
  }
  DefaultPrinter(const DefaultPrinter&) = delete;
  DefaultPrinter& operator=(const DefaultPrinter&) = delete;

 private:
  template <class F>
  F* function(const char* name) const {
    return winspool_ ? reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(winspool_, name))) : nullptr;
  }

  HMODULE winspool_;
  decltype(GetDefaultPrinterW)* get_;
  decltype(SetDefaultPrinterW)* set_;
  std::wstring saved_;
};

TEST(PrintedRuler, OnLetterPaperTheLabelsMeasureTrue) {
  PdfFolder folder;
  const DefaultPrinter letter(L"PDF-Letter");  // tools/services.sh
  MorviProcess morvi;
  calibrate(morvi, 0);
  chooseOrientation(morvi, L"Portrait");
  chooseScale(morvi, 5);
  const Sheet sheet = printAndMeasure(morvi, folder);
  EXPECT_NEAR(sheet.paperWidthMm, 215.9, 0.1);
  EXPECT_NEAR(sheet.paperHeightMm, 279.4, 0.1);
  expectMeasuresTrue(sheet, 5, 1.0L, false);
}

TEST(PrintedRuler, OnlyOuiPrints) {
  PdfFolder folder;
  MorviProcess morvi;
  struct Way {
    const char* name;
    void (*close)(const MorviProcess&, HWND);
  };
  const Way ways[] = {
      {"Non", [](const MorviProcess& m, HWND d) { m.click(automation::descendantWithText(d, L"&Non")); }},
      {"Alt+N", [](const MorviProcess&, HWND) { pressWithAlt('N'); }},
      {"Escape", [](const MorviProcess& m, HWND) { m.press(VK_ESCAPE); }},
      {"Alt+F4", [](const MorviProcess&, HWND) { pressWithAlt(VK_F4); }},
      {"close box", [](const MorviProcess&, HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    const HWND dialog = askToPrint(morvi);
    ASSERT_TRUE(dialog);
    way.close(morvi, dialog);
    e2e::waitUntilClosed(dialog);
    ASSERT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the dialog stays open";
    morvi.settle();
    // A job that had been sent would be in the folder within a second.
    EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
  }
  // The button still prints afterwards.
  EXPECT_EQ(printAndMeasure(morvi, folder).title, "Echelle 1:100");
}

// With CUPS out of reach Wine has no printer at all; the error of start-up
// is the settings' business.
TEST(NoPrinter, OuiShowsThePrinterErrorAfterTheDialogAndNothingIsPrinted) {
  PdfFolder folder;
  MorviProcess morvi(e2e::Printers::None);
  const HWND button = morvi.childWithText(printGroup(morvi), L"Imprimer le morvi");
  ASSERT_TRUE(button);
  const auto clickPrint = [&] {
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    return e2e::waitForTopLevel(morvi.processId(), L"Confirmation");
  };

  // "Non" touches no printer: no error.
  HWND dialog = clickPrint();
  ASSERT_TRUE(dialog);
  PostMessageW(automation::descendantWithText(dialog, L"&Non"), BM_CLICK, 0, 0);
  e2e::waitUntilClosed(dialog);
  e2e::pause(500);
  EXPECT_EQ(automation::topLevelOf(morvi.processId(), L"Morvi"), nullptr);

  dialog = clickPrint();
  ASSERT_TRUE(dialog);
  PostMessageW(automation::descendantWithText(dialog, L"&Oui"), BM_CLICK, 0, 0);
  const HWND error = e2e::waitForTopLevel(morvi.processId(), L"Morvi");
  ASSERT_TRUE(error) << "no error box";
  EXPECT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the error comes after the dialog";
  EXPECT_TRUE(automation::descendantWithText(error, L"Aucune imprimante par défaut sélectionnée."));
  e2e::answerBox(error);
  EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
}

}  // namespace
