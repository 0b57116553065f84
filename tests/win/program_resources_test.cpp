// The resources linked into the program (this test program links the same
// ones): spin glyphs by name, the icon in six sizes, the version texts with
// their accents intact, and the manifest actually giving version 6 of the
// common controls at the invoker's level.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/scaled_picture.h"
#include "morvi_version.h"
#include "tests/support/version_info.h"

namespace {

// Loads a picture the program carries and reads its pixels as 0x00RRGGBB,
// top row first.
std::vector<COLORREF> glyphPixels(const wchar_t* name, int& width, int& height) {
  fw::Bitmap bitmap;
  const auto file = fw::programResource(name);
  if (!file || !bitmap.loadFromBytes(*file)) return {};
  width = bitmap.width();
  height = bitmap.height();
  std::vector<COLORREF> pixels;
  for (const std::uint32_t p : bitmap.pixels()) pixels.push_back(p & 0xFFFFFF);
  return pixels;
}

TEST(ProgramResourcesTest, SpinGlyphsAreTrianglesOnOlive) {
  constexpr COLORREF olive = 0x808000, black = 0;  // 0x00RRGGBB, as glyphPixels gives them
  for (const bool up : {true, false}) {
    SCOPED_TRACE(up ? "SpinUp" : "SpinDown");
    int width = 0, height = 0;
    const auto pixels = glyphPixels(up ? L"SpinUp" : L"SpinDown", width, height);
    ASSERT_EQ(pixels.size(), 9u * 6u) << "missing bitmap resource";
    const int apexRow = up ? 1 : 4, baseRow = up ? 4 : 1;
    EXPECT_EQ(pixels[0], olive);
    EXPECT_EQ(pixels[apexRow * 9 + 4], black);
    EXPECT_EQ(pixels[apexRow * 9 + 3], olive);
    EXPECT_EQ(pixels[baseRow * 9 + 1], black);
    EXPECT_EQ(pixels[baseRow * 9 + 7], black);
    EXPECT_EQ(pixels[baseRow * 9 + 0], olive);
    EXPECT_EQ(pixels[5 * 9 + 4], olive);
  }
}

TEST(ProgramResourcesTest, MainIconComesInSixSizesOf32Bits) {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC group = FindResourceW(self, L"MAINICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(self, group)));
  ASSERT_NE(dir, nullptr);
  const WORD count = *reinterpret_cast<const WORD*>(dir + 4);
  ASSERT_EQ(count, 6);
  std::vector<int> sides;
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = dir + 6 + 14 * i;  // packed GRPICONDIRENTRY
    sides.push_back(entry[0] ? entry[0] : 256);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 32) << "bits of the " << sides.back();
  }
  EXPECT_EQ(sides, (std::vector<int>{256, 128, 64, 48, 24, 16}));

  for (const int side : {16, 48, 256}) {
    HICON icon = static_cast<HICON>(LoadImageW(self, L"MAINICON", IMAGE_ICON, side, side, 0));
    ASSERT_NE(icon, nullptr) << side;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, side);
    EXPECT_EQ(colour.bmHeight, side);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(ProgramResourcesTest, VersionInformationIsFrenchAndTheBuilds) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const automation::VersionInfo info(self);
  ASSERT_TRUE(info.loaded());

  UINT length = 0;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(info.value(L"\\", length));
  ASSERT_NE(fixed, nullptr);
  constexpr DWORD major = MORVI_VERSION_MAJOR, minor = MORVI_VERSION_MINOR, patch = MORVI_VERSION_PATCH;
  EXPECT_EQ(fixed->dwFileVersionMS, major << 16 | minor);
  EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
  EXPECT_EQ(fixed->dwProductVersionMS, major << 16 | minor);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const auto* translation = static_cast<const WORD*>(info.value(L"\\VarFileInfo\\Translation", length));
  ASSERT_NE(translation, nullptr);
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x040C);
  EXPECT_EQ(translation[1], 1252);

  EXPECT_EQ(info.text(L"FileDescription"), L"Morvi, règle graduée et recherche d'échelle");
  EXPECT_EQ(info.text(L"ProductName"), L"Morvi");
  EXPECT_EQ(info.text(L"InternalName"), L"Morvi");
  EXPECT_EQ(info.text(L"OriginalFilename"), L"Morvi.exe");
  EXPECT_EQ(info.text(L"FileVersion"), L"" MORVI_VERSION);
  EXPECT_EQ(info.text(L"ProductVersion"), L"" MORVI_VERSION);
  EXPECT_EQ(info.text(L"CompanyName"), L"" MORVI_PUBLISHER);
  EXPECT_EQ(info.text(L"LegalCopyright"), L"© " MORVI_PUBLISHER);
}

// Version 6 lives in the side-by-side store, apart from the system folder's
// version 5; Wine keeps the same layout (and its DllGetVersion says 5 for both).
TEST(ProgramResourcesTest, ManifestBringsCommonControls6) {
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
  EXPECT_NE(StrStrIW(path, L"\\winsxs\\"), nullptr) << path;
  EXPECT_NE(StrStrIW(path, L"common-controls_6595b64144ccf1df_6.0."), nullptr) << path;

  HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                         SizeofResource(nullptr, manifest));
  EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
