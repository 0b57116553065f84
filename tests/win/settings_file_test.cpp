// The settings file as the system's own profile reader reads it: real files
// in every encoding and line end, each read by GetPrivateProfileStringW and
// by Morvi, and read again by the system after Morvi has set one key.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/system/ini_disk.h"

namespace {

using namespace std::string_literals;

struct Query {
  const wchar_t *section, *key;
};
const Query queries[] = {{L"Morvi", L"Coef"},        {L"Morvi", L"Orientation"},    {L"Morvi", L"PDF"},
                         {L"Imprimantes", L"PDF"},   {L"Imprimantes", L"ΨMEGA"}, {L"Imprimantes", L"Traceur-É"}};

std::wstring tempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH]{};
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + L"morvi-profile-" + name + L".ini";
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
  const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(h);
}

std::optional<std::wstring> systemReads(const std::wstring& path, const Query& q) {
  wchar_t value[256]{};
  GetPrivateProfileStringW(q.section, q.key, L"(absent)", value, 256, path.c_str());
  return std::wstring(value) == L"(absent)" ? std::nullopt : std::optional<std::wstring>(value);
}

std::string utf16(std::wstring_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const wchar_t c : text)
    bytes += bigEndian ? std::string{char(c >> 8), char(c & 0xFF)} : std::string{char(c & 0xFF), char(c >> 8)};
  return bytes;
}

TEST(SettingsFile, ReadAsTheSystemReadsAndSetOneKeyAlone) {
  const std::wstring mixed = L"[Morvi]\r\nCoef=17\rOrientation=1\n[Imprimantes]\r\nΨMEGA=4\r\nPDF=9";
  const struct {
    std::string bytes;
    // Where Morvi reads on purpose otherwise: the query's place and its value.
    std::optional<std::size_t> ours;
    const wchar_t* oursReads;
  } rows[] = {
      {"[Morvi]\r\nCoef=5\r\nOrientation=1\r\n[Imprimantes]\r\nPDF=3\r\n"},
      {"[Morvi]\nCoef=5\nOrientation=1\n[Imprimantes]\nPDF=3"},
      {"[Morvi]\rCoef=5\rOrientation=1\r[Imprimantes]\rPDF=3\r"},
      {"[Morvi]\r\nCoef=5\rOrientation=1\n\r[Imprimantes]\rPDF=3\r\n"},
      {utf16(mixed, false)},
      {utf16(mixed, true)},
      {"\xEF\xBB\xBF[Imprimantes]\r\nTraceur-\xC3\x89=33\r\n"},
      {"[Imprimantes]\r\nTraceur-\xC3\x89=33\r\n", 5, L"33"},
      {"[Imprimantes]\r\nTraceur-\xC9=33\r\n"},
      {"  [ morvi ]  \r\n; Coef=1\r\n  COEF = \"10\"  \r\ncoef=2\r\n[MORVI]\r\nOrientation=1\r\n"},
      {"[Morvi]\r\nCoef\r\nCoef=42\r\nOrientation= 1\r\n"},
      {"[Morvi]\r\nCoef=1\r\n[Imprimantes\r\nPDF=3\r\n"},
      {"[Morvi]\r\nCoef=12\0 34\r\nOrientation=1\r\n"s},
      {"[Imprimantes]\r\n[Morvi]\r\nCoef=2\r\n[Imprimantes]\r\nPDF=9\r\n"},
      {utf16(L"[imprimantes]\r\nψmega=4\r\n", false), 4, L"4"},  // case ignored for every letter
  };
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.bytes));
    const std::wstring before = tempFile((std::to_wstring(++n) + L"a").c_str());
    const std::wstring after = tempFile((std::to_wstring(n) + L"b").c_str());
    writeBytes(before, row.bytes);
    writeBytes(after, row.bytes);
    fw::IniDisk disk(after);
    fw::IniFile file(disk, fw::systemCodePage());
    for (std::size_t q = 0; q < std::size(queries); ++q) {
      const std::optional<std::wstring> system = systemReads(before, queries[q]);
      const std::optional<std::wstring> morvi = file.read(queries[q].section, queries[q].key);
      if (row.ours == q)
        EXPECT_EQ(morvi, row.oursReads);
      else
        EXPECT_EQ(morvi, system) << queries[q].section << L"/" << queries[q].key;
    }
    wchar_t section[256]{};
    const bool systemHoldsKeys = GetPrivateProfileSectionW(L"Imprimantes", section, 256, before.c_str()) > 0 &&
                                 std::wstring_view(section).find(L'=') != std::wstring_view::npos;
    EXPECT_EQ(file.holdsKeys(L"Imprimantes"), systemHoldsKeys);

    file.write({{L"Morvi", L"Coef", L"-7"}});
    for (const Query& q : queries) {
      if (std::wstring_view(q.key) == L"Coef" && std::wstring_view(q.section) == L"Morvi")
        EXPECT_EQ(systemReads(after, q), L"-7");
      else
        EXPECT_EQ(systemReads(after, q), systemReads(before, q)) << q.section << L"/" << q.key;
    }
    DeleteFileW(before.c_str());
    DeleteFileW(after.c_str());
  }
}

// The system's replace keeps what the file was: hidden, and a link to a
// file elsewhere written through to its target.
TEST(SettingsFile, AWriteKeepsTheFilesAttributes) {
  const std::wstring path = tempFile(L"hidden");
  writeBytes(path, "[Morvi]\r\nCoef=1\r\n");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  fw::IniDisk disk(path);
  fw::IniFile(disk, fw::systemCodePage()).write({{L"Morvi", L"Coef", L"2"}});
  EXPECT_EQ(GetPrivateProfileIntW(L"Morvi", L"Coef", 0, path.c_str()), 2u);
  EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path.c_str());
}

}  // namespace
