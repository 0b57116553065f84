// Settings values: the texts a user may leave in the file.
#include "framework/system/ini_value.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fw::iniInteger;

TEST(IniValue, DecimalWithOptionalSign) {
  EXPECT_EQ(iniInteger(L"25", 0), 25);
  EXPECT_EQ(iniInteger(L"-250", 0), -250);  // clamping is the field's business
  EXPECT_EQ(iniInteger(L"+7", 0), 7);
  EXPECT_EQ(iniInteger(L"2147483647", 0), 2147483647);
  EXPECT_EQ(iniInteger(L"-2147483648", 0), INT32_MIN);
}

TEST(IniValue, HexadecimalPrefixes) {
  EXPECT_EQ(iniInteger(L"0x10", 0), 16);
  EXPECT_EQ(iniInteger(L"0X1f", 0), 31);
  EXPECT_EQ(iniInteger(L"$1F", 0), 31);
  EXPECT_EQ(iniInteger(L"-$10", 0), -16);
  EXPECT_EQ(iniInteger(L"$FFFFFFFF", 0), -1);
}

TEST(IniValue, AnythingElseGivesTheDefault) {
  for (const wchar_t* text : {L"abc", L"", L"-", L"+", L"0x", L"$", L"12a", L"1,5", L"0x1G", L"$-1", L"2147483648",
                              L"-2147483649", L"$100000000", L"12 ", L"--1"})
    EXPECT_EQ(iniInteger(text, -7), -7) << "text: " << std::string(text, text + std::wcslen(text));
}

TEST(IniValue, OnlyTheFirst2047CharactersCount) {
  // 2046 zeros then "25": the cut keeps the zeros and one digit.
  std::wstring long_value(2046, L'0');
  EXPECT_EQ(iniInteger(long_value + L"25", 9), 2);
  EXPECT_EQ(iniInteger(long_value.substr(1) + L"25", 9), 25);
  std::wstring three_thousand(2998, L'0');
  EXPECT_EQ(iniInteger(three_thousand + L"25", 9), 0);
  EXPECT_EQ(iniInteger(std::wstring(3000, L'x'), 9), 9);
}

}  // namespace
