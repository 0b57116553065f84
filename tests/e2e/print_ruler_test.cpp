// The printed ruler, measured: the real program prints through the real
// spooler to the PDF printer, and tools/measure_ruler.py reads the sheet.
// Every mark must lie within one device pixel of where the page geometry
// puts it, every labelled mark within a tenth of a millimetre of its true
// place, and the labels must read as the scale catalogue says.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "morvi_process.h"
#include "morvi_version.h"
#include "printed_sheet.h"
#include "settings_file.h"
#include "tests/support/window_search.h"
#include "framework/text/number_text.h"
#include "ruler/other_scale.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"

using namespace e2e;

namespace {

constexpr double kMmPerInch = 25.4;

// The default printer's page in one orientation, asked from the driver the
// way any program would.
ruler::PrintablePage pageOf(bool landscape) {
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
  const ruler::PrintablePage page{{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)},
                                  GetDeviceCaps(dc, VERTRES),
                                  GetDeviceCaps(dc, HORZRES),
                                  {GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT),
                                   GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)}};
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

const ruler::Graduation& scale(int index) { return ruler::scaleAt(index)->graduation; }

std::string trimmed(std::wstring_view title) {
  std::string text = narrow(title);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Compares the measured sheet with the page the geometry gives for this
// printer. A line at device row y covers row y, whose centre is y + 0.5.
void expectMeasuresTrue(const Sheet& sheet, const ruler::Graduation& graduation, long double calibrationCoef,
                        bool landscape) {
  const ruler::PrintablePage printer = pageOf(landscape);
  const ruler::RulerPage page = ruler::layoutRuler(printer.resolution, graduation, calibrationCoef, localeDecimal());
  SCOPED_TRACE(testing::Message() << narrow(graduation.title) << ", coefficient "
                                  << static_cast<double>(calibrationCoef) << (landscape ? ", landscape" : ""));

  EXPECT_EQ(sheet.orientation, landscape ? "landscape" : "portrait");
  EXPECT_EQ(sheet.rotation, landscape ? 90 : 0);
  EXPECT_EQ(sheet.title, trimmed(graduation.title));

  // A mark whose pen would come within 3 mm of the paper's edge is left
  // out; a labelled mark whose label would is drawn as a plain tick, so that
  // every long mark has its label beside it.
  constexpr int labelHeight = 40;  // at least the printer font's line
  const int inkBottom = ruler::inkBox(printer).bottom;
  std::vector<ExpectedMark> expected = expectedMarks(page);
  std::erase_if(expected, [&](const ExpectedMark& m) { return m.y + 1 > inkBottom; });
  ASSERT_EQ(sheet.marks.size(), expected.size());
  const double pixelsPerMm = printer.resolution.dpiY / kMmPerInch;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "mark " << i << " at device row " << expected[i].y);
    EXPECT_NEAR(sheet.marks[i].mm * pixelsPerMm, expected[i].y + 0.5, 1.0);
    if (!expected[i].labelled || expected[i].y - 20 + labelHeight <= inkBottom) {
      EXPECT_EQ(sheet.marks[i].labelled, expected[i].labelled);
    }
    if (sheet.marks[i].labelled) {
      EXPECT_EQ(sheet.marks[i].label, narrow(expected[i].label));
    }
  }
  // And on paper: labelled mark k stands for k × LabelStep metres at 1:N,
  // stretched by the calibration.
  const std::vector<double> labelled = sheet.labelledMm();
  const double millimetresPerLabel =
      graduation.labelStep * 1000 / graduation.scaleDenominator * static_cast<double>(calibrationCoef);
  for (std::size_t k = 1; k < labelled.size(); ++k) {
    EXPECT_NEAR(labelled[k] - labelled[0], k * millimetresPerLabel, 0.1) << "labelled mark " << k;
  }
}


TEST(PrintedRuler, EveryScaleAtCalibrationZeroMeasuresTrue) {
  PdfFolder folder;
  MorviProcess morvi;
  morvi.calibrate(0);  // whatever the settings file held
  morvi.chooseOrientation(L"Portrait");
  for (int index = 0; index < 17; ++index) {
    morvi.chooseScale(index);
    expectMeasuresTrue(morvi.printAndMeasure(folder), scale(index), 1.0L, false);
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
                       Case{16, -100, true}, Case{5, 100, true}}) {
    morvi.chooseScale(c.scale);
    morvi.calibrate(c.calibration);
    morvi.chooseOrientation(c.landscape ? L"Paysage" : L"Portrait");
    expectMeasuresTrue(morvi.printAndMeasure(folder), scale(c.scale), 1 + c.calibration / 1000.0L, c.landscape);
  }
}

// Nothing is cut at the paper's edge: the landscape pages, whose ruler runs
// past the paper's foot, keep every mark and every label they draw at least
// 3 mm from each edge, and each labelled mark that is drawn has its label.
TEST(PrintedRuler, LandscapePagesStayThreeMillimetresFromTheEdge) {
  PdfFolder folder;
  MorviProcess morvi;
  morvi.calibrate(0);
  morvi.chooseOrientation(L"Paysage");
  for (const int index : {5, 12}) {  // 1:100 and 1:500
    SCOPED_TRACE(narrow(scale(index).title));
    morvi.chooseScale(index);
    const Sheet sheet = morvi.printAndMeasure(folder);
    EXPECT_GE(sheet.inkLeftMm, 3.0);
    EXPECT_GE(sheet.inkTopMm, 3.0);
    EXPECT_LE(sheet.inkRightMm, 297.0 - 3.0);
    EXPECT_LE(sheet.inkBottomMm, 210.0 - 3.0);
    int k = 0;
    for (const Sheet::Mark& mark : sheet.marks) {
      if (!mark.labelled) continue;
      const double metres = k++ * scale(index).labelStep;
      EXPECT_EQ(mark.label, narrow(fw::formatGeneral(metres, localeDecimal()) + L"m")) << "at " << mark.mm << " mm";
    }
    EXPECT_GE(k, 10);  // a label every 10 mm at 1:100, every 20 mm at 1:500
  }
  expectMeasuresTrue(morvi.printAndMeasure(folder), scale(12), 1.0L, true);
}

// The check bar measures 100 mm on paper times the calibration, like the
// graduations beside it, its cross marks at its ends and at ±0,5 % and ±1 %
// of it, in both orientations, right of the graduations and their labels.
TEST(PrintedRuler, TheCheckBarMeasuresTheCalibratedHundredMillimetres) {
  PdfFolder folder;
  MorviProcess morvi;
  morvi.chooseScale(5);
  struct Case {
    int calibration;
    bool landscape;
  };
  for (const Case c : {Case{0, false}, Case{20, false}, Case{-35, false}, Case{0, true}, Case{20, true},
                       Case{-35, true}}) {
    SCOPED_TRACE(testing::Message() << c.calibration << " permille" << (c.landscape ? ", landscape" : ""));
    morvi.calibrate(c.calibration);
    morvi.chooseOrientation(c.landscape ? L"Paysage" : L"Portrait");
    const Sheet sheet = morvi.printAndMeasure(folder);
    const double coef = 1 + c.calibration / 1000.0;
    EXPECT_NEAR(sheet.checkBarMm, 100 * coef, 0.1);
    const double crossAt[] = {0, 99, 99.5, 100, 100.5, 101};
    ASSERT_EQ(sheet.checkMarksMm.size(), std::size(crossAt));
    for (std::size_t i = 0; i < std::size(crossAt); ++i) {
      EXPECT_NEAR(sheet.checkMarksMm[i], crossAt[i] * coef, 0.1) << "cross mark " << i;
    }
    // The labels end before 90 mm across.
    EXPECT_GT(sheet.checkBarLeftMm, 90.0);
    for (const char* line : {"Ce trait doit mesurer 100 mm.", "Sinon : Étalonner l'imprimante (Ctrl+E)"}) {
      EXPECT_NE(std::find(sheet.texts.begin(), sheet.texts.end(), line), sheet.texts.end()) << line;
    }
    expectMeasuresTrue(sheet, scale(5), coef, c.landscape);
  }
}

// The foot line says what the sheet was printed with.
TEST(PrintedRuler, TheFootLineSaysWhatTheSheetWasPrintedWith) {
  PdfFolder folder;
  MorviProcess morvi;
  morvi.chooseScale(5);
  morvi.calibrate(7);
  morvi.chooseOrientation(L"Portrait");
  SYSTEMTIME today{};
  GetLocalTime(&today);
  char date[16];
  std::snprintf(date, sizeof date, "%02d/%02d/%04d", today.wDay, today.wMonth, today.wYear);
  const Sheet sheet = morvi.printAndMeasure(folder);
  ASSERT_FALSE(sheet.texts.empty());
  EXPECT_EQ(sheet.texts.back(),
            std::string("Echelle 1:100 · étalonnage +7 ‰ · portrait · PDF · ") + date + " · Morvi " MORVI_VERSION);
}

// A scale the catalogue lacks, given in the dialog of " Autre…": its labels
// every 2 m at 1:141 (14,18 mm), every 50 m at 1:5000 (10 mm).
TEST(PrintedRuler, AnyScaleGivenInAutreMeasuresTrue) {
  const SettingsFileSetAside setAside;
  PdfFolder folder;
  MorviProcess morvi;
  morvi.calibrate(0);
  struct Case {
    const wchar_t* typed;
    long long tenths;
    bool landscape;
    const char* secondLabel;
  };
  for (const Case c : {Case{L"141", 1410, false, "2m"}, Case{L"5000", 50000, true, "50m"}}) {
    const HWND dialog = morvi.openOtherScale();
    ASSERT_TRUE(dialog) << "no dialog";
    morvi.giveOtherScale(dialog, c.typed);
    morvi.chooseOrientation(c.landscape ? L"Paysage" : L"Portrait");
    const ruler::ScaleDenominator n = *ruler::ScaleDenominator::ofTenths(c.tenths);
    EXPECT_EQ(textOf(morvi.otherScaleItem()), L" 1:" + std::wstring(c.typed));
    EXPECT_EQ(SendMessageW(morvi.otherScaleItem(), BM_GETCHECK, 0, 0), BST_CHECKED);
    const Sheet sheet = morvi.printAndMeasure(folder);
    ASSERT_GE(sheet.marks.size(), 21u);
    EXPECT_EQ(sheet.marks[10].label, c.secondLabel);
    const std::wstring title = ruler::scaleTitle(n, localeDecimal());
    expectMeasuresTrue(sheet, ruler::graduationFor(n, title), 1.0L, c.landscape);
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
  // The system's default printer now.
  std::wstring current() const {
    wchar_t name[256]{};
    DWORD size = 256;
    return get_(name, &size) ? name : L"";
  }

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
  morvi.calibrate(0);
  morvi.chooseOrientation(L"Portrait");
  morvi.chooseScale(5);
  const Sheet sheet = morvi.printAndMeasure(folder);
  EXPECT_NEAR(sheet.paperWidthMm, 215.9, 0.1);
  EXPECT_NEAR(sheet.paperHeightMm, 279.4, 0.1);
  expectMeasuresTrue(sheet, scale(5), 1.0L, false);
}

// On A5 (421 × 595 points in the PDF printer's PPD) the foot line is wider
// than the room beside the ruler: it wraps, whole, as the check bar's text
// does, and the labels measure true.
TEST(PrintedRuler, OnA5PaperTheFootLineWrapsWhole) {
  PdfFolder folder;
  const DefaultPrinter a5(L"PDF-A5");  // tools/services.sh
  MorviProcess morvi;
  morvi.calibrate(0);
  morvi.chooseOrientation(L"Portrait");
  morvi.chooseScale(5);
  const Sheet sheet = morvi.printAndMeasure(folder);
  std::string texts;
  for (const std::string& line : sheet.texts) texts += " " + line;
  EXPECT_NE(texts.find(" mm. Sinon : Étalonner l'imprimante (Ctrl+E) Echelle 1:100 · étalonnage 0 ‰ · portrait · PDF-A5 · "), texts.npos) << texts;
  EXPECT_TRUE(texts.ends_with(" · Morvi " MORVI_VERSION)) << texts;
  expectMeasuresTrue(sheet, scale(5), 1.0L, false);
}

// The calibration field's value after the program has had time to follow
// the default printer (it looks every second).
double coefficientOnceSettled(const MorviProcess& morvi, double wanted) {
  for (int i = 0; i < 40 && std::abs(morvi.calibrationCoef() - wanted) > 1e-9; ++i) e2e::pause(100);
  return morvi.calibrationCoef();
}

// Each printer keeps its own calibration under [Imprimantes]; a printer
// without one prints at 0 and the confirmation says so. [Morvi] Coef is
// still written for an older Morvi, and serves no other printer.
TEST(PrintedRuler, EachPrinterKeepsItsOwnCalibration) {
  const SettingsFileSetAside settings;
  settings.write("[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n");
  PdfFolder folder;
  {
    MorviProcess morvi;  // the A4 printer, the default, never calibrated
    EXPECT_NEAR(morvi.calibrationCoef(), 1.0, 1e-12);
    morvi.chooseScale(5);
    const HWND dialog = morvi.askToPrint();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(automation::descendantWithText(dialog, L"PDF \u00B7 non étalonnée")) << dialogText(dialog);
    morvi.answer(dialog, L"&Oui");
    const std::optional<std::string> pdf = folder.next();
    ASSERT_TRUE(pdf) << "nothing printed";
    expectMeasuresTrue(measure(*pdf), scale(5), 1.0L, false);  // the printer's portrait
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(settings.stored(L"Imprimantes", L"PDF"), -12345) << "a run without a change writes no printer's";
  {
    const DefaultPrinter letter(L"PDF-Letter");
    MorviProcess morvi;
    EXPECT_NEAR(morvi.calibrationCoef(), 0.992, 1e-12);
    morvi.chooseOrientation(L"Portrait");
    morvi.chooseScale(5);
    const HWND dialog = morvi.askToPrint();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(automation::descendantWithText(dialog, L"Confirmez l'impression"));
    EXPECT_TRUE(automation::descendantWithText(dialog, L"PDF-Letter · étalonnage -8 ‰")) << "not named";
    morvi.answer(dialog, L"&Oui");
    const std::optional<std::string> pdf = folder.next();
    ASSERT_TRUE(pdf) << "nothing printed";
    expectMeasuresTrue(measure(*pdf), scale(5), 0.992L, false);
    {
      const DefaultPrinter a4(L"PDF");
      EXPECT_NEAR(coefficientOnceSettled(morvi, 1.0), 1.0, 1e-12) << "the field does not follow";
    }
    EXPECT_NEAR(coefficientOnceSettled(morvi, 0.992), 0.992, 1e-12);
    morvi.calibrate(5);
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(settings.stored(L"Imprimantes", L"PDF-Letter"), 5);
  EXPECT_EQ(settings.stored(L"Morvi", L"Coef"), 5);
  EXPECT_EQ(settings.stored(L"Imprimantes", L"PDF"), -12345);
}

// The printer chosen in the confirmation prints with its own calibration and
// paper, stays the printer in force at the next start, and the system's
// default printer stays as it was. Only a click made to choose chooses: the
// confirmation opened by a double-click, whose second click lands on a
// printer's line, keeps the printer in force.
TEST(PrintedRuler, ThePrinterChosenInTheConfirmationPrintsAndStays) {
  const SettingsFileSetAside settings;
  settings.write("[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF=12\r\nPDF-Letter=-8\r\n");
  const DefaultPrinter a4(L"PDF");
  const std::wstring letterLine = L"PDF-Letter · étalonnage -8 ‰";
  PdfFolder folder;
  {
    MorviProcess morvi;
    EXPECT_NEAR(morvi.calibrationCoef(), 1.012, 1e-12);
    morvi.chooseOrientation(L"Portrait");
    morvi.chooseScale(5);
    const HWND dialog = morvi.doubleClickToPrint(letterLine);
    ASSERT_TRUE(dialog) << "no confirmation, or no double-click this machine could make";
    EXPECT_NE(SendMessageW(automation::descendantWithText(dialog, letterLine), BM_GETCHECK, 0, 0), BST_CHECKED)
        << "the double-click chose the printer";
    e2e::pause(GetDoubleClickTime());  // a user reads, then chooses
    morvi.click(automation::descendantWithText(dialog, letterLine));
    morvi.press(VK_RETURN);
    const std::optional<std::string> pdf = folder.next();
    ASSERT_TRUE(pdf) << "nothing printed";
    const Sheet sheet = measure(*pdf);
    expectMeasuresTrue(sheet, scale(5), 0.992L, false);
    EXPECT_NEAR(sheet.paperWidthMm, 215.9, 0.1);
    ASSERT_FALSE(sheet.texts.empty());
    EXPECT_NE(sheet.texts.back().find("étalonnage -8 ‰ · portrait · PDF-Letter · "), std::string::npos);
    EXPECT_NEAR(morvi.calibrationCoef(), 0.992, 1e-12);
    EXPECT_EQ(settings.stored(L"Morvi", L"Coef"), -8) << "Coef, which an earlier version prints with, follows";
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(a4.current(), L"PDF") << "the system's default changed";
  MorviProcess morvi;
  EXPECT_NEAR(morvi.calibrationCoef(), 0.992, 1e-12);
  const HWND dialog = morvi.askToPrint();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SendMessageW(automation::descendantWithText(dialog, letterLine), BM_GETCHECK, 0, 0), BST_CHECKED);
  morvi.press(VK_ESCAPE);
  waitUntilClosed(dialog);
}

// An earlier version's file holds one calibration, Coef: its printer keeps
// it after a print on another, which is no more calibrated at the next start.
TEST(PrintedRuler, AnUpgradeKeepsTheCalibrationWithItsPrinter) {
  const SettingsFileSetAside settings;
  settings.write("[Morvi]\r\nCoef=25\r\n");
  const DefaultPrinter a4(L"PDF");
  const std::wstring letterLine = L"PDF-Letter · non étalonnée";
  PdfFolder folder;
  {
    MorviProcess morvi;
    const HWND dialog = morvi.askToPrint();
    ASSERT_TRUE(dialog);
    e2e::pause(GetDoubleClickTime());  // a user reads, then chooses
    morvi.click(automation::descendantWithText(dialog, letterLine));
    morvi.press(VK_RETURN);
    ASSERT_TRUE(folder.next()) << "nothing printed";
  }
  MorviProcess morvi;
  EXPECT_NEAR(morvi.calibrationCoef(), 1.0, 1e-12) << "PDF-Letter took PDF's";
  const HWND dialog = morvi.askToPrint();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SendMessageW(automation::descendantWithText(dialog, letterLine), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(automation::descendantWithText(dialog, L"PDF · étalonnage +25 ‰")) << dialogText(dialog);
  morvi.press(VK_ESCAPE);
  waitUntilClosed(dialog);
}

// A printer whose name no settings key holds as it stands ("[", "=", a
// character outside the file's code page) keeps a calibration of its own.
TEST(PrintedRuler, APrinterOfAnyNameKeepsItsOwnCalibration) {
  const SettingsFileSetAside settings;
  settings.write("[Morvi]\r\nCoef=3\r\n");
  const DefaultPrinter hostile(L"[ΨMEGA=1]");  // tools/services.sh
  {
    MorviProcess morvi;
    morvi.calibrate(40);
    ASSERT_TRUE(morvi.close());
  }
  {
    const DefaultPrinter a4(L"PDF");
    MorviProcess morvi;
    morvi.calibrate(-2);
    ASSERT_TRUE(morvi.close());
  }
  PdfFolder folder;
  MorviProcess morvi;
  EXPECT_NEAR(morvi.calibrationCoef(), 1.040, 1e-12);
  morvi.chooseOrientation(L"Portrait");
  const Sheet sheet = morvi.printAndMeasure(folder);
  ASSERT_FALSE(sheet.texts.empty());
  // Wine's printer font has no "Ψ": the text read back shows a blank there.
  EXPECT_NE(sheet.texts.back().find("étalonnage +40 ‰ · portrait · ["), std::string::npos) << sheet.texts.back();
}

// A job the spooler refuses is said, naming the printer, and nothing is
// printed; the button prints again once the printer is back.
TEST(PrintedRuler, ARefusedJobIsSaid) {
  PdfFolder folder;
  MorviProcess morvi;
  {
    const DefaultPrinter refusing(L"PDF-Refuse");  // tools/services.sh
    const HWND dialog = morvi.askToPrint();
    ASSERT_TRUE(dialog);
    morvi.answer(dialog, L"&Oui");
    const HWND error = morvi.dialog(L"Morvi");
    ASSERT_TRUE(error) << "nothing said";
    EXPECT_NE(e2e::answerBox(error).find(L"L'imprimante « PDF-Refuse » a refusé l'impression : rien n'a été imprimé."),
              std::wstring::npos);
    EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
  }
  EXPECT_EQ(morvi.printAndMeasure(folder).title, "Echelle 1:100");
}

TEST(PrintedRuler, OnlyOuiPrints) {
  PdfFolder folder;
  MorviProcess morvi;
  struct Way {
    const char* name;
    void (*close)(const MorviProcess&, HWND);
  };
  const Way ways[] = {
      {"Non", [](const MorviProcess& m, HWND d) { m.answer(d, L"&Non"); }},
      {"Alt+N", [](const MorviProcess& m, HWND) { m.press('N', VK_MENU); }},
      {"Escape", [](const MorviProcess& m, HWND) { m.press(VK_ESCAPE); }},
      {"Alt+F4", [](const MorviProcess& m, HWND) { m.press(VK_F4, VK_MENU); }},
      {"close box", [](const MorviProcess&, HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    const HWND dialog = morvi.askToPrint();
    ASSERT_TRUE(dialog);
    way.close(morvi, dialog);
    ASSERT_TRUE(e2e::waitUntilClosed(dialog)) << "the dialog stays open";
    morvi.settle();
    // A job that had been sent would be in the folder within a second.
    EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
  }
  // The button still prints afterwards.
  EXPECT_EQ(morvi.printAndMeasure(folder).title, "Echelle 1:100");
}

// A keyboard user prints too: Tab from the scales reaches the print button,
// Space asks, Enter answers "Oui".
TEST(PrintedRuler, TheKeyboardPrints) {
  PdfFolder folder;
  MorviProcess morvi;
  morvi.chooseScale(12);
  morvi.press(VK_TAB);
  ASSERT_EQ(morvi.focus(), morvi.control("BtImprimer"));
  morvi.press(VK_SPACE);
  const HWND dialog = morvi.dialog(L"Confirmation");
  ASSERT_TRUE(dialog);
  morvi.press(VK_RETURN);
  const std::optional<std::string> pdf = folder.next();
  ASSERT_TRUE(pdf) << "nothing printed";
  EXPECT_EQ(measure(*pdf).title, "Echelle 1:500");
}

// With CUPS out of reach Wine has no printer at all; the error of start-up
// is the settings' business.
TEST(NoPrinter, OuiShowsThePrinterErrorAfterTheDialogAndNothingIsPrinted) {
  PdfFolder folder;
  MorviProcess morvi(e2e::Printers::None);
  const HWND button = morvi.control("BtImprimer");
  ASSERT_TRUE(button);
  const auto clickPrint = [&] {
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    return morvi.dialog(L"Confirmation");
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
  const HWND error = morvi.dialog(L"Morvi");
  ASSERT_TRUE(error) << "no error box";
  EXPECT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the error comes after the dialog";
  EXPECT_TRUE(automation::descendantWithText(error, L"Aucune imprimante par défaut sélectionnée."));
  e2e::answerBox(error);
  EXPECT_EQ(folder.arrivedWithin(1500), std::vector<std::wstring>{});
}

}  // namespace
