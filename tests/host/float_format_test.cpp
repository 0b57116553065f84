// Display formats and the reading of typed numbers, in a French locale and an
// English one; the scale finder's answer.
#include "framework/text/float_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "framework/error/error.h"
#include "ruler/scale_finder.h"

namespace {

using fw::NumberSource;

constexpr fw::NumberFormat kFrench{L',', L'\u00A0'};
constexpr fw::NumberFormat kEnglish{L'.', L','};

constexpr wchar_t kDefault[] = L"+,0.00 ;-,0.00 ";
constexpr wchar_t kMainWindow[] = L",0.00 ;,0.00";

std::string shown(const std::wstring& w) { return testing::PrintToString(w); }

TEST(FormatFloat, SectionsSignsGroupingAndHalfwayValuesInBothLocales) {
  struct Case {
    const wchar_t* format;
    long double value;
    const wchar_t* french;
    const wchar_t* english;
  };
  const Case cases[] = {
      {kDefault, 1250, L"+1\u00A0250,00 ", L"+1,250.00 "},
      {kDefault, -3, L"-3,00 ", L"-3.00 "},
      {kDefault, 0, L"+0,00 ", L"+0.00 "},
      {kMainWindow, 12.5L, L"12,50 ", L"12.50 "},
      {kMainWindow, -12.5L, L"12,50", L"12.50"},
      {L"+,0.00 €;-,0.00 €", 2, L"+2,00 €", L"+2.00 €"},
      {kMainWindow, 1234567.891L, L"1\u00A0234\u00A0567,89 ", L"1,234,567.89 "},
      // Exact halves of the 18-digit form round away from zero.
      {L"0.00", 0.125L, L"0,13", L"0.13"},
      {L"0.00", 1.005L, L"1,01", L"1.01"},
      {L"0.00", -0.125L, L"-0,13", L"-0.13"},
      {L"0.00", 9.995L, L"10,00", L"10.00"},
      {L"0.00", 0.1249999L, L"0,12", L"0.12"},
      {L"0", 2.5L, L"3", L"3"},
      // A value that shows as zero takes the zero section, else the first, unsigned.
      {L"0.00;(0.00);\"zéro\"", -0.001L, L"zéro", L"zéro"},
      {L"0.00;(0.00);\"zéro\"", -4, L"(4,00)", L"(4.00)"},
      {L"0.00", -0.001L, L"0,00", L"0.00"},
      {L"0.00", -3, L"-3,00", L"-3.00"},
      // Quotes, padding, digits beyond the placeholders, no digits at all.
      {L"'x;y' 0", 5, L"x;y 5", L"x;y 5"},
      {L"000.0", 5, L"005,0", L"005.0"},
      {L"0-0", 123, L"12-3", L"12-3"},
      {L".00", 0.5L, L",50", L".50"},
      {L"\"rien\"", 5, L"rien", L"rien"},
      {L",0", 1e20L, L"100\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000", L"100,000,000,000,000,000,000"},
      // An empty format, or first section, writes the general form.
      {L"", 1.5L, L"1,5", L"1.5"},
      {L";0.00", -2.25L, L"-2,25", L"-2.25"},
      {L"0.00", std::numeric_limits<long double>::infinity(), L"INF", L"INF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(shown(c.format) + " " + testing::PrintToString(static_cast<double>(c.value)));
    EXPECT_EQ(fw::formatFloat(c.format, c.value, kFrench), c.french);
    EXPECT_EQ(fw::formatFloat(c.format, c.value, kEnglish), c.english);
  }
}

TEST(FormatFloat, RefusesAFormatLongerThan224Characters) {
  const std::wstring longest = L"0" + std::wstring(223, L' ');
  EXPECT_EQ(fw::formatFloat(longest, 7, kFrench), L"7" + std::wstring(223, L' '));
  try {
    fw::formatFloat(longest + L" ", 7, kFrench);
    ADD_FAILURE() << "no error";
  } catch (const fw::ConvertError& e) {
    EXPECT_EQ(e.message(), L"Chaîne de format trop longue");
  }
}

TEST(ReadNumber, TypedTextTakesCommaAndPointAsDecimalMarksInEveryLocale) {
  struct Case {
    std::wstring text;
    std::optional<long double> value;
  };
  const Case cases[] = {
      {L"12,5", 12.5L},  {L"12.5", 12.5L},      {L"-5", -5},       {L"(5)", -5},
      {L"5-", -5},       {L"--5", -5},          {L"+7", 7},        {L",5", 0.5L},
      {L"5.", 5},        {L"5,00 €", 5},        {L"1.005", 1.005L}, {L"1\r\n2", 12},
      {L"abc", {}},      {L"", {}},             {L"-", {}},        {L".", {}},
      {L"1,2,3", {}},    {L"1.2,3", {}},        {L"1E5", 15},      {L"1" + std::wstring(5000, L'0'), {}},
      // Blanks group digits: the space, and the two no-break spaces Windows writes French numbers with.
      {L"1 000", 1000},  {L"1\u202F000,5", 1000.5L}, {L"100\u00A0000", 100000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(shown(c.text));
    EXPECT_EQ(fw::readNumber(c.text, kFrench, NumberSource::Typed), c.value);
    EXPECT_EQ(fw::readNumber(c.text, kEnglish, NumberSource::Typed), c.value);
  }
  // Grouping a user types is a decimal mark when the locale groups with ",".
  EXPECT_EQ(fw::readNumber(L"1\u00A0250,5", kFrench, NumberSource::Typed), 1250.5L);
  EXPECT_EQ(fw::readNumber(L"1,250.5", kEnglish, NumberSource::Typed), std::nullopt);
}

TEST(ReadNumber, ShownTextReadsBackInEveryLocale) {
  constexpr fw::NumberFormat kGerman{L',', L'.'};
  struct Case {
    const wchar_t* format;
    long double value;
    long double readBack;  // the value of the text shown
  };
  const Case cases[] = {
      {kDefault, 1250, 1250},          {kDefault, -1234567.5L, -1234567.5L}, {kMainWindow, -12.5L, 12.5L},
      {kMainWindow, 1.005L, 1.01L},    {L",0", 1e20L, 1e20L},                {L"+,0.00 €;-,0.00 €", 2, 2},
  };
  for (const fw::NumberFormat& locale : {kFrench, kEnglish, kGerman}) {
    for (const Case& c : cases) {
      const std::wstring text = fw::formatFloat(c.format, c.value, locale);
      SCOPED_TRACE(shown(text));
      EXPECT_EQ(fw::readNumber(text, locale, NumberSource::Shown), c.readBack);
    }
  }
  // The value a field keeps for what it shows: the sign as shown, every decimal.
  EXPECT_EQ(fw::valueAsShown(-1.005L, fw::formatFloat(kMainWindow, -1.005L, kFrench)), 1.005L);
  EXPECT_EQ(fw::valueAsShown(-4, L"(4,00)"), -4);
  EXPECT_EQ(fw::valueAsShown(-3, L"-3,00 "), -3);
}

TEST(ScaleMessage, DividesToTheUnitHalfAwayFromZeroAndRefusesZero) {
  struct Case {
    long double plan, measure;
    const wchar_t* message;
  };
  const Case cases[] = {
      {12.5L, 2.5L, L" Echelle : 1/500 ème"},
      {5, 5, L" Echelle : 1/100 ème"},
      {1, 3, L" Echelle : 1/33 ème"},
      {250.5L, 100, L" Echelle : 1/251 ème"},
      {-250.5L, 100, L" Echelle : 1/-251 ème"},
      {5, -5, L" Echelle : 1/-100 ème"},
      // The double nearest 1E27 is 1000000000000000013287555072: eighteen
      // digits of it, then zeros, in full.
      {1e20L, 1e-5L, L" Echelle : 1/1000000000000000010000000000 ème"},
      {1.4L, 100, L" Echelle : 1/1 ème"},
      // Drawn larger than life: the enlargement, never 1/1 nor 1/0.
      {0.01L, 2, L" Echelle : 2/1"},
      {0.01L, 123456, L" Echelle : 123456/1"},
      {0.02L, 2.5L, L" Echelle : 1,25/1"},
      {0.03L, 4, L" Echelle : 1,33/1"},
      {0.01L, -2, L" Echelle : -2/1"},
  };
  for (const Case& c : cases) EXPECT_EQ(ruler::scaleMessage(c.plan, c.measure, L','), c.message);
  EXPECT_EQ(ruler::scaleMessage(0, 5, L','), std::nullopt);
  EXPECT_EQ(ruler::scaleMessage(5, 0, L','), std::nullopt);
  EXPECT_EQ(ruler::scaleMessage(5, -0.0L, L','), std::nullopt);
}

}  // namespace
