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
#include <fstream>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "framework/desc/dpi_scaling.h"
#include "main_window_layout.h"
#include "morvi_process.h"
#include "screen_ink.h"
#include "tests/support/bmp_pixels.h"

using e2e::MorviProcess;

namespace {

// The scale the run is made for; the screen must have it.
int runDpi() {
  const char* v = std::getenv("MORVI_LOGPIXELS");
  return v ? std::atoi(v) : 0;
}
int scaled(int designed) { return desc::scaleLength(designed, runDpi()); }

int textWidth(const std::wstring& text, int height) { return e2e::textExtent(text, L"Segoe UI", height).cx; }

class DisplayScale : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(runDpi(), 96) << "MORVI_LOGPIXELS names the scale of the run";
    ASSERT_EQ(e2e::screenDpi(), runDpi());
  }
};

}  // namespace

TEST_F(DisplayScale, EveryControlIsAtItsScaledPlace) {
  const MorviProcess morvi;
  e2e::expectEveryControlInPlace(morvi);
}

TEST_F(DisplayScale, EveryCaptionIsWholeAndClearOfItsNeighbour) {
  MorviProcess morvi;
  e2e::pause(500);  // let every control paint
  const struct {
    const char* name;
    int left;            // designed
    int neighbourLeft;   // where the control to its right begins, designed
    const wchar_t* text;
    int height;          // of its Segoe UI, designed
  } texts[] = {
      {"AdvSmoothLabel1", 3, 288, L"Saisissez une cote (en mètre) figurant sur le plan", -12},
      {"AdvSmoothLabel2", 9, 289, L"Saisissez la même cote mesurée sur le plan (en cm)", -12},
      {"lbl_M", 341, 362, L"m", -11},
      {"lbl_cm", 341, 362, L"cm", -11},
      {"Label1", 16, 68, L"Etalonner", -11},
      {"Label2", 10, 184, L"contact@plandrel.fr", -11},
      {"Label6", 13, 184, L"https://www.plandrel.fr", -11},
  };
  for (const auto& t : texts) {
    SCOPED_TRACE(std::string(t.text, t.text + wcslen(t.text)));
    const HWND c = morvi.control(t.name);
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
  for (const char* radios : {"RG_Morvi", "RgOrient"}) {
    ASSERT_TRUE(morvi.control(radios));
    for (const e2e::Child& item : morvi.items(radios)) {
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
  e2e::pause(500);  // let every control paint
  const struct {
    const char* name;
    std::function<HWND()> open;
    bool own;
    const wchar_t* face;  // nullptr: the stock font of dialogs
  } dialogs[] = {
      {"confirmation", [&] { return morvi.askToPrint(); }, true, nullptr},
      {"calibration assistant", [&] { return morvi.openAssistant(); }, true, L"Segoe UI"},
      {"other scale", [&] { return morvi.openOtherScale(); }, true, L"Segoe UI"},
      {"scale answer",
       [&] {
         morvi.typeDimensions(L"5", L"2,5");
         morvi.click(morvi.control("BtEchelle"));
         return morvi.dialog(L"Morvi");
       },
       false, nullptr},
      {"about",
       [&] {
         PostMessageW(morvi.window(), WM_SYSCOMMAND, about::kCommand, 0);
         return morvi.dialog(about::kCaption);
       },
       false, nullptr},
  };
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.name);
    const HWND dialog = d.open();
    ASSERT_TRUE(dialog);
    e2e::pause(300);
    int texts = 0;
    for (const e2e::Child& c : e2e::children(dialog)) {
      if (c.text.empty() || c.className == L"Edit" || !IsWindowVisible(c.hwnd)) continue;
      SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
      const int border = c.className == L"Button" ? scaled(3) : 0;
      const RECT inside{border, border, c.rect.right - c.rect.left - border, c.rect.bottom - c.rect.top - border};
      ASSERT_FALSE(e2e::inkOnScreen(c.hwnd, inside).empty());
      ++texts;
      if (!d.own) continue;
      const SIZE room = e2e::textExtent(c.text, d.face, -11, inside.right - inside.left);
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
testfiles::BmpPixels formFile(const std::string& name) {
  std::ifstream in("Z:" + e2e::repoRoot() + "resources/scaled/" + name, std::ios::binary);
  return testfiles::BmpPixels({std::istreambuf_iterator<char>(in), {}});
}

// Whether the screen shows the form somewhere, every pixel but its
// see-through ones exactly: drawn from it, not from the 96-dpi picture
// stretched or resampled.
bool showsForm(const e2e::ScreenShot& shot, const testfiles::BmpPixels& form) {
  const auto colour = [&](int x, int y) {  // 0x00RRGGBB as a COLORREF
    const std::uint32_t c = form.at(x, y);
    return RGB(c >> 16, c >> 8 & 0xFF, c & 0xFF);
  };
  const int width = form.width(), height = form.height();
  const COLORREF key = colour(0, height - 1);
  for (int top = 0; top + height <= shot.height; ++top)
    for (int left = 0; left + width <= shot.width; ++left) {
      bool same = true;
      for (int y = 0; y < height && same; ++y)
        for (int x = 0; x < width && same; ++x)
          same = colour(x, y) == key || colour(x, y) == shot.at(left + x, top + y);
      if (same) return true;
    }
  return false;
}

}  // namespace

TEST_F(DisplayScale, PicturesAndArrowsAreDrawnFromTheirFormsForTheScale) {
  MorviProcess morvi;
  e2e::pause(500);  // let every control paint
  const struct {
    const char* name;
    const char* form;
    int designedWidth;
  } pictured[] = {
      {"BtImprimer", "print", 48}, {"BtAide", "help", 48},      {"BtEchelle", "scale", 48},
      {"BtSavoirPlus", "web", 48}, {"Image1", "logo", 128},     {"SpinEdit", "spinup", 9},
      {"SpinEdit", "spindown", 9},
  };
  for (const auto& p : pictured) {
    const std::string name = std::string(p.form) + "_" + std::to_string(scaled(p.designedWidth)) + ".bmp";
    SCOPED_TRACE(name);
    const testfiles::BmpPixels form = formFile(name);
    ASSERT_GT(form.width(), 0);
    const HWND c = morvi.control(p.name);
    ASSERT_TRUE(c);
    EXPECT_TRUE(showsForm(e2e::screenShot(c, {0, 0, LONG_MAX, LONG_MAX}), form));
  }
}
