#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/error/error.h"
#include "ruler/calibration.h"
#include "ruler/calibration_sheet.h"
#include "ruler/scale_catalogue.h"

namespace {

using namespace ruler;
TextSize fixedPitch(std::wstring_view text) { return {static_cast<int>(text.size()) * 16, 38}; }

std::vector<Line> linesOf(const std::vector<DrawOp>& ops) {
  std::vector<Line> lines;
  for (const DrawOp& op : ops)
    if (const auto* line = std::get_if<Line>(&op)) lines.push_back(*line);
  return lines;
}

std::vector<std::wstring> textsOf(const std::vector<DrawOp>& ops) {
  std::vector<std::wstring> texts;
  for (const DrawOp& op : ops)
    if (const auto* text = std::get_if<Text>(&op)) texts.push_back(text->text);
  return texts;
}

TEST(CalibrationSheet, TheBarLiesOnTheRulersMarksOfTheTestPrinter) {
  struct Case {
    const char* name;
    PrintablePage page;
    int barMm;
    std::vector<std::wstring> labels;
    std::vector<Point> heading;  // where a ruler page has its title, a line every 4 mm
  };
  const std::vector<Point> headingAt300{{1063, 50}, {1063, 97}, {1063, 144}, {1063, 192}};
  const Case cases[] = {
      {"A4 portrait", {{300, 300}, 3508, 2479}, 250, {L"0", L"50", L"100", L"150", L"200", L"250 mm"}, headingAt300},
      {"A4 landscape", {{300, 300}, 2479, 3508}, 180, {L"0", L"50", L"100", L"150", L"180 mm"}, headingAt300},
      // The shortest page that takes a bar, 29,3 mm at 600 dpi; 50 pixels
      // down would be in its top band: 3 mm.
      {"691 pixels at 600 dpi", {{600, 600}, 691, 4960}, 10, {L"0", L"10 mm"},
       {{2126, 71}, {2126, 165}, {2126, 260}, {2126, 354}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CalibrationSheet sheet = layoutCalibrationSheet(c.page, {L"PDF", L"Paysage", L"07/12/2026"}, fixedPitch);
    EXPECT_EQ(sheet.barMm, c.barMm);
    std::vector<std::wstring> texts = textsOf(sheet.ops);
    for (; !texts[texts.size() - 2].ends_with(L" mm"); texts.pop_back()) texts[texts.size() - 2] += L" " + texts.back();
    const std::vector<std::wstring> heading(texts.begin(), texts.begin() + 4);
    EXPECT_EQ(heading, (std::vector<std::wstring>{L"Morvi : feuille d'étalonnage", L"Imprimante : PDF",
                                                   L"Orientation : Paysage", L"Date : 07/12/2026"}));
    for (std::size_t k = 0; k < c.heading.size(); ++k) {
      EXPECT_EQ(std::get<Text>(sheet.ops[k]).at, c.heading[k]) << heading[k];
    }
    EXPECT_EQ(std::vector<std::wstring>(texts.begin() + 4, texts.end() - 1), c.labels);
    EXPECT_NE(texts.back().find(L"du trait 0 au trait " + std::to_wstring(c.barMm) + L" mm"), std::wstring::npos);

    // The uncalibrated 1:100 ruler has a labelled mark every 10 mm: the
    // bar's marks lie on those very rows, from the same left edge.
    const int markEnd = roundHalfEven(750 * static_cast<long double>(pixelsPerTenth(c.page.resolution.dpiX, 1)));
    std::vector<Line> rulerMarks;
    for (const Line& l : linesOf(layoutRuler(c.page.resolution, scaleAt(5)->graduation, 1, L',').ops))
      if (l.to.x == markEnd) rulerMarks.push_back(l);
    const std::vector<Line> lines = linesOf(sheet.ops);
    const Line& spine = lines.front();
    EXPECT_EQ(spine.from.x, spine.to.x);
    ASSERT_EQ(lines.size(), 1u + c.barMm / 10 + 1);
    for (int k = 0; k <= c.barMm / 10; ++k) {
      const Line& mark = lines[1 + k];
      EXPECT_EQ(mark.from, rulerMarks[k].from) << "mark " << k;
      const bool labelled = k % 5 == 0 || k == c.barMm / 10;
      EXPECT_EQ(mark.to.x == markEnd, labelled) << "mark " << k;
    }
    EXPECT_EQ(spine.from.y, lines[1].from.y);
    EXPECT_EQ(spine.to.y, lines.back().from.y);
  }
}

TEST(CalibrationSheet, APageTooShortForTenMillimetresHasNoBarAndSaysSo) {
  // 300 pixels at 300 dpi: 25 mm, less the ruler's top and the instruction
  // line; 690 at 600 dpi, a pixel short of 10 mm.
  for (const PrintablePage& page : {PrintablePage{{300, 300}, 300, 2479}, PrintablePage{{600, 600}, 690, 4960}})
    EXPECT_THROW(layoutCalibrationSheet(page, {L"PDF", L"Portrait", L"07/12/2026"}, fixedPitch), fw::PrinterError);
  EXPECT_EQ(pageRefusal(L"PDF-A6", {{300, 300}, 1394, 886, {1240, 1748, 177, 177}}, tooSmallForCalibration),
            L"La page de « PDF-A6 » (105 × 148 mm) est trop petite pour la feuille d'étalonnage");
}

TEST(Calibration, HoldsOnlyTheRangeAndStretchesByItsThousandths) {
  struct Case {
    long long given;
    int clamped;
    bool exact;
    long double coefficient;
    const wchar_t* text;
  };
  const Case cases[] = {
      {0, 0, true, 1.0L, L"0 \u2030"},          {7, 7, true, 1.007L, L"+7 \u2030"},
      {-8, -8, true, 0.992L, L"-8 \u2030"},     {100, 100, true, 1.1L, L"+100 \u2030"},
      {-100, -100, true, 0.9L, L"-100 \u2030"}, {101, 100, false, 1.1L, L"+100 \u2030"},
      {999, 100, false, 1.1L, L"+100 \u2030"},  {-250, -100, false, 0.9L, L"-100 \u2030"},
      {INT64_MIN, -100, false, 0.9L, L"-100 \u2030"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    const Calibration clamped = Calibration::clamped(c.given);
    EXPECT_EQ(clamped.permille(), c.clamped);
    EXPECT_EQ(Calibration::exactly(c.given).has_value(), c.exact);
    if (c.exact) {
      EXPECT_EQ(*Calibration::exactly(c.given), clamped);
    }
    EXPECT_NEAR(static_cast<double>(clamped.coefficient()), static_cast<double>(c.coefficient), 1e-15);
    EXPECT_EQ(clamped.text(), c.text);
  }
  EXPECT_EQ(Calibration().coefficient(), 1.0L);
}

// The window's calibration field offers exactly the calibration's range.
TEST(Calibration, TheWindowsFieldOffersItsRange) {
  std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../../resources/Formmorvi.desc");
  std::ostringstream desc;
  desc << in.rdbuf();
  const std::string text = desc.str();
  const std::size_t field = text.find("SpinEdit: TSpinEdit {");
  ASSERT_NE(field, std::string::npos);
  const std::string block = text.substr(field, text.find('}', field) - field);
  const auto limit = [&](const std::string& key) {
    const std::size_t at = block.find("\n      " + key + " = ");
    return at == std::string::npos ? INT32_MIN : std::stoi(block.substr(at + key.size() + 10));
  };
  EXPECT_EQ(limit("MinValue"), Calibration::minPermille);
  EXPECT_EQ(limit("MaxValue"), Calibration::maxPermille);
}

TEST(CalibrationProposal, FromTheMeasuredBarToThousandths) {
  struct Case {
    int barMm;
    std::optional<long double> measured;
    std::optional<int> permille;
    const wchar_t* text;
  };
  const Case cases[] = {
      {250, 248.0L, 8, L"Étalonnage proposé : +8 \u2030"},
      {250, 252.0L, -8, L"Étalonnage proposé : -8 \u2030"},
      {180, 180.78L, -4, L"Étalonnage proposé : -4 \u2030"},
      {250, 250.0L, 0, L"Étalonnage proposé : 0 \u2030"},
      {180, 192.0L, -63, L"Étalonnage proposé : -63 \u2030"},  // -62.5 exactly: halves go away from zero
      {170, 160.0L, 63, L"Étalonnage proposé : +63 \u2030"},   // +62.5 exactly
      {250, 227.3L, 100, nullptr},   // +99.87
      {250, 227.1L, std::nullopt, L"L'étalonnage serait de +101 \u2030, hors des limites de -100 à +100 \u2030."},
      {250, 277.7L, -100, nullptr},  // -99.75
      {250, 278.0L, std::nullopt, L"L'étalonnage serait de -101 \u2030, hors des limites de -100 à +100 \u2030."},
      {250, 0.0L, std::nullopt, L"La longueur mesurée doit être un nombre positif de millimètres."},
      {250, -248.0L, std::nullopt, L"La longueur mesurée doit être un nombre positif de millimètres."},
      {250, std::nullopt, std::nullopt, L"La longueur mesurée doit être un nombre positif de millimètres."},
      {250, 1e-4000L, std::nullopt, L"L'étalonnage serait hors des limites de -100 à +100 \u2030."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.barMm << " -> " << (c.measured ? double(*c.measured) : -1.0));
    const CalibrationProposal p = proposeCalibration(c.barMm, c.measured);
    EXPECT_EQ(p.calibration ? std::optional(p.calibration->permille()) : std::nullopt, c.permille);
    if (c.text) {
      EXPECT_EQ(p.text, c.text);
    }
    // Whatever is refused says what to check; a proposal needs no advice.
    EXPECT_EQ(p.advice.empty(), p.calibration.has_value());
  }
  EXPECT_NE(proposeCalibration(250, 227.1L).advice.find(L"ajuste pas l'impression à la page"), std::wstring::npos);
  EXPECT_NE(proposeCalibration(250, 0.0L).advice.find(L"Vérifiez la mesure"), std::wstring::npos);
}

}  // namespace
