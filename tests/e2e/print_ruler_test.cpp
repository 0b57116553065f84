// The printed ruler, measured: the real program prints through the real
// spooler to the PDF printer, and tools/measure_ruler.py reads the sheet.
// Every mark must lie within one device pixel of where the page geometry
// puts it, and the labels must read as the scale catalogue says.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "tests/support/window_search.h"
#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"

using namespace e2e;

namespace {

constexpr double kDpi = 300, kMmPerInch = 25.4;

// The default printer's page in one orientation, asked from the driver the
// way any program would.
ruler::PageMetrics pageOf(bool landscape) {
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
  const ruler::PageMetrics page{GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, HORZSIZE),
                                GetDeviceCaps(dc, VERTSIZE)};
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
  const ruler::PageMetrics metrics = pageOf(landscape);
  const ruler::RulerPage page = ruler::layoutRuler(metrics, graduation, calibrationCoef, localeDecimal());
  SCOPED_TRACE(testing::Message() << "scale " << narrow(ruler::scaleAt(scaleIndex)->itemText) << ", coefficient "
                                  << static_cast<double>(calibrationCoef) << (landscape ? ", landscape" : ""));

  EXPECT_EQ(sheet.orientation, landscape ? "landscape" : "portrait");
  EXPECT_EQ(sheet.rotation, landscape ? 90 : 0);
  EXPECT_EQ(sheet.title, trimmed(graduation.title));

  // Lines off the sheet are cut by the printer; a label is read only when
  // it lies on the sheet whole.
  constexpr int labelHeight = 40;
  std::vector<ExpectedMark> expected = expectedMarks(page);
  std::erase_if(expected, [&](const ExpectedMark& m) { return m.y >= metrics.heightPixels - 1; });
  ASSERT_EQ(sheet.marks.size(), expected.size());
  const double pixelsPerMm = kDpi / kMmPerInch;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "mark " << i << " at device row " << expected[i].y);
    EXPECT_NEAR(sheet.marks[i].mm * pixelsPerMm, expected[i].y + 0.5, 1.0);
    EXPECT_EQ(sheet.marks[i].labelled, expected[i].labelled);
    if (expected[i].labelled && expected[i].y - 20 + labelHeight < metrics.heightPixels) {
      EXPECT_EQ(sheet.marks[i].label, narrow(expected[i].label));
    }
  }
  // And on paper: ten label intervals span ten times their length, stretched
  // by the page's coefficient, to a tenth of a millimetre. Only in portrait:
  // the printer reports its landscape height as 209 mm for 209.9, so there
  // the ruler is 0.4 % long, as the geometry above says.
  std::vector<double> labelled;
  for (const Sheet::Mark& m : sheet.marks) {
    if (m.labelled) labelled.push_back(m.mm);
  }
  if (!landscape && labelled.size() > 10) {
    EXPECT_NEAR(labelled[10] - labelled[0], graduation.labelInterval * static_cast<double>(page.printCoef), 0.1);
  }
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

TEST(PrintedRuler, OnlyOuiPrints) {
  PdfFolder folder;
  MorviProcess morvi;
  struct Way {
    const char* name;
    void (*close)(const MorviProcess&, HWND);
  };
  const Way ways[] = {
      {"Non", [](const MorviProcess& m, HWND d) { m.click(automation::descendantWithText(d, L"&Non")); }},
      {"Alt+N", [](const MorviProcess& m, HWND) { m.press('N', VK_MENU); }},
      {"Escape", [](const MorviProcess& m, HWND) { m.press(VK_ESCAPE); }},
      {"Alt+F4", [](const MorviProcess& m, HWND) { m.press(VK_F4, VK_MENU); }},
      {"close box", [](const MorviProcess&, HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    const HWND dialog = askToPrint(morvi);
    ASSERT_TRUE(dialog);
    way.close(morvi, dialog);
    waitUntilClosed(dialog);
    ASSERT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the dialog stays open";
    morvi.settle();
    // A job that had been sent would be in the folder within a second.
    EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
  }
  // The button still prints afterwards.
  EXPECT_EQ(printAndMeasure(morvi, folder).title, "Echelle 1:100");
}

void closeErrorBox(HWND box) {
  PostMessageW(automation::descendantWithText(box, L"OK"), BM_CLICK, 0, 0);
  waitUntilClosed(box);
}

// Every main window of the program now open, whichever process shows it.
std::vector<HWND> mainWindows() {
  std::vector<HWND> found;
  for (HWND w = FindWindowExW(nullptr, nullptr, nullptr, e2e::kCaption); w;
       w = FindWindowExW(nullptr, w, nullptr, e2e::kCaption)) {
    found.push_back(w);
  }
  return found;
}

// With CUPS out of reach Wine has no printer at all. The program is started
// from a Unix shell so that its own libcups sees the setting. Wine copies the
// CUPS printers into the prefix only in the first process to load winspool
// while no other holds it: this test runs alone (ctest's e2e-noprinter, in a
// prefix of its own) and this process must not have loaded it.
TEST(NoPrinter, OuiShowsThePrinterErrorAfterTheDialogAndNothingIsPrinted) {
  ASSERT_EQ(GetModuleHandleW(L"winspool.drv"), nullptr) << "run alone: --gtest_filter=NoPrinter.*";
  PdfFolder folder;
  ASSERT_TRUE(std::getenv("MORVI_EXE"));
  const std::vector<HWND> before = mainWindows();
  ASSERT_TRUE(startUnix(std::string("CUPS_SERVER=/nonexistent/cups.sock exec wine '") + std::getenv("MORVI_EXE") + "'"));
  HWND window = nullptr;
  for (int i = 0; i < 400 && !window; ++i) {
    for (const HWND w : mainWindows()) {
      if (std::find(before.begin(), before.end(), w) == before.end()) window = w;
    }
    if (!window) e2e::pause(50);
  }
  ASSERT_TRUE(window) << "the program did not start";
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  // Whatever happens below, the program started here ends with the test.
  struct Ending {
    HWND window;
    DWORD pid;
    ~Ending() {
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      for (int i = 0; i < 100 && IsWindow(window); ++i) e2e::pause(50);
      if (!IsWindow(window)) return;
      if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid)) {
        TerminateProcess(process, 9);
        CloseHandle(process);
      }
    }
  } ending{window, pid};
  // Reading the printer's orientation for the settings already fails at
  // start-up; that box comes before the window shows.
  for (int i = 0; i < 200 && !IsWindowVisible(window); ++i) {
    if (const HWND startError = automation::topLevelOf(pid, L"Morvi")) closeErrorBox(startError);
    e2e::pause(50);
  }
  ASSERT_TRUE(IsWindowVisible(window));
  const HWND button = FindWindowExW(FindWindowExW(window, nullptr, nullptr, kPrintGroup), nullptr, nullptr,
                                    L"Imprimer le morvi");
  ASSERT_TRUE(button);
  const auto clickPrint = [&] {
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    return e2e::waitForTopLevel(pid, L"Confirmation");
  };

  // "Non" touches no printer: no error.
  HWND dialog = clickPrint();
  ASSERT_TRUE(dialog);
  PostMessageW(automation::descendantWithText(dialog, L"&Non"), BM_CLICK, 0, 0);
  waitUntilClosed(dialog);
  e2e::pause(500);
  EXPECT_EQ(automation::topLevelOf(pid, L"Morvi"), nullptr);

  dialog = clickPrint();
  ASSERT_TRUE(dialog);
  PostMessageW(automation::descendantWithText(dialog, L"&Oui"), BM_CLICK, 0, 0);
  const HWND error = e2e::waitForTopLevel(pid, L"Morvi");
  ASSERT_TRUE(error) << "no error box";
  EXPECT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the error comes after the dialog";
  EXPECT_TRUE(automation::descendantWithText(error, L"Aucune imprimante par défaut sélectionnée."));
  closeErrorBox(error);
  EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
}

}  // namespace
