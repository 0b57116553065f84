// The printer object and the ruler printing on the default printer (the PDF
// printer of tools/services.sh): orientation of our own, the state errors,
// the default font, and no job left behind by a failure.
#include "framework/system/printer.h"

#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

#include "framework/error/error.h"
#include "ruler/print_ruler.h"
#include "tests/support/printer_font_widths.h"

namespace {

using fw::Orientation;

// The orientation the system itself holds for the default printer.
short systemOrientation() {
  wchar_t name[256];
  DWORD size = 256;
  if (!GetDefaultPrinterW(name, &size)) throw std::runtime_error("no default printer");
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name, &printer, nullptr)) throw std::runtime_error("cannot open the printer");
  const LONG bytes = DocumentPropertiesW(nullptr, printer, name, nullptr, nullptr, 0);
  std::string buffer(static_cast<std::size_t>(bytes), '\0');
  auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
  DocumentPropertiesW(nullptr, printer, name, mode, nullptr, DM_OUT_BUFFER);
  ClosePrinter(printer);
  return mode->dmOrientation;
}

// Counts the PDFs the printer has written so far.
int pdfCount() {
  const char* dir = std::getenv("MORVI_PDF_DIR");
  if (!dir) throw std::runtime_error("MORVI_PDF_DIR is not set (tools/services.sh start)");
  std::wstring pattern = L"Z:";
  for (const char* c = dir; *c; ++c) pattern += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  pattern += L"\\*.pdf";
  int count = 0;
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do ++count;
  while (FindNextFileW(search, &data));
  FindClose(search);
  return count;
}

// Waits, bounded, until the folder holds `expected` PDFs or the time is up.
int pdfCountAfterSpooling(int expected) {
  int count = pdfCount();
  for (int i = 0; i < 60 && count < expected; ++i) {
    Sleep(50);
    count = pdfCount();
  }
  return count;
}

std::wstring messageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const fw::PrinterError& e) {
    return e.message();
  }
  return L"(no error)";
}

TEST(Printer, OrientationIsTheProgramsOwnAndSetsThePageBeforeMeasuring) {
  fw::Printer printer;
  const short system = systemOrientation();
  printer.setOrientation(Orientation::Landscape);
  EXPECT_EQ(printer.orientation(), Orientation::Landscape);
  EXPECT_GT(GetDeviceCaps(printer.handle(), HORZRES), GetDeviceCaps(printer.handle(), VERTRES));
  EXPECT_GT(GetDeviceCaps(printer.handle(), HORZSIZE), GetDeviceCaps(printer.handle(), VERTSIZE));
  EXPECT_EQ(systemOrientation(), system) << "the system's printer settings never change";

  printer.setOrientation(Orientation::Portrait);
  EXPECT_EQ(printer.orientation(), Orientation::Portrait);
  EXPECT_LT(GetDeviceCaps(printer.handle(), HORZRES), GetDeviceCaps(printer.handle(), VERTRES));
  EXPECT_EQ(GetDeviceCaps(printer.handle(), LOGPIXELSY), 300) << "the PDF printer of the tests";
}

TEST(Printer, AnOpenDocumentRefusesChangesAndAnAbortedOneLeavesNothing) {
  fw::Printer printer;
  const Orientation initial = printer.orientation();
  const int before = pdfCount();
  printer.beginDoc();
  EXPECT_TRUE(printer.printing());
  EXPECT_EQ(messageOf([&] { printer.setOrientation(Orientation::Landscape); }), L"Impression en cours");
  EXPECT_EQ(messageOf([&] { printer.beginDoc(); }), L"Impression en cours");
  printer.moveTo(100, 100);
  printer.lineTo(500, 100);
  printer.abort();
  EXPECT_FALSE(printer.printing());
  EXPECT_EQ(printer.orientation(), initial);
  Sleep(1500);  // time for a job that had been sent to arrive
  EXPECT_EQ(pdfCount(), before) << "an aborted document prints nothing";
  EXPECT_THROW(printer.lineTo(1, 1), std::logic_error) << "no drawing outside a document";
}

TEST(Printer, DrawsWithTheDialogFaceAtEightPointsOfThePrinter) {
  fw::Printer printer;
  const int before = pdfCount();
  printer.beginDoc();
  LOGFONTW font{};
  GetObjectW(GetCurrentObject(printer.handle(), OBJ_FONT), sizeof font, &font);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(printer.handle(), LOGPIXELSY), 72));
  EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
  printer.textOut(100, 100, L"0,5m");
  printer.endDoc();
  EXPECT_FALSE(printer.printing());
  EXPECT_EQ(pdfCountAfterSpooling(before + 1), before + 1);
}

// The widths the host tests lay the sheets out with are the driver's, and a
// text measures the sum of its letters, on each queue of each resolution.
TEST(Printer, TheFontWidthsOfTheHostTestsAreTheDrivers) {
  for (const PrinterFontWidths& font : printerFontWidths) {
    SCOPED_TRACE(font.dpi);
    fw::Printer printer;
    printer.use(font.printer);
    EXPECT_EQ(GetDeviceCaps(printer.handle(), LOGPIXELSY), font.dpi);
    for (const std::wstring_view text : {L"Mesurez la barre du trait 0 au trait 250 mm (Ctrl+E).", L"250 mm",
                                         L"Echelle 1:100 · étalonnage +12 ‰ · portrait · PDF-M…-nord · 08/12/2026",
                                         L"Étalonner l'imprimante « HP » × 1:141,4"}) {
      EXPECT_EQ(printer.textSize(text).cx, widthIn(font, text)) << text.size();
      EXPECT_EQ(printer.textSize(text).cy, font.height);
    }
  }
}

TEST(PrintRuler, PutsThePrintersOrientationBackAfterThePage) {
  fw::Printer printer;
  printer.setOrientation(Orientation::Portrait);
  const ruler::Graduation& scale = ruler::scaleAt(4)->graduation;
  const int before = pdfCount();
  // 1:75 stores 130 tenths for 133.3: the page is stretched by 10000 / 9750.
  const long double coef = ruler::printRuler(printer, scale, ruler::Calibration::clamped(10), Orientation::Landscape, L',');
  EXPECT_DOUBLE_EQ(static_cast<double>(coef), 1.01 * 10000 / 9750);
  EXPECT_EQ(printer.orientation(), Orientation::Portrait);
  EXPECT_FALSE(printer.printing());

  // No orientation chosen: the printer's own, landscape here, stays.
  printer.setOrientation(Orientation::Landscape);
  EXPECT_DOUBLE_EQ(static_cast<double>(ruler::printRuler(printer, scale, {}, std::nullopt, L',')), 10000.0 / 9750);
  EXPECT_EQ(printer.orientation(), Orientation::Landscape);
  EXPECT_EQ(pdfCountAfterSpooling(before + 2), before + 2);
}

TEST(PrintRuler, AFailureRestoresTheOrientationAndPrintsNothing) {
  fw::Printer printer;
  printer.setOrientation(Orientation::Portrait);
  const int before = pdfCount();
  EXPECT_THROW(ruler::printRuler(printer, {L"Echelle", 0, 100, 1, 100}, {}, Orientation::Landscape, L','), std::invalid_argument);
  EXPECT_EQ(printer.orientation(), Orientation::Portrait);
  EXPECT_FALSE(printer.printing());

  printer.beginDoc();
  EXPECT_EQ(messageOf([&] { ruler::printRuler(printer, ruler::scaleAt(5)->graduation, {}, Orientation::Landscape, L','); }),
            L"Impression en cours");
  EXPECT_EQ(printer.orientation(), Orientation::Portrait) << "nothing changed";
  printer.abort();
  Sleep(1500);
  EXPECT_EQ(pdfCount(), before);
}

// Every name the system gives for its default printer is taken whole; Wine
// answers the size query with nothing past 99 characters.
TEST(Printer, TheDefaultPrintersNameIsTakenWhateverItsLength) {
  std::wstring longName = L"PDF-";  // tools/services.sh
  for (int i = 0; i < 96; ++i) longName += wchar_t(L'0' + i % 10);
  wchar_t saved[256];
  DWORD size = 256;
  ASSERT_TRUE(GetDefaultPrinterW(saved, &size));
  ASSERT_TRUE(SetDefaultPrinterW(longName.c_str())) << "run tools/services.sh start";
  std::wstring read;
  try {
    read = fw::defaultPrinterName();
  } catch (const fw::PrinterError& e) {
    read = e.message();
  }
  SetDefaultPrinterW(saved);
  EXPECT_EQ(read, longName);
}

}  // namespace
