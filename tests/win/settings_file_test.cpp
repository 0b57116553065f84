// The settings file as the system's own profile reader reads it: real files
// in every encoding and line end, read by GetPrivateProfileStringW and by
// Morvi, and by the system again after Morvi has set one key.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "framework/system/ini_disk.h"
#include "tests/support/utf16_bytes.h"

namespace {

using namespace std::string_literals;
using test_support::utf16;

std::optional<std::wstring> systemReads(const std::wstring& path, const wchar_t* const (&key)[2]) {
  wchar_t value[256]{};
  GetPrivateProfileStringW(key[0], key[1], L"(absent)", value, 256, path.c_str());
  return std::wstring(value) == L"(absent)" ? std::nullopt : std::optional<std::wstring>(value);
}

TEST(SettingsFile, ReadAsTheSystemReadsAndSetOneKeyAlone) {
  const wchar_t* const keys[][2] = {{L"Morvi", L"Coef"},      {L"Morvi", L"Orientation"},    {L"Morvi", L"PDF"},
                                    {L"Imprimantes", L"PDF"}, {L"Imprimantes", L"ΨMEGA"}, {L"Imprimantes", L"Traceur-É"}};
  const std::wstring mixed = L"[Morvi]\r\nCoef=17\rOrientation=1\n[Imprimantes]\r\nΨMEGA=4\r\nPDF=9";
  // `ours`: the key that Morvi reads as 4 where the system reads it otherwise.
  const struct {
    std::string bytes;
    std::optional<std::size_t> ours;
  } rows[] = {
      {"[Morvi]\r\nCoef=5\r\nOrientation=1\r\n[Imprimantes]\r\nPDF=3\r\n"},
      {"[Morvi]\nCoef=5\nOrientation=1\n[Imprimantes]\nPDF=3"},
      {"[Morvi]\rCoef=5\rOrientation=1\r[Imprimantes]\rPDF=3\r"},
      {"[Morvi]\r\nCoef=5\rOrientation=1\n\r[Imprimantes]\rPDF=3\r\n"},
      {utf16(mixed)},
      {utf16(mixed, true)},
      {"\xEF\xBB\xBF[Imprimantes]\r\nTraceur-\xC3\x89=33\r\n"},
      {"[Imprimantes]\r\nTraceur-\xC3\x89=4\r\n", 5},  // UTF-8 without its mark
      {utf16(L"[imprimantes]\r\nψmega=4\r\n"), 4},    // the case of every letter
      {"  [ morvi ]  \r\n; Coef=1\r\n  COEF = \"10\"  \r\ncoef=2\r\n[MORVI]\r\nOrientation=1\r\n"},
      {"[Morvi]\r\nCoef\r\nCoef=42\r\nOrientation= 1\r\n"},
      {"[Morvi]\r\nCoef=1\r\n[Imprimantes\r\nPDF=3\r\n"},
      {"[Morvi]\r\nCoef=12\0 34\r\nOrientation=1\r\n"s},
      {"[Imprimantes]\r\n[Morvi]\r\nCoef=2\r\n[Imprimantes]\r\nPDF=9\r\n"},
  };
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.bytes));
    const std::filesystem::path before = dir / ("morvi-" + std::to_string(++n) + "a.ini"),
                                after = dir / ("morvi-" + std::to_string(n) + "b.ini");
    std::ofstream(before, std::ios::binary) << row.bytes;
    std::ofstream(after, std::ios::binary) << row.bytes;
    fw::IniDisk disk(after.wstring());
    fw::IniFile file(disk, fw::systemCodePage());
    for (std::size_t k = 0; k < std::size(keys); ++k)
      EXPECT_EQ(file.read(keys[k][0], keys[k][1]), row.ours == k ? L"4"s : systemReads(before.wstring(), keys[k])) << keys[k][1];
    wchar_t section[256]{};
    GetPrivateProfileSectionW(L"Imprimantes", section, 256, before.wstring().c_str());
    EXPECT_EQ(file.holdsKeys(L"Imprimantes"), std::wstring_view(section).find(L'=') != std::wstring_view::npos);

    file.write({{L"Morvi", L"Coef", L"-7"}});
    for (const auto& key : keys)
      EXPECT_EQ(systemReads(after.wstring(), key), &key == &keys[0] ? L"-7"s : systemReads(before.wstring(), key))
          << key[1];
    std::filesystem::remove(before);
    std::filesystem::remove(after);
  }
}

}  // namespace
