// The three sheets on printers of other resolutions than 300 dpi and on one
// whose printable area keeps 5 mm from every edge (tools/services.sh), each
// printed by the real program on the printer in force and measured on its
// PDF: marks true, bars their length, every ink inside the printable area
// and 3 mm from the paper's edge. The last printer's long name fills the
// lines that name it to their end: drawn wider than measured, it would
// cross the printable area's edge.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "framework/text/utf8.h"
#include "morvi_process.h"
#include "morvi_version.h"
#include "printed_sheet.h"
#include "ruler/kutsch_sheet.h"
#include "ruler/scale_catalogue.h"
#include "settings_file.h"
#include "tests/support/printer_font_widths.h"

using namespace e2e;

namespace {

// A printed line of text as wide, in device pixels at `dpi`, as the printer's
// font measures it (tests/support/printer_font_widths.h), within a pixel.
void expectDrawnAsMeasured(const std::string& text, std::pair<double, double> spanMm, int dpi) {
  const auto font = std::find_if(std::begin(printerFontWidths), std::end(printerFontWidths),
                                 [&](const PrinterFontWidths& f) { return f.dpi == dpi; });
  ASSERT_NE(font, std::end(printerFontWidths));
  EXPECT_NEAR((spanMm.second - spanMm.first) * dpi / 25.4, widthIn(*font, fw::fromUtf8(text)), 1.0) << text;
}

TEST(EveryPrinter, EachSheetPrintsTrueInsideThePrintableArea) {
  struct Queue {
    const wchar_t* name;
    int dpi;
    double printableFromEdgeMm;
  };
  for (const Queue queue : {Queue{L"PDF-150", 150, 0}, {L"PDF-600", 600, 0}, {L"PDF-1200", 1200, 0},
                            {L"PDF-Marges5-atelier-du-deuxieme-etage-batiment-nord", 300, 5}}) {
    const std::string name = narrow(queue.name);
    SCOPED_TRACE(name);
    const SettingsFileSetAside settings;
    settings.write("[Morvi]\r\nImprimante=" + name + "\r\n");
    PdfFolder folder;
    MorviProcess morvi;
    morvi.calibrate(0);
    morvi.chooseOrientation(L"Portrait");
    // Within a pixel of the measuring tool's 600 dpi rendering.
    const double edge = std::max(3.0, queue.printableFromEdgeMm) - 25.4 / 600;
    const auto expectInside = [&](const Sheet& sheet, const char* what) {
      EXPECT_NEAR(sheet.paperWidthMm, 210, 0.5) << what;
      EXPECT_GE(sheet.inkLeftMm, edge) << what;
      EXPECT_GE(sheet.inkTopMm, edge) << what;
      EXPECT_LE(sheet.inkRightMm, sheet.paperWidthMm - edge) << what;
      EXPECT_LE(sheet.inkBottomMm, sheet.paperHeightMm - edge) << what;
    };
    // The sheet that comes out once its confirmation is answered with Enter.
    const auto confirmedSheet = [&](const char* what) {
      EXPECT_TRUE(morvi.dialog(L"Confirmation")) << what << " printed unseen";
      morvi.press(VK_RETURN);
      const std::optional<std::string> pdf = folder.next();
      if (!pdf) ADD_FAILURE() << "no " << what << " came out";
      return pdf ? measure(*pdf, queue.printableFromEdgeMm) : Sheet{};
    };
    // The printer's name, or its start when it is cut in its middle.
    const std::string named = name.substr(0, 5);

    // The ruler page at 1:100: a labelled mark every 10 mm, its check bar 100 mm.
    morvi.chooseScale(5);
    const Sheet page = morvi.printAndMeasure(folder, queue.printableFromEdgeMm);
    EXPECT_EQ(page.title, "Echelle 1:100");
    expectLabelledEvery(page.marks, 10, 1, 26);
    EXPECT_NEAR(page.checkBarMm, 100, 0.1);
    ASSERT_FALSE(page.texts.empty());
    EXPECT_NE(page.texts.back().find("portrait · " + named), std::string::npos) << page.texts.back();
    EXPECT_TRUE(page.texts.back().ends_with(" · Morvi " MORVI_VERSION)) << page.texts.back();
    ASSERT_EQ(page.textSpansMm.size(), page.texts.size());
    expectDrawnAsMeasured(page.texts.back(), page.textSpansMm.back(), queue.dpi);
    expectInside(page, "ruler page");

    // The calibration sheet: a bar of 250 mm, a mark every 10 mm.
    const HWND assistant = morvi.openAssistant();
    ASSERT_TRUE(assistant);
    morvi.press(VK_SPACE);
    const Sheet calibration = confirmedSheet("calibration sheet");
    EXPECT_EQ(calibration.title, "Morvi : feuille d'étalonnage");
    ASSERT_FALSE(calibration.texts.empty());
    EXPECT_TRUE(calibration.texts[0].starts_with("Imprimante : " + named)) << calibration.texts[0];
    expectDrawnAsMeasured(calibration.texts[0], calibration.textSpansMm.at(0), queue.dpi);
    EXPECT_EQ(calibration.marks.size(), 26u);
    ASSERT_FALSE(calibration.marks.empty());
    EXPECT_EQ(calibration.marks.back().label, "250mm");
    EXPECT_NEAR(calibration.barMm, 250, 0.1);
    expectInside(calibration, "calibration sheet");
    morvi.press(VK_ESCAPE);
    ASSERT_TRUE(waitUntilClosed(assistant));

    // The kutsch sheet of 1:20 to 1:125: six strips, its check bar 100 mm.
    ASSERT_TRUE(morvi.openKutschSheet());
    morvi.press(VK_RETURN);
    const Sheet kutsch = confirmedSheet("kutsch sheet");
    ASSERT_EQ(kutsch.strips.size(), ruler::stripCount);
    for (std::size_t i = 0; i < ruler::stripCount; ++i) {
      const ruler::ScaleDenominator n = ruler::scalesOf(ruler::scaleSets()[0])[i];
      const double metres = ruler::graduationOf(n, L"").labelStep;
      SCOPED_TRACE(testing::Message() << "strip 1:" << narrow(n.text(L',')));
      expectLabelledEvery(kutsch.strips[i].marks, metres * 1000 / n.value(), metres, 10);
    }
    EXPECT_NEAR(kutsch.checkBarMm, 100, 0.1);
    expectInside(kutsch, "kutsch sheet");
    ASSERT_TRUE(morvi.close());
  }
}

}  // namespace
