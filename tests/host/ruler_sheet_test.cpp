// The ruler page's parts around its graduations: the printable-area rule,
// the check bar and the foot line, on A4 and Letter in both orientations;
// the whole page on every page of the tests.
#include "ruler/ruler_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "ruler/check_bar.h"
#include "ruler/name_cut.h"
#include "ruler/other_scale.h"
#include "ruler/scale_catalogue.h"
#include "framework/error/error.h"
#include "framework/text/number_text.h"
#include "framework/text/utf8.h"
#include "ruler/calibration_sheet.h"
#include "ruler/kutsch_sheet.h"
#include "tests/support/printer_font_widths.h"

namespace {

using namespace ruler;

// A fixed-pitch stand-in for the printer's 8-point font at 300 dpi: 16
// pixels a letter (the real one averages about 14.5), 38 high.
TextSize fixedPitch(std::wstring_view text) { return {static_cast<int>(text.size()) * 16, 38}; }

struct PaperCase {
  const char* name;
  PrintablePage page;
};
const PaperCase papers[] = {
    {"A4 portrait", {{300, 300}, 3508, 2479, {2479, 3508, 0, 0}}},
    {"A4 landscape", {{300, 300}, 2479, 3508, {3508, 2479, 0, 0}}},
    {"Letter portrait", {{300, 300}, 3300, 2550, {2550, 3300, 0, 0}}},
    {"Letter landscape", {{300, 300}, 2550, 3300, {3300, 2550, 0, 0}}},
};

const PrintOrigin pdf{L"PDF", {7, 12, 2026}, L"1.0.0"};

// The printer's own font at `dpi`, each letter as wide as its driver
// measured it (tools/printer_font_widths.sh).
TextMeasure printerFont(int dpi) {
  const auto font = std::find_if(std::begin(printerFontWidths), std::end(printerFontWidths),
                                 [&](const PrinterFontWidths& f) { return f.dpi == dpi; });
  if (font == std::end(printerFontWidths)) throw std::out_of_range("no printer font measured at that resolution");
  return [font](std::wstring_view text) { return TextSize{widthIn(*font, text), font->height}; };
}

// At 300 dpi 3 mm are 35.4 pixels, rounded up to 36.
TEST(PrintableArea, InkStaysThreeMillimetresFromThePaperAndInsideThePrintableArea) {
  struct Case {
    const char* name;
    PrintablePage page;
    InkBox expected;
  };
  const Case cases[] = {
      {"A4 portrait", {{300, 300}, 3508, 2479, {2479, 3508, 0, 0}}, {36, 36, 2442, 3471}},
      {"A4 landscape", {{300, 300}, 2479, 3508, {3508, 2479, 0, 0}}, {36, 36, 3471, 2442}},
      {"Letter portrait", {{300, 300}, 3300, 2550, {2550, 3300, 0, 0}}, {36, 36, 2513, 3263}},
      {"Letter landscape", {{300, 300}, 2550, 3300, {3300, 2550, 0, 0}}, {36, 36, 3263, 2513}},
      // Margins wider than 3 mm: the printable area is the limit.
      {"Letter, quarter-inch margins", {{300, 300}, 3150, 2400, {2550, 3300, 75, 75}}, {0, 0, 2399, 3149}},
      // A margin of 1.5 mm: the paper's edge is.
      {"A4 portrait, 18-pixel margins", {{300, 300}, 3472, 2443, {2479, 3508, 18, 18}}, {18, 18, 2424, 3453}},
      {"A4 landscape at 600 by 300 dpi", {{600, 300}, 2479, 7016, {7016, 2479, 0, 0}}, {71, 36, 6944, 2442}},
      {"no paper given", {{300, 300}, 3508, 2479}, {36, 36, 2442, 3471}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(inkBox(c.page), c.expected) << c.name;
  }
}

TEST(PrintableArea, WhatWouldComeCloserIsLeftOutWholeAndTheRestKeepsItsOrder) {
  const PrintablePage a4Landscape{{300, 300}, 2479, 3508, {3508, 2479, 0, 0}};
  const std::vector<DrawOp> ops = {
      Text{{1063, 50}, L"Echelle 1:100"},
      Line{{591, 2441}, {827, 2441}},  // its pen's last row is 2442: kept
      Line{{591, 2442}, {827, 2442}},  // one row lower: left out
      Text{{945, 2404}, L"19m"},       // bottom row 2441: kept
      Text{{945, 2405}, L"20m"},       // bottom row 2442: kept
      Text{{945, 2406}, L"21m"},       // one row lower: left out
      Line{{35, 100}, {35, 200}},      // too near the left edge
      Text{{3100, 100}, L"abcdefghijklmnopqrstuvwxyz"},  // runs past the right margin
  };
  const std::vector<DrawOp> kept = keepPrintable(ops, a4Landscape, fixedPitch);
  EXPECT_EQ(kept, (std::vector<DrawOp>{ops[0], ops[1], ops[3], ops[4]}));
}

// Today's landscape 1:100 page reaches the paper's foot: its 20 m mark came
// 1.5 mm from the edge with its label cut. Everything kept is whole and clear.
TEST(PrintableArea, TheLandscapeRulerKeepsOnlyWhatFits) {
  const PrintablePage a4Landscape{{300, 300}, 2479, 3508, {3508, 2479, 0, 0}};
  const RulerPage page = layoutRuler(a4Landscape.resolution, scaleAt(5)->graduation, 1, L',');
  const std::vector<DrawOp> kept = keepPrintable(page.ops, a4Landscape, fixedPitch);
  EXPECT_LT(kept.size(), page.ops.size());
  bool twentyMetres = false;
  for (const DrawOp& op : kept) {
    EXPECT_TRUE(fitsWithin(extentOf(op, fixedPitch), inkBox(a4Landscape)));
    if (const auto* text = std::get_if<Text>(&op)) twentyMetres |= text->text == L"20m";
  }
  EXPECT_FALSE(twentyMetres);
}

// A labelled mark whose label would cross the margin is drawn as the tick it
// also is: every long mark carries its label, and no graduation is lost. In
// landscape, 18m at 1:100 and +100 ‰ (row 2439), 6,5m at 1:33,3 and +13 ‰.
TEST(PrintableArea, EveryLongMarkCarriesItsLabel) {
  const PrintablePage& page = papers[1].page;
  const Graduation otherScale = graduationFor(*ScaleDenominator::ofTenths(333), L"Echelle 1:33,3");
  for (const auto& [graduation, permille, asTicks] : {std::tuple{&scaleAt(5)->graduation, 100, 1},
                                                      {&otherScale, 13, 1}, {&scaleAt(0)->graduation, -100, 0}}) {
    SCOPED_TRACE(graduation->scaleDenominator);
    const Calibration calibration = *Calibration::exactly(permille);
    const RulerPage sheet = layoutRulerSheet(page, *graduation, calibration, L',', pdf, fixedPitch);
    const RulerPage plain = layoutRuler(page.resolution, *graduation, calibration.coefficient(), L',');
    const auto endingAt = [&](const std::vector<DrawOp>& ops, int tenths) {
      return std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        const auto* line = std::get_if<Line>(&op);
        return line && line->to.x == roundHalfEven(tenths * static_cast<long double>(plain.xScale)) &&
               fitsWithin(extentOf(op, fixedPitch), inkBox(page));
      });
    };
    EXPECT_EQ(endingAt(sheet.ops, markEndX), endingAt(plain.ops, markEndX) - asTicks);
    EXPECT_EQ(endingAt(sheet.ops, tickEndX), endingAt(plain.ops, tickEndX)) << "a graduation lost";
    for (std::size_t i = 0; i + 1 < sheet.ops.size(); ++i) {
      const auto* mark = std::get_if<Line>(&sheet.ops[i]);
      const auto* label = std::get_if<Text>(&sheet.ops[i + 1]);
      if (mark && mark->to.x == roundHalfEven(markEndX * static_cast<long double>(plain.xScale))) {
        EXPECT_TRUE(label && label->at.y == mark->from.y - 20) << "no label beside row " << mark->from.y;
      }
    }
  }
}

// The bar measures 100 × (1 + c/1000) mm to the pixel, its cross marks stand
// where their share of it says, and all of it is drawn whole, clear of every
// graduation, label and the title, on every paper and in both orientations.
TEST(CheckBar, MeasuresTheCalibratedHundredMillimetresClearOfTheGraduations) {
  for (const PaperCase& paper : papers) {
    for (const int permille : {0, 20, -35, 100, -100}) {
      SCOPED_TRACE(testing::Message() << paper.name << ", " << permille << " permille");
      const Calibration calibration = *Calibration::exactly(permille);
      const std::vector<DrawOp> bar =
          layoutCheckBar(paper.page.resolution, calibration, fixedPitch, {checkBarX, 354, inkBox(paper.page).right});
      const RulerPage sheet = layoutRulerSheet(paper.page, scaleAt(5)->graduation, calibration, L',', pdf, fixedPitch);

      const long double pixelsPerMm = 300 / 25.4L * calibration.coefficient();
      const auto& line = std::get<Line>(bar[0]);
      EXPECT_EQ(line.from.x, line.to.x);  // down the page, as the graduations
      const int top = line.from.y;
      EXPECT_EQ(top, 354);  // 30 mm
      EXPECT_EQ(line.to.y - top, roundHalfEven(100 * pixelsPerMm));
      const int crossAt[] = {0, 1000, 990, 995, 1005, 1010};
      ASSERT_EQ(bar.size(), 1 + std::size(crossAt) + std::size(checkBarText));
      for (std::size_t i = 0; i < std::size(crossAt); ++i) {
        const auto& cross = std::get<Line>(bar[1 + i]);
        EXPECT_EQ(cross.from.y, cross.to.y);
        EXPECT_EQ(cross.from.y - top, roundHalfEven(crossAt[i] / 10.0L * pixelsPerMm)) << "cross mark " << i;
        EXPECT_LE(cross.from.x, line.from.x);
        EXPECT_GT(cross.to.x, line.from.x);
      }

      for (const DrawOp& op : bar) {
        EXPECT_NE(std::find(sheet.ops.begin(), sheet.ops.end(), op), sheet.ops.end()) << "left out";
        const InkBox ink = extentOf(op, fixedPitch);
        for (const DrawOp& graduation : sheet.ops) {
          if (std::find(bar.begin(), bar.end(), graduation) != bar.end()) continue;
          EXPECT_FALSE(overlap(ink, extentOf(graduation, fixedPitch)));
        }
      }
    }
  }
}

TEST(FootLine, SaysWhatTheSheetWasPrintedWith) {
  EXPECT_EQ(footLine(L"Echelle 1:100      ", *Calibration::exactly(7), false, L"PDF", pdf),
            L"Echelle 1:100 · étalonnage +7 ‰ · portrait · PDF · 07/12/2026 · Morvi 1.0.0");
  EXPECT_EQ(footLine(L"Echelle 1:141,4", *Calibration::exactly(-35), true, L"PDF-Letter",
                     {L"", {31, 1, 2027}, L"1.2.3"}),
            L"Echelle 1:141,4 · étalonnage -35 ‰ · paysage · PDF-Letter · 31/01/2027 · Morvi 1.2.3");
  EXPECT_EQ(footLine(L"Echelle 1:20", {}, false, L"PDF", {L"", {10, 10, 2030}, L"1.0.0"}),
            L"Echelle 1:20 · étalonnage 0 ‰ · portrait · PDF · 10/10/2030 · Morvi 1.0.0");
}

// The foot line is the page's last line of ink, whole and clear of every
// other mark and text; a printer name too long for it is cut in its middle
// as little as needed.
TEST(FootLine, StandsWholeAtTheFootAndCutsALongPrinterName) {
  const std::wstring longName = std::wstring(50, L'A') + std::wstring(50, L'Z');
  for (const PaperCase& paper : papers) {
    for (const std::wstring& printer : {std::wstring(L"PDF"), longName}) {
      SCOPED_TRACE(testing::Message() << paper.name << ", printer name of " << printer.size());
      const PrintOrigin origin{printer, {7, 12, 2026}, L"1.0.0"};
      const RulerPage sheet = layoutRulerSheet(paper.page, scaleAt(5)->graduation, {}, L',', origin, fixedPitch);
      const auto& foot = std::get<Text>(sheet.ops.back());
      const bool landscape = paper.page.widthPixels > paper.page.heightPixels;
      const InkBox box = inkBox(paper.page);
      const InkBox ink = extentOf(foot, fixedPitch);
      EXPECT_EQ(ink.bottom, box.bottom);
      EXPECT_TRUE(fitsWithin(ink, box));
      for (std::size_t i = 0; i + 1 < sheet.ops.size(); ++i) {
        EXPECT_FALSE(overlap(ink, extentOf(sheet.ops[i], fixedPitch))) << "over drawing " << i;
      }
      const auto withName = [&](std::size_t length) {
        return footLine(scaleAt(5)->graduation.title, {}, landscape, cutInMiddle(printer, length), origin);
      };
      const std::size_t length = foot.text.size() - withName(0).size() + 1;
      EXPECT_EQ(foot.text, withName(length));
      if (printer == L"PDF") {
        EXPECT_EQ(length, printer.size());
      } else {
        EXPECT_LT(length, printer.size());
        EXPECT_GT(foot.at.x + fixedPitch(withName(length + 1)).width - 1, box.right) << "cut more than needed";
      }
    }
  }
}

// Every sheet on every page lies whole in the ink box, so that the last
// guard drops nothing, no text over any drawing, with its essentials: the
// ruler page's title, zero mark and "0m", every long mark with its label,
// the check bar's two lines, the whole foot line; the calibration sheet's
// whole instruction under its bar; the kutsch sheet's whole foot line
// naming its six strips' titles. A sheet may be refused, naming the printer
// and its paper, only on A6, and the kutsch sheet where six strips of 30 mm
// do not fit across. The pages: six papers both ways round at four
// resolutions, with margins (left, top, right, foot) of none, 4,2 mm, 15 mm
// and an inkjet's; the texts measured in the printer's own font at each
// resolution. A page refuses the same sheets at every resolution.
TEST(EverySheet, EveryPageHoldsItWhole) {
  const PrintOrigin longName{std::wstring(40, L'A') + std::wstring(40, L'Z'), {7, 12, 2026}, L"1.0.0"};
  // The texts after the last line, joined.
  const auto trailing = [](const std::vector<DrawOp>& ops) {
    std::wstring text;
    for (std::size_t i = ops.size(); i > 0 && std::holds_alternative<Text>(ops[i - 1]); --i)
      text = std::get<Text>(ops[i - 1]).text + (text.empty() ? L"" : L" ") + text;
    return text;
  };
  const std::tuple<const char*, double, double> sizes[] = {{"A3", 297, 420}, {"A4", 210, 297}, {"A5", 148, 210},
                                                           {"A6", 105, 148}, {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6}};
  const std::array<double, 4> margins[] = {{0, 0, 0, 0}, {4.23, 4.23, 4.23, 4.23}, {15, 15, 15, 15}, {3.4, 3, 3.4, 14}};
  std::map<std::size_t, std::wstring> refusedBefore;  // by paper, way round and margins
  for (std::size_t row = 0; row < std::size(sizes) * 2 * 4 * std::size(margins); ++row) {
    const auto& [paper, width, height] = sizes[row / 32];
    const bool turned = row / 16 % 2, landscape = turned, a6 = paper[1] == '6';
    const int dpi = 150 << (row / 4 % 4);  // 150, 300, 600, 1200
    const auto& [l, t, r, b] = margins[row % 4];
    SCOPED_TRACE(testing::Message() << paper << (turned ? " landscape " : " portrait ") << dpi << " dpi, top margin " << t);
    const auto px = [&](double mm) { return int(std::lround(mm * dpi / 25.4)); };
    const Paper sheet{px(turned ? height : width), px(turned ? width : height), px(l), px(t)};
    const PrintablePage page{{dpi, dpi}, sheet.height - px(t) - px(b), sheet.width - px(l) - px(r), sheet};
    const TextMeasure measure = printerFont(dpi);
    // The ink may go from 3 mm in from the paper's edge, and no further out than the printable area.
    const int edge = int(std::ceil(3 * dpi / 25.4)), x0 = std::max(0, edge - px(l)), y0 = std::max(0, edge - px(t));
    const int x1 = std::min(page.widthPixels, sheet.width - px(l) - edge), y1 = std::min(page.heightPixels, sheet.height - px(t) - edge);
    const InkBox box{x0, y0, x1 - 1, y1 - 1};
    // What a drawing inks: a line a pixel either side of its path, a text its measured box.
    const auto inkOf = [&](const DrawOp& op) {
      if (const auto* line = std::get_if<Line>(&op))
        return std::array{std::min(line->from.x, line->to.x) - 1, std::min(line->from.y, line->to.y) - 1,
                          std::max(line->from.x, line->to.x) + 1, std::max(line->from.y, line->to.y) + 1};
      const Text& text = std::get<Text>(op);
      const TextSize size = measure(text.text);
      return std::array{text.at.x, text.at.y, text.at.x + size.width - 1, text.at.y + size.height - 1};
    };
    std::wstring refused;
    const auto whole = [&](auto layout, std::wstring_view printer, std::wstring_view tooWhat, bool mayRefuse) {
      std::vector<DrawOp> ops;
      try {
        ops = layout();
      } catch (const fw::PrinterError& e) {
        EXPECT_TRUE(mayRefuse && e.message() == pageRefusal(printer, page, tooWhat)) << fw::toUtf8(e.message());
        refused += std::wstring(tooWhat) + L"; ";
      }
      for (std::size_t i = 0; i < ops.size(); ++i) {
        const auto [left, top, right, bottom] = inkOf(ops[i]);
        EXPECT_TRUE(left >= x0 && top >= y0 && right < x1 && bottom < y1) << "the guard would drop drawing " << i;
        for (std::size_t k = 0; k < ops.size() && std::holds_alternative<Text>(ops[i]); ++k) {
          const auto [l2, t2, r2, b2] = inkOf(ops[k]);
          EXPECT_TRUE(k == i || r2 < left || right < l2 || b2 < top || bottom < t2) << "text " << i << " over drawing " << k;
        }
      }
      return ops;
    };

    for (const auto& [g, permille, origin] : {std::tuple{&scaleAt(5)->graduation, 100, &pdf}, {&scaleAt(16)->graduation, -100, &longName}}) {
      const Calibration calibration = *Calibration::exactly(permille);
      const std::vector<DrawOp> ops = whole([&] { return layoutRulerSheet(page, *g, calibration, L',', *origin, measure).ops; },
                                            origin->printer, tooSmallForRuler, a6);
      if (ops.empty()) continue;
      EXPECT_EQ(std::get<Text>(ops[0]).text, g->title);
      const Line zero = std::get<Line>(ops[2]);  // over the first tick
      std::size_t i = 1, labels = 0;
      for (const Line* line; (line = std::get_if<Line>(&ops[i])) && line->from.x == zero.from.x; ++i) {
        if (line->to.x != zero.to.x) continue;
        EXPECT_EQ(std::get<Text>(ops[++i]).text, fw::formatGeneral(labels++ * g->labelStep, L',') + L"m");
      }
      const std::wstring check = std::wstring(checkBarText[0]) + L" " + checkBarText[1] + L" ", text = trailing(ops);
      const std::size_t kept = text.size() - check.size() - footLine(g->title, calibration, landscape, L"", *origin).size();
      EXPECT_EQ(text, check + footLine(g->title, calibration, landscape, cutInMiddle(origin->printer, kept), *origin));
    }

    // After the bar's last label, "180 mm", the instruction.
    const std::wstring told = trailing(whole([&] { return layoutCalibrationSheet(page, {L"PDF", L"Portrait", L"07/12/2026"}, measure).ops; },
                                             L"PDF", tooSmallForCalibration, a6));
    const std::wstring barMm = told.substr(0, told.find(L' '));
    EXPECT_TRUE(told.empty() || told == barMm + L" mm Mesurez la barre du trait 0 au trait " + barMm +
                                            L" mm et saisissez cette longueur dans l'assistant (Ctrl+E).") << fw::toUtf8(told);

    const StripScales scales = scalesOf(scaleSets()[row % 3]);
    const std::vector<DrawOp> kutsch = whole([&] { return layoutKutschSheet(page, scales, {}, L',', pdf, measure); }, L"PDF",
                                             tooNarrowForStrips, box.right - box.left < 180 * dpi / 25.4 + 2);
    std::wstring titles;
    for (std::size_t k = 0; k < stripCount; ++k) titles += (k ? L", " : L"Echelles ") + stripTitle(scales[k], L',');
    EXPECT_EQ(std::count_if(kutsch.begin(), kutsch.end(), [&](const DrawOp& op) { return std::get_if<Text>(&op) && std::get<Text>(op).at.y == box.top; }),
              kutsch.empty() ? 0 : 6) << "the strips' titles";
    EXPECT_TRUE(kutsch.empty() || trailing(kutsch) == L"Le trait vertical de droite doit mesurer 100 mm. Sinon : Étalonner l'imprimante (Ctrl+E) " +
                                                          footLine(titles, {}, landscape, L"PDF", pdf));
    const auto [first, atFirst] = refusedBefore.try_emplace(row / 16 * 4 + row % 4, refused);
    EXPECT_EQ(fw::toUtf8(first->second), fw::toUtf8(refused)) << "refused otherwise than at another resolution";
  }
}

}  // namespace
