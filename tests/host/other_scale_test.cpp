// Any scale 1:N: reading N as the user types it, the steps its ruler takes,
// and the reduction the scale finder names.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ruler/other_scale.h"
#include "ruler/reduction_hint.h"
#include "ruler/ruler_layout.h"

namespace {

using namespace ruler;

TEST(ScaleDenominator, ReadsDigitsWithAtMostOneDecimalFromOneToOneHundredThousand) {
  struct Case {
    const wchar_t* text;
    std::optional<long long> tenths;
  };
  // As a number field reads a paste: blanks group digits, "141," is 141.
  const Case cases[] = {
      {L"141", 1410},    {L"141,4", 1414}, {L"141.4", 1414},    {L" 141,4 ", 1414},
      {L"1", 10},        {L"33,3", 333},   {L"141,0", 1410},    {L"100000", 1000000},
      {L"0,9", {}},      {L"0", {}},       {L"100000,1", {}},   {L"999999999999999999999", {}},
      {L"141,45", {}},   {L"141,", 1410},  {L",5", {}},         {L"1,,4", {}},
      {L"1 000", 10000}, {L"-141", {}},    {L"abc", {}},        {L"", {}},
      {L"1\u202F000,5", 10005},           {L"141,40000000001", {}},          {L"1e5", {}},
  };
  for (const Case& c : cases) {
    const std::optional<ScaleDenominator> n = ScaleDenominator::read(c.text);
    EXPECT_EQ(n ? std::optional<long long>(n->tenths()) : std::nullopt, c.tenths) << "\"" << c.text << "\"";
  }
  // 141,4 held as a double, as the settings and the finder hold it.
  EXPECT_EQ(ScaleDenominator::ofValue(141.4)->tenths(), 1414);
  // Why OK stays greyed, as the line under the dialog's field says it.
  EXPECT_EQ(denominatorFault(std::nullopt), L"Un nombre de 1 à 100\u202F000, au dixième");
  EXPECT_EQ(denominatorFault(0.9L), L"De 1 à 100\u202F000, au dixième");
  EXPECT_EQ(denominatorFault(100000.1L), L"De 1 à 100\u202F000, au dixième");
  EXPECT_EQ(denominatorFault(141.45L), L"Au dixième : une décimale au plus");
  EXPECT_EQ(denominatorFault(141.4L), L"");
}

TEST(ScaleDenominator, WritesItsItemTitleAndTheFindersAnswer) {
  const ScaleDenominator whole = *ScaleDenominator::ofTenths(1410), tenth = *ScaleDenominator::ofTenths(1414);
  EXPECT_EQ(scaleItemText(whole, L','), L" 1:141");
  EXPECT_EQ(scaleItemText(tenth, L','), L" 1:141,4");
  EXPECT_EQ(scaleTitle(tenth, L','), L"Echelle 1:141,4");
  EXPECT_EQ(tenth.text(L'.'), L"141.4");
  EXPECT_EQ(ScaleDenominator::read(tenth.text(L'.')), tenth) << "the settings file reads back what it wrote";
  // Given under " Autre…", a scale of the catalogue is its own item.
  for (const auto& [text, item] : {std::pair{L"20", 0}, {L"250", 9}, {L"2500", 16}, {L"141", -1}, {L"250,1", -1}})
    EXPECT_EQ(catalogueItem(*ScaleDenominator::read(text)).value_or(-1), item) << "1:" << text;

  // The scale finder's answer, to the unit as it shows it.
  EXPECT_EQ(ScaleDenominator::nearestWhole(1250 / 8.84), whole);
  EXPECT_EQ(ScaleDenominator::nearestWhole(141.6)->text(L','), L"142") << "the finder said 1/142";
  EXPECT_EQ(ScaleDenominator::nearestWhole(100000.4)->tenths(), 1000000);
  for (const double out : {0.4, 100000.5, -141.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(ScaleDenominator::nearestWhole(out), std::nullopt) << out;
  }
}

TEST(OtherScaleRuler, LabelEveryEightMillimetresOrMoreTenTicksToALabel) {
  struct Case {
    long long tenths;
    double labelStep;  // metres
    const wchar_t* secondLabel;
  };
  const Case cases[] = {
      // 1:1, 1:5 and 1:10 details; 1:30 at 8,33 mm; 1:33,3 at 15 mm.
      {10, 0.01, L"0,01m"},      {50, 0.05, L"0,05m"},  {100, 0.1, L"0,1m"},
      {300, 0.25, L"0,25m"},     {333, 0.5, L"0,5m"},
      // Exactly 8 mm keeps the step: 1:125 with 1 m, 1:25000 with 200 m.
      {1250, 1, L"1m"},          {250000, 200, L"200m"},
      // Reduced plans; 1:250,1 falls just short of 8 mm with 2 m and takes 2,5 m.
      {1410, 2, L"2m"},          {1414, 2, L"2m"},      {2501, 2.5, L"2,5m"},
      {50000, 50, L"50m"},       {1000000, 1000, L"1000m"},
  };
  constexpr Resolution printer{600, 600};
  for (const Case& c : cases) {
    const ScaleDenominator n = *ScaleDenominator::ofTenths(c.tenths);
    const Graduation g = graduationFor(n, L"T");
    SCOPED_TRACE(testing::Message() << "1:" << n.value());
    EXPECT_EQ(g.labelStep, c.labelStep);
    EXPECT_EQ(g.labelInterval, 10 * g.tickStep);
    // On paper, in millimetres: the label interval at least 8 and below the
    // next step of the series; ticks at least 0.8.
    const double intervalMm = c.labelStep * 1000 / n.value();
    EXPECT_GE(intervalMm, 8);
    EXPECT_LT(intervalMm, 16.0 + 1e-9);
    EXPECT_NEAR(g.tickStep / 1000.0, intervalMm / 10, 0.0005) << "micrometres, to the nearest";

    const RulerPage page = layoutRuler(printer, g, 1, L',');
    std::vector<std::wstring> labels;
    int lastY = 0;
    for (const DrawOp& op : page.ops) {
      if (const auto* text = std::get_if<Text>(&op)) labels.push_back(text->text);
      if (const auto* line = std::get_if<Line>(&op)) lastY = line->from.y;
    }
    ASSERT_GE(labels.size(), 3u);
    EXPECT_EQ(labels[0], L"T");
    EXPECT_EQ(labels[1], L"0m");
    EXPECT_EQ(labels[2], c.secondLabel);
    // The ruler is the catalogue's 250 mm long, to the last tick.
    const double lengthMm = (lastY - rulerTop) / (printer.dpiY / 25.4);
    EXPECT_LE(lengthMm, 250.2);
    EXPECT_GT(lengthMm, 250 - intervalMm / 10 - 0.1);
  }
}

TEST(ReductionHint, NamesTheCatalogueScaleACopyWasReducedOrFittedFrom) {
  struct Case {
    double n;
    std::optional<std::wstring> hint;
  };
  const Case cases[] = {
      {141, L"Plan au 1:100 réduit à 71 % (un format A plus petit)"},
      {1250 / 8.84, L"Plan au 1:100 réduit à 71 % (un format A plus petit)"},
      {104, L"Plan au 1:100 imprimé à 96 % (« ajuster à la page » ?)"},
      {102.5, L"Plan au 1:100 imprimé à 98 % (« ajuster à la page » ?)"},  // 97,56 %
      {60, L"Plan au 1:30 réduit à 50 % (deux formats A plus petits)"},
      {283, L"Plan au 1:200 réduit à 71 % (un format A plus petit)"},  // also 1:100 three sizes down
      {7071, L"Plan au 1:2500 réduit à 35 % (trois formats A plus petits)"},
      {106, L"Plan au 1:75 réduit à 71 % (un format A plus petit)"},  // nearer than 1:100 at 94 %
      {85, L"Plan au 1:30 réduit à 35 % (trois formats A plus petits)"},
      {530, L"Plan au 1:500 imprimé à 94 % (« ajuster à la page » ?)"},
      {200, std::nullopt},    {250, std::nullopt},   {200.9, std::nullopt},  // a catalogue scale, to 0.5 %
      {101.5, std::nullopt},  {108, std::nullopt},   {143, std::nullopt},    // neither reduced nor fitted
      {12, std::nullopt},     {1e6, std::nullopt},   {-141, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(reductionHint(c.n), c.hint) << "1:" << c.n;
}

}  // namespace
