#include "framework/text/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using fw::formatGeneral;
using fw::parseInteger;

TEST(FormatGeneral, ShortestTextWithoutTrailingZerosOrSeparator) {
  EXPECT_EQ(formatGeneral(0, L','), L"0");
  EXPECT_EQ(formatGeneral(-0.0L, L','), L"0");
  EXPECT_EQ(formatGeneral(76, L','), L"76");
  EXPECT_EQ(formatGeneral(250, L','), L"250");
  EXPECT_EQ(formatGeneral(0.5, L','), L"0,5");
  EXPECT_EQ(formatGeneral(-1.5, L','), L"-1,5");
  EXPECT_EQ(formatGeneral(0.125, L'.'), L"0.125");
}

TEST(FormatGeneral, FifteenDigitsHideTheRepresentationErrorOfDecimalSteps) {
  // 0.2 is 0.2000000000000000111 as a double; six of it in extended precision.
  EXPECT_EQ(formatGeneral(6 * static_cast<long double>(0.2), L','), L"1,2");
  EXPECT_EQ(formatGeneral(31 * static_cast<long double>(0.2), L','), L"6,2");
  EXPECT_EQ(formatGeneral(0.1L + 0.2L, L','), L"0,3");
  EXPECT_EQ(formatGeneral(1.0L / 3, L','), L"0,333333333333333");
  EXPECT_EQ(formatGeneral(2.0L / 3, L','), L"0,666666666666667");
}

TEST(FormatGeneral, LastDigitRoundsHalfAwayFromZero) {
  // Exact ties at the sixteenth digit: 1234567890123425 and ...35.
  EXPECT_EQ(formatGeneral(1234567890123425.0L, L','), L"1,23456789012343E15");
  EXPECT_EQ(formatGeneral(-1234567890123435.0L, L','), L"-1,23456789012344E15");
  EXPECT_EQ(formatGeneral(123456789012345.5L, L','), L"123456789012346");
  EXPECT_EQ(formatGeneral(12345678901234.25L, L','), L"12345678901234,3");
  // Rounding up carries into a new leading digit.
  EXPECT_EQ(formatGeneral(999999999999999.9L, L','), L"1E15");
  EXPECT_EQ(formatGeneral(9.9999999999999999L, L','), L"10");
}

TEST(FormatGeneral, ExponentFormBeyondFifteenIntegerDigitsAndBelowOneTenThousandth) {
  EXPECT_EQ(formatGeneral(999999999999999.0L, L','), L"999999999999999");
  EXPECT_EQ(formatGeneral(1e15L, L','), L"1E15");
  EXPECT_EQ(formatGeneral(1.5e20L, L','), L"1,5E20");
  EXPECT_EQ(formatGeneral(0.0001L, L','), L"0,0001");
  EXPECT_EQ(formatGeneral(0.00012345L, L','), L"0,00012345");
  EXPECT_EQ(formatGeneral(0.00001L, L','), L"1E-5");
  EXPECT_EQ(formatGeneral(-0.000012345L, L'.'), L"-1.2345E-5");
  // The far ends of the extended range go through the exact expansion.
  EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::max(), L','), L"1,18973149535723E4932");
  EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::denorm_min(), L','), L"3,64519953188247E-4951");
}

TEST(FormatGeneral, NonFiniteValues) {
  EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::infinity(), L','), L"INF");
  EXPECT_EQ(formatGeneral(-std::numeric_limits<long double>::infinity(), L','), L"-INF");
  EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::quiet_NaN(), L','), L"NAN");
}

TEST(ParseInteger, SignAndDigitsOverTheWholeRange) {
  EXPECT_EQ(parseInteger(L"0"), 0);
  EXPECT_EQ(parseInteger(L"-0"), 0);
  EXPECT_EQ(parseInteger(L"+12"), 12);
  EXPECT_EQ(parseInteger(L"007"), 7);
  EXPECT_EQ(parseInteger(L"-100"), -100);
  EXPECT_EQ(parseInteger(L"2147483647"), 2147483647);
  EXPECT_EQ(parseInteger(L"-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(ParseInteger, RefusesAnythingElse) {
  for (const wchar_t* text : {L"", L"-", L"+", L" 1", L"1 ", L"1,0", L"1.0", L"12a", L"--1", L"+-1", L"1 000",
                              L"2147483648", L"-2147483649", L"99999999999999999999999"}) {
    EXPECT_EQ(parseInteger(text), std::nullopt) << "text: [" << testing::PrintToString(std::wstring(text)) << "]";
  }
}

}  // namespace
