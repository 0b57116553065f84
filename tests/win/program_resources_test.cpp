// The resources linked into the program (this test program links the same
// ones): spin glyphs by name, the icon in six sizes, the version texts with
// their accents intact, and the manifest actually giving version 6 of the
// common controls at the invoker's level.
#include <windows.h>
#include <shlwapi.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <typename Function>
Function procedure(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Loads a resource bitmap and reads its pixels as 0x00RRGGBB, top row first.
std::vector<COLORREF> glyphPixels(const wchar_t* name, int& width, int& height) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return {};
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  width = info.bmWidth;
  height = info.bmHeight;
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  std::vector<COLORREF> pixels(width * height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  if (rows != height) return {};
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

TEST(ProgramResourcesTest, SpinGlyphsAreTrianglesOnOlive) {
  constexpr COLORREF olive = 0x808000, black = 0;  // 0x00RRGGBB as GetDIBits gives them
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

// version.dll is not among the libraries the program links, so the test
// reaches it at run time.
class VersionInfo {
 public:
  VersionInfo() {
    library_ = LoadLibraryW(L"version.dll");
    if (!library_) return;
    auto size = procedure<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>(library_, "GetFileVersionInfoSizeW");
    auto read = procedure<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>(library_, "GetFileVersionInfoW");
    query_ = procedure<decltype(query_)>(library_, "VerQueryValueW");
    if (!size || !read || !query_) return;
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    block_.resize(size(path, &ignored));
    if (block_.empty() || !read(path, 0, static_cast<DWORD>(block_.size()), block_.data())) block_.clear();
  }
  ~VersionInfo() {
    if (library_) FreeLibrary(library_);
  }
  VersionInfo(const VersionInfo&) = delete;
  VersionInfo& operator=(const VersionInfo&) = delete;

  bool loaded() const { return !block_.empty(); }

  const void* value(const std::wstring& path, UINT& length) const {
    void* found = nullptr;
    return query_(block_.data(), path.c_str(), &found, &length) ? found : nullptr;
  }

  std::wstring text(const wchar_t* name) const {
    UINT length = 0;
    const auto* found = static_cast<const wchar_t*>(value(L"\\StringFileInfo\\040C04E4\\" + std::wstring(name), length));
    return found ? std::wstring(found) : L"<missing>";
  }

 private:
  HMODULE library_ = nullptr;
  BOOL(WINAPI* query_)(LPCVOID, LPCWSTR, LPVOID*, PUINT) = nullptr;
  std::vector<BYTE> block_;
};

TEST(ProgramResourcesTest, VersionInformationIsFrench1_0_0_0) {
  const VersionInfo info;
  ASSERT_TRUE(info.loaded());

  UINT length = 0;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(info.value(L"\\", length));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
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
  EXPECT_EQ(info.text(L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(info.text(L"ProductVersion"), L"1.0.0.0");
  EXPECT_NE(info.text(L"CompanyName"), L"<missing>");
  EXPECT_NE(info.text(L"LegalCopyright"), L"<missing>");
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
