// The main window at the display scale of its Wine prefix (ctest's e2e-dpi144
// and e2e-dpi192, with MORVI_LOGPIXELS): every control where the 96-dpi
// design puts it, scaled, every caption whole, clear of its edges and of the
// control beside it, every picture drawn for the scale and every dialog's
// texts whole, as the screen shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "framework/desc/dpi_scaling.h"
#include "main_window_layout.h"
#include "morvi_process.h"
#include "printed_sheet.h"
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

// The room the screen gives a text in a font: a face at a height designed at
// 96 dpi, or, with no face, the stock font of dialogs; lines wrap at `width`.
SIZE textExtent(const std::wstring& text, const wchar_t* face, int height, int width = 0) {
  HDC screen = GetDC(nullptr);
  HFONT font = face ? CreateFontW(scaled(height), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face)
                    : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ old = SelectObject(screen, font);
  RECT r{0, 0, width, 0};
  DrawTextW(screen, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | (width ? DT_WORDBREAK : 0));
  SelectObject(screen, old);
  if (face) DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return {r.right, r.bottom};
}
int textWidth(const std::wstring& text, int height) { return textExtent(text, L"Segoe UI", height).cx; }

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
    int height;          // of its Segoe UI, designed
  } texts[] = {
      {finder, 3, 20, 288, L"Saisissez une cote (en mètre) figurant sur le plan", -12},
      {finder, 9, 46, 289, L"Saisissez la même cote mesurée sur le plan (en cm)", -12},
      {finder, 341, 22, 362, L"m", -11},
      {finder, 341, 50, 362, L"cm", -11},
      {printing, 16, 132, 68, L"Etalonner", -11},
      {info, 10, 148, 184, L"contact@plandrel.fr", -11},
      {info, 13, 167, 184, L"https://www.plandrel.fr", -11},
  };
  for (const auto& t : texts) {
    SCOPED_TRACE(std::string(t.text, t.text + wcslen(t.text)));
    const HWND c = morvi.childAt(t.parent, t.left, t.top);
    ASSERT_TRUE(c);
    RECT r;
    GetClientRect(c, &r);
    const int clear = std::min<int>(r.right, scaled(t.neighbourLeft) - scaled(t.left));
    const e2e::Ink ink = e2e::inkOnScreen(c, {0, 0, clear, r.bottom});
    ASSERT_FALSE(ink.empty());
    // Nothing cut at an edge (a label sized to its text may ink its last
    // column), at least 3 pixels clear of the neighbour, and as wide as the
    // text in its font (a clipped text is narrower). At 144 dpi Wine's
    // FreeSans, standing in for Segoe UI, hints the second instruction 3.6 %
    // wider than its 96-dpi width scaled: without its size brought down it
    // ends against the field's border.
    EXPECT_LE(ink.box.right, clear);
    EXPECT_GE(scaled(t.neighbourLeft) - scaled(t.left) - ink.box.right, 3) << "as near its neighbour as this";
    EXPECT_LT(ink.box.bottom, r.bottom);
    EXPECT_GE(ink.box.right - ink.box.left, textWidth(t.text, t.height) * 9 / 10);
  }
  // The radio items: each one's circle and text inside its own cell, 3
  // pixels clear of the next.
  for (const wchar_t* groupText : {L"Echelles disponibles", L"Orientation"}) {
    const HWND radios = morvi.childWithText(printing, groupText);
    ASSERT_TRUE(radios);
    for (const e2e::Child& item : morvi.children(radios)) {
      SCOPED_TRACE(std::string(item.text.begin(), item.text.end()));
      const e2e::Ink ink = e2e::inkOnScreen(item.hwnd, {0, 0, item.rect.right - item.rect.left,
                                                        item.rect.bottom - item.rect.top});
      ASSERT_FALSE(ink.empty());
      EXPECT_LE(ink.box.right, item.rect.right - item.rect.left - 3);
      EXPECT_GE(ink.box.right - ink.box.left, textWidth(item.text, -11));
    }
  }
}

// Each dialog the window opens, at this scale, with every text of it drawn:
// the program's own dialogs give each text the room it takes in their font
// (a button's inside its border); the system's message box and task dialog
// lay themselves out.
TEST_F(DisplayScale, EveryDialogShowsItsTextsWhole) {
  MorviProcess morvi;
  const DWORD pid = morvi.processId();
  const HWND finder = paintedGroups(morvi).finder;
  const struct {
    const char* name;
    std::function<HWND()> open;
    bool own;
    const wchar_t* face;  // nullptr: the stock font of dialogs
  } dialogs[] = {
      {"confirmation", [&] { return e2e::askToPrint(morvi); }, true, nullptr},
      {"calibration assistant",
       [&] {
         morvi.press('E', VK_CONTROL);
         return e2e::waitForTopLevel(pid, L"Étalonner l'imprimante");
       },
       true, L"Segoe UI"},
      {"other scale", [&] { return e2e::openOtherScale(morvi); }, true, L"Segoe UI"},
      {"scale answer",
       [&] {
         morvi.click(morvi.childAt(finder, 288, 19));
         morvi.type(L"5");
         morvi.press(VK_TAB);
         morvi.type(L"2,5");
         morvi.click(morvi.childWithText(finder, L"Obtenir l'échelle"));
         return e2e::waitForTopLevel(pid, L"Morvi");
       },
       false, nullptr},
      {"about",
       [&] {
         PostMessageW(morvi.window(), WM_SYSCOMMAND, about::kCommand, 0);
         return e2e::waitForTopLevel(pid, about::kCaption);
       },
       false, nullptr},
  };
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.name);
    const HWND dialog = d.open();
    ASSERT_TRUE(dialog);
    e2e::pause(300);
    int texts = 0;
    for (const e2e::Child& c : morvi.children(dialog)) {
      if (c.text.empty() || c.className == L"Edit" || !IsWindowVisible(c.hwnd)) continue;
      SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
      const int border = c.className == L"Button" ? scaled(3) : 0;
      const RECT inside{border, border, c.rect.right - c.rect.left - border, c.rect.bottom - c.rect.top - border};
      ASSERT_FALSE(e2e::inkOnScreen(c.hwnd, inside).empty());
      ++texts;
      if (!d.own) continue;
      const SIZE room = textExtent(c.text, d.face, -11, inside.right - inside.left);
      EXPECT_LE(room.cx, inside.right - inside.left);
      EXPECT_LE(room.cy, inside.bottom - inside.top);
    }
    EXPECT_GE(texts, 2);
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    e2e::waitUntilClosed(dialog);
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
