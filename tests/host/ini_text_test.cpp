// The settings file's bytes as users, editors and earlier versions leave
// them: what a key reads, and what setting one makes of the file.
#include "framework/system/ini_text.h"

#include <gtest/gtest.h>

#include "tests/support/latin1_code_page.h"
#include "tests/support/utf16_bytes.h"

namespace {

using test_support::utf16;

TEST(IniText, ReadsAndSetsAsTheProfileFunctions) {
  const struct {
    std::string file;
    const wchar_t *section, *key;
    std::optional<std::wstring> read;
    const wchar_t* set;
    std::string after;
  } rows[] = {
      {"[Morvi]\r\nCoef=5\r\n", L"Morvi", L"Coef", L"5", L"7", "[Morvi]\r\nCoef=7\r\n"},
      // Blanks and case ignored, and kept.
      {"  [ morvi ]  \r\n  COEF = 10  \r\n\r\nX=1\r\n", L"Morvi", L"Coef", L"10", L"12",
       "  [ morvi ]  \r\n  COEF = 12  \r\n\r\nX=1\r\n"},
      // Line feeds alone; a key not there goes after its section's last line.
      {"; mine\n[Morvi]\nOrientation=1\n\n[Other]\nKeep=1\n", L"Morvi", L"Coef", std::nullopt, L"3",
       "; mine\n[Morvi]\nOrientation=1\nCoef=3\n\n[Other]\nKeep=1\n"},
      {"[Morvi]\r\n;Coef=9\r\nCoef=4\r\n", L"Morvi", L"Coef", L"4", L"6", "[Morvi]\r\n;Coef=9\r\nCoef=6\r\n"},
      {"[Morvi]\r\nCoef=1\r\ncoef=2\r\n", L"Morvi", L"Coef", L"1", L"3", "[Morvi]\r\nCoef=3\r\ncoef=2\r\n"},
      // The first of repeated sections.
      {"[Morvi]\r\nA=1\r\n[Other]\r\nB=2\r\n[MORVI]\r\nCoef=9\r\n", L"Morvi", L"Coef", std::nullopt, L"5",
       "[Morvi]\r\nA=1\r\nCoef=5\r\n[Other]\r\nB=2\r\n[MORVI]\r\nCoef=9\r\n"},
      {"", L"Morvi", L"Coef", std::nullopt, L"0", "[Morvi]\r\nCoef=0\r\n"},
      {"[Other]\nK=1", L"Morvi", L"Coef", std::nullopt, L"2", "[Other]\nK=1\n[Morvi]\nCoef=2\n"},
      {"[Morvi]\r\nA=1\nB=\"141.4\" \r\n", L"Morvi", L"B", L"141.4", L"250", "[Morvi]\r\nA=1\nB=250 \r\n"},
      {"[Morvi]\r\nNote=\r\n", L"Morvi", L"Note", L"", L"x", "[Morvi]\r\nNote=x\r\n"},
      // UTF-8 saved by an editor, with and without its mark; the code page.
      {"[Imprimantes]\r\nTraceur-\xC3\x89=33\r\n", L"imprimantes", L"traceur-é", L"33", L"34",
       "[Imprimantes]\r\nTraceur-\xC3\x89=34\r\n"},
      {"\xEF\xBB\xBF[Morvi]\r\nCoef=1\r\n", L"Imprimantes", L"ΨMEGA", std::nullopt, L"5",
       "\xEF\xBB\xBF[Morvi]\r\nCoef=1\r\n[Imprimantes]\r\n\xCE\xA8MEGA=5\r\n"},
      {"[Imprimantes]\r\nTraceur-\xC9=33\r\n", L"Imprimantes", L"Traceur-É", L"33", L"-2",
       "[Imprimantes]\r\nTraceur-\xC9=-2\r\n"},
      {utf16(L"[Morvi]\r\nCoef=1\r\n"), L"Morvi", L"Coef", L"1", L"-3", utf16(L"[Morvi]\r\nCoef=-3\r\n")},
      {utf16(L"[Morvi]\r\n\u010A=1"), L"Imprimantes", L"Ψ", std::nullopt, L"2",
       utf16(L"[Morvi]\r\n\u010A=1\r\n[Imprimantes]\r\nΨ=2\r\n")},
  };
  const test_support::Latin1 codePage;
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.file));
    fw::IniText text(row.file, codePage);
    EXPECT_EQ(text.read(row.section, row.key), row.read);
    text.set(row.section, row.key, row.set);
    EXPECT_EQ(text.bytes(), row.after);
    EXPECT_EQ(fw::IniText(text.bytes(), codePage).read(row.section, row.key), row.set);
  }
}

}  // namespace
