// The kutsch sheet on A4 and Letter: six strips cut apart along dashed
// lines, each a true ruler of its scale down its cut edge.
#include "ruler/kutsch_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "framework/error/error.h"
#include "ruler/check_bar.h"

namespace {

using namespace ruler;

TextSize fixedPitch(std::wstring_view text) { return {static_cast<int>(text.size()) * 16, 38}; }

constexpr long double pixelsPerMm = 300 / 25.4L;
const PrintOrigin pdf{L"PDF", {7, 12, 2026}, L"1.0.0"};

struct Strip {
  std::vector<Line> dashes, ticks;
  std::vector<std::pair<Line, Text>> labelled;  // each long mark with what follows it
  std::vector<Text> titles;
};

// The sheet read back by what each thing is: short lines down the page are
// dashes, lines across from a cut line its marks (a long one followed by
// its label), a text at the ink's top a title.
std::map<int, Strip> stripsOf(const std::vector<DrawOp>& ops, int inkTop) {
  std::map<int, Strip> strips;
  for (const DrawOp& op : ops) {
    const auto* line = std::get_if<Line>(&op);
    if (line && line->from.x == line->to.x && line->to.y - line->from.y < 3 * pixelsPerMm) strips[line->from.x].dashes.push_back(*line);
  }
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (const auto* text = std::get_if<Text>(&ops[i]); text && text->at.y == inkTop) {
      std::prev(strips.upper_bound(text->at.x))->second.titles.push_back(*text);
    }
    const auto* line = std::get_if<Line>(&ops[i]);
    if (!line || line->from.y != line->to.y || !strips.contains(line->from.x)) continue;
    Strip& strip = strips[line->from.x];
    if (line->to.x - line->from.x == roundHalfEven(stripTickLength / 10 * pixelsPerMm)) {
      strip.ticks.push_back(*line);
    } else {
      const bool withLabel = i + 1 < ops.size() && std::holds_alternative<Text>(ops[i + 1]);
      EXPECT_TRUE(withLabel) << "a long mark at " << line->from.y << " without its label";
      if (withLabel) strip.labelled.emplace_back(*line, std::get<Text>(ops[i + 1]));
    }
  }
  return strips;
}

long double metresOf(std::wstring label) {
  std::replace(label.begin(), label.end(), L',', L'.');
  return std::wcstold(label.c_str(), nullptr);
}

// Every strip at least 30 mm wide, cut along a dashed line, its title above
// its first label; every labelled mark carries its label, ending 2 mm
// before the next cut, and lies within 0.1 mm of k × step × 1000 / N × (1 +
// calibration / 1000) mm from the first; the check bar measures 100 mm
// with the calibration; the foot line names the six scales; all inside the
// ink box, on A4 and Letter, for the ready sets and scales out of the
// catalogue, at several calibrations.
TEST(KutschSheet, SixTrueStripsInsideThePrintableArea) {
  const struct {
    const char* name;
    PrintablePage page;
  } papers[] = {
      {"A4", {{300, 300}, 3508, 2479, {2479, 3508, 0, 0}}},
      {"Letter", {{300, 300}, 3300, 2550, {2550, 3300, 0, 0}}},
      {"Letter, quarter-inch margins", {{300, 300}, 3150, 2400, {2550, 3300, 75, 75}}},
  };
  std::vector<StripScales> sets;
  for (const ScaleSet& set : scaleSets()) sets.push_back(scalesOf(set));
  const auto n = [](long long tenths) { return *ScaleDenominator::ofTenths(tenths); };
  sets.push_back({n(1414), n(333), n(10), n(1000000), n(750), n(15005)});

  for (const auto& paper : papers) {
    for (const StripScales& scales : sets) {
      for (const int permille : {0, 37, -100, 100}) {
        SCOPED_TRACE(testing::Message() << paper.name << ", 1:" << scales[0].value() << " first, " << permille);
        const Calibration calibration = *Calibration::exactly(permille);
        const std::vector<DrawOp> ops = layoutKutschSheet(paper.page, scales, calibration, L',', pdf, fixedPitch);
        const InkBox box = inkBox(paper.page);
        for (const DrawOp& op : ops) EXPECT_TRUE(fitsWithin(extentOf(op, fixedPitch), box));

        const std::map<int, Strip> strips = stripsOf(ops, box.top);
        ASSERT_EQ(strips.size(), stripCount);
        std::wstring titles;
        std::size_t i = 0;
        for (auto it = strips.begin(); it != strips.end(); ++it, ++i) {
          const auto& [edge, strip] = *it;
          const int next = std::next(it) == strips.end() ? box.right : std::next(it)->first;
          EXPECT_GE(next - edge, 30 * pixelsPerMm);
          EXPECT_GT(strip.dashes.size(), 50u);
          for (std::size_t d = 0; d + 1 < strip.dashes.size(); ++d)  // 2 mm dashes, 1 mm apart
            EXPECT_NEAR(std::hypot(strip.dashes[d].to.y - strip.dashes[d].from.y - 2 * pixelsPerMm,
                                   strip.dashes[d + 1].from.y - strip.dashes[d].to.y - pixelsPerMm), 0, 1.5) << d;
          const std::wstring title = stripTitle(scales[i], L',');
          ASSERT_EQ(strip.titles, (std::vector<Text>{{{edge + roundHalfEven(7 * pixelsPerMm), box.top}, title}}));
          titles += (i ? L", " : L"Echelles ") + title;

          const Graduation g = graduationOf(scales[i], title);
          ASSERT_GT(strip.labelled.size(), 2u);
          EXPECT_LT(extentOf(strip.titles[0], fixedPitch).bottom, strip.labelled[0].second.at.y) << "title over labels";
          const int first = strip.labelled[0].first.from.y;
          // Down to 220 mm at least: only the foot of a long ruler is left out.
          EXPECT_GT((strip.labelled.back().first.from.y - first) / pixelsPerMm, 220 * std::min(1.0L, calibration.coefficient()));
          for (std::size_t k = 0; k < strip.labelled.size(); ++k) {
            const auto& [mark, label] = strip.labelled[k];
            const long double trueMm = k * g.labelStep * 1000 / scales[i].value() * calibration.coefficient();
            EXPECT_NEAR((mark.from.y - first) / pixelsPerMm, trueMm, 0.1) << "mark " << k;
            EXPECT_NEAR(metresOf(label.text), k * g.labelStep, 1e-9) << "label " << k;
            EXPECT_LT(extentOf(label, fixedPitch).right, next - roundHalfEven(2 * pixelsPerMm)) << "label " << k;
            EXPECT_EQ(label.at.y + fixedPitch(label.text).height / 2, mark.from.y) << "label " << k << " level with its mark";
          }
          EXPECT_GT(strip.ticks.size(), strip.labelled.size());
        }

        EXPECT_TRUE(&scales != &sets[2] || titles == L"Echelles 1:500, 1:1000, 1:1250, 1:1500, 1:2000, 1:2500");
        const auto bar = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
          const auto* line = std::get_if<Line>(&op);
          return line && line->from.x == line->to.x && line->to.y - line->from.y > 50 * pixelsPerMm;
        });
        ASSERT_NE(bar, ops.end());
        const Line& barLine = std::get<Line>(*bar);
        EXPECT_EQ(barLine.to.y - barLine.from.y, roundHalfEven(100 * pixelsPerMm * calibration.coefficient()));
        EXPECT_GT(barLine.from.x, strips.rbegin()->first);

        const auto& foot = std::get<Text>(ops.back());
        EXPECT_EQ(foot.text, footLine(titles, calibration, false, L"PDF", pdf));
        EXPECT_EQ(extentOf(foot, fixedPitch).bottom, box.bottom);
        // The two lines at the foot stand clear of the strips.
        const int footTop = extentOf(ops[ops.size() - 2], fixedPitch).top;
        for (std::size_t k = 0; k + 2 < ops.size(); ++k) EXPECT_LT(extentOf(ops[k], fixedPitch).bottom, footTop);
      }
    }
  }
}

TEST(KutschSheet, APageNarrowerThanSixStripsOfThirtyMillimetresIsRefused) {
  const StripScales scales = scalesOf(scaleSets()[0]);
  // 186 mm of paper leave 180 mm of ink: just enough.
  const int enough = roundHalfEven(186 * pixelsPerMm) + 3;
  EXPECT_NO_THROW(layoutKutschSheet({{300, 300}, 3508, enough}, scales, {}, L',', pdf, fixedPitch));
  EXPECT_THROW(layoutKutschSheet({{300, 300}, 3508, enough - 4}, scales, {}, L',', pdf, fixedPitch), fw::PrinterError);
  // Letters so wide that "1:125" leaves its 30 mm strip: no strip is printed without its scale's name.
  const TextMeasure wide = [](std::wstring_view text) { return TextSize{static_cast<int>(text.size()) * 50, 38}; };
  EXPECT_THROW(layoutKutschSheet({{300, 300}, 3508, enough}, scales, {}, L',', pdf, wide), fw::PrinterError);
}

TEST(KutschSheet, SixScalesAreAllSixRead) {
  std::array<std::optional<ScaleDenominator>, stripCount> read;
  for (std::size_t i = 0; i < stripCount; ++i) read[i] = ScaleDenominator::read(std::to_wstring(20 + i));
  EXPECT_EQ(allSix(read)->back(), *ScaleDenominator::ofTenths(250));
  read[5] = ScaleDenominator::read(L"141,45");
  EXPECT_EQ(allSix(read), std::nullopt);
}

}  // namespace
