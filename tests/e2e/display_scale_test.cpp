// The main window at the display scale of its Wine prefix (ctest's e2e-dpi144
// and e2e-dpi192, with MORVI_LOGPIXELS): every control where the 96-dpi
// design puts it, scaled, every caption whole, clear of its edges and of the
// control beside it, and every picture drawn for the scale, as the screen
// shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/desc/dpi_scaling.h"
#include "main_window_layout.h"
#include "morvi_process.h"
#include "screen_ink.h"

using e2e::MorviProcess;

namespace {

// The scale the run is made for; the screen must have it.
int runDpi() {
  const char* v = std::getenv("MORVI_LOGPIXELS");
  return v ? std::atoi(v) : 0;
}
int scaled(int designed) { return desc::scaleLength(designed, runDpi()); }

HWND group(const MorviProcess& m, const wchar_t* text) { return m.childWithText(m.window(), text); }

// The three group boxes the controls sit in, once every control has painted.
struct Groups {
  HWND printing, finder, info;
};
Groups paintedGroups(const MorviProcess& m) {
  e2e::pause(500);
  return {group(m, L"Impression de règles graduées"), group(m, L"Recherche d'échelle"), group(m, L"Informations")};
}

// The width the screen gives a text in a face at a height designed at 96 dpi.
int textWidth(const std::wstring& text, const wchar_t* face, int height) {
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontW(scaled(height), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
  HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, text.c_str(), int(text.size()), &size);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

class DisplayScale : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(runDpi(), 96) << "MORVI_LOGPIXELS names the scale of the run";
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, runDpi());
  }
};

}  // namespace

TEST_F(DisplayScale, EveryControlIsAtItsScaledPlace) {
  MorviProcess morvi;
  RECT client;
  GetClientRect(morvi.window(), &client);
  EXPECT_NEAR(client.right, scaled(497), 1);
  EXPECT_NEAR(client.bottom, scaled(489), 1);
  for (const e2e::Expected& e : e2e::kControls) {
    SCOPED_TRACE(testing::Message() << "control designed at " << e.left << "," << e.top);
    const HWND parent = e.parentText ? group(morvi, e.parentText) : morvi.window();
    ASSERT_TRUE(parent);
    const HWND c = morvi.childAt(parent, e.left, e.top);
    ASSERT_TRUE(c);
    RECT r;
    GetWindowRect(c, &r);
    if (!e.sizedToText) {
      EXPECT_NEAR(r.right - r.left, scaled(e.width), 1);
      EXPECT_NEAR(r.bottom - r.top, scaled(e.height), 1);
    }
  }
}

TEST_F(DisplayScale, EveryCaptionIsWholeAndClearOfItsNeighbour) {
  MorviProcess morvi;
  const auto [printing, finder, info] = paintedGroups(morvi);
  const struct {
    HWND parent;
    int left, top;       // designed
    int neighbourLeft;   // where the control to its right begins, designed
    const wchar_t* text;
    const wchar_t* face;
    int height;          // of the font, designed
  } texts[] = {
      {finder, 3, 20, 288, L"Saisissez une cote (en mètre) figurant sur le plan", L"Segoe UI", -12},
      {finder, 9, 46, 289, L"Saisissez la même cote mesurée sur le plan (en cm)", L"Segoe UI", -12},
      {finder, 341, 22, 362, L"m", L"Segoe UI", -11},
      {finder, 341, 50, 362, L"cm", L"Segoe UI", -11},
      {printing, 16, 132, 68, L"Etalonner", L"Segoe UI", -11},
      {info, 10, 148, 184, L"contact@plandrel.fr", L"Segoe UI", -11},
      {info, 13, 167, 184, L"https://www.plandrel.fr", L"Segoe UI", -11},
  };
  for (const auto& t : texts) {
    const std::string name(t.text, t.text + wcslen(t.text));
    SCOPED_TRACE(name);
    const HWND c = morvi.childAt(t.parent, t.left, t.top);
    ASSERT_TRUE(c);
    RECT r;
    GetClientRect(c, &r);
    const int clear = std::min<int>(r.right, scaled(t.neighbourLeft) - scaled(t.left));
    const e2e::Ink ink = e2e::inkOnScreen(c, {0, 0, clear, r.bottom});
    std::printf("%s: ink %ld..%ld x %ld..%ld of %ld x %ld, clear to %d, text %d wide\n", name.c_str(), ink.box.left,
                ink.box.right, ink.box.top, ink.box.bottom, r.right, r.bottom, clear,
                textWidth(t.text, t.face, t.height));
    ASSERT_FALSE(ink.empty());
    // Nothing cut at an edge (a label sized to its text may ink its last
    // column), no ink under the neighbour, and as wide as the text in its font
    // (a clipped text is narrower). At 144 dpi Wine's FreeSans, standing in
    // for Segoe UI, hints the second instruction 3.6 % wider than its 96-dpi
    // width scaled, and it ends against the field's border.
    EXPECT_LE(ink.box.right, clear);
    EXPECT_LT(ink.box.bottom, r.bottom);
    EXPECT_GE(ink.box.right - ink.box.left, textWidth(t.text, t.face, t.height) * 9 / 10);
  }
  // The radio items: each one's circle and text inside its own cell.
  for (const wchar_t* groupText : {L"Echelles disponibles", L"Orientation"}) {
    const HWND radios = morvi.childWithText(printing, groupText);
    ASSERT_TRUE(radios);
    for (const e2e::Child& item : morvi.children(radios)) {
      SCOPED_TRACE(std::string(item.text.begin(), item.text.end()));
      const e2e::Ink ink = e2e::inkOnScreen(item.hwnd, {0, 0, item.rect.right - item.rect.left,
                                                        item.rect.bottom - item.rect.top});
      ASSERT_FALSE(ink.empty());
      EXPECT_LT(ink.box.right, item.rect.right - item.rect.left);
      EXPECT_GE(ink.box.right - ink.box.left, textWidth(item.text, L"Segoe UI", -11));
    }
  }
}

namespace {

// A picture drawn for the scale (resources/scaled), as the program carries
// it; its bottom-left colour is see-through.
struct Form {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;  // top row first
  COLORREF at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

Form formFile(const std::string& name) {
  const std::string path = "Z:" + e2e::repoRoot() + "resources/scaled/" + name;
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  BITMAP bm{};
  if (!GetObjectW(bitmap, sizeof bm, &bm)) return {};
  Form f{bm.bmWidth, bm.bmHeight, std::vector<COLORREF>(std::size_t(bm.bmWidth) * bm.bmHeight)};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), f.width, -f.height, 1, 32, BI_RGB};
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, f.height, f.pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  for (COLORREF& c : f.pixels) c = RGB(GetBValue(c), GetGValue(c), GetRValue(c));  // 0x00RRGGBB to COLORREF
  return f;
}

// Whether the screen shows the form somewhere, every pixel but its
// see-through ones exactly: drawn from it, not from the 96-dpi picture
// stretched or resampled.
bool showsForm(const e2e::ScreenShot& shot, const Form& form) {
  const COLORREF key = form.at(0, form.height - 1);
  for (int top = 0; top + form.height <= shot.height; ++top)
    for (int left = 0; left + form.width <= shot.width; ++left) {
      bool same = true;
      for (int y = 0; y < form.height && same; ++y)
        for (int x = 0; x < form.width && same; ++x)
          same = form.at(x, y) == key || form.at(x, y) == shot.at(left + x, top + y);
      if (same) return true;
    }
  return false;
}

}  // namespace

TEST_F(DisplayScale, PicturesAndArrowsAreDrawnFromTheirFormsForTheScale) {
  MorviProcess morvi;
  const auto [printing, finder, info] = paintedGroups(morvi);
  const struct {
    HWND parent;
    int left, top;  // designed
    const char* form;
    int designedWidth;
  } pictured[] = {
      {printing, 282, 111, "print", 48}, {printing, 408, 26, "help", 48},   {finder, 362, 14, "scale", 48},
      {info, 250, 111, "web", 48},       {info, 10, 20, "logo", 128},       {printing, 68, 119, "spinup", 9},
      {printing, 68, 119, "spindown", 9},
  };
  for (const auto& p : pictured) {
    const std::string name = std::string(p.form) + "_" + std::to_string(scaled(p.designedWidth)) + ".bmp";
    SCOPED_TRACE(name);
    const Form form = formFile(name);
    ASSERT_GT(form.width, 0);
    const HWND c = morvi.childAt(p.parent, p.left, p.top);
    ASSERT_TRUE(c);
    EXPECT_TRUE(showsForm(e2e::screenShot(c, {0, 0, LONG_MAX, LONG_MAX}), form));
  }
}
