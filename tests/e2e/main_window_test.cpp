// The main window as a user meets it: its controls, the tab order, the
// taskbar, and the calibration coefficient following what is typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "main_window_layout.h"
#include "morvi_process.h"
#include "screen_ink.h"
#include "tests/support/window_search.h"

using e2e::MorviProcess;

namespace {

const wchar_t* const kScaleItems[] = {L" 1:20",  L" 1:25",  L" 1:30",   L" 1:50",   L" 1:75",  L" 1:100",
                                      L" 1:125", L" 1:150", L" 1:200",  L" 1:250",  L" 1:300", L" 1:400",
                                      L" 1:500", L" 1:1000", L" 1:1250", L" 1:2000", L" 1:2500", L" Autre…"};

}  // namespace

TEST(MainWindow, ShowsEveryControlInItsPlaceWithItsText) {
  MorviProcess morvi;
  e2e::expectEveryControlInPlace(morvi);
  LONG style = GetWindowLongW(morvi.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  std::vector<e2e::Child> items = morvi.items("RG_Morvi");
  ASSERT_EQ(items.size(), std::size(kScaleItems));
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, kScaleItems[i]);
    EXPECT_EQ(SendMessageW(items[i].hwnd, BM_GETCHECK, 0, 0), i == 5 ? BST_CHECKED : BST_UNCHECKED);
  }
  // Six columns of three: 1:20 1:25 1:30 in the first, 1:2000 1:2500 and
  // " Autre…" in the last.
  EXPECT_EQ(items[0].rect.left, items[2].rect.left);
  EXPECT_LT(items[0].rect.top, items[1].rect.top);
  EXPECT_LT(items[2].rect.left, items[3].rect.left);
  EXPECT_EQ(items[15].rect.left, items[16].rect.left);
  EXPECT_GT(items[15].rect.left, items[14].rect.left);
  EXPECT_EQ(items[17].rect.left, items[15].rect.left);
  EXPECT_EQ(items[17].rect.top, items[2].rect.top);
}

TEST(MainWindow, TabVisitsTheControlsInTheirOrderAndComesBack) {
  MorviProcess morvi;
  const HWND orientation = morvi.control("RgOrient");
  morvi.click(morvi.control("CotePlan"));
  ASSERT_EQ(morvi.focus(), morvi.control("CotePlan"));
  const char* const stops[] = {"CoteMesure", "BtEchelle", "RG_Morvi", "BtImprimer", "SpinEdit",  "BtAide",
                               "RgOrient",   "BtSavoirPlus", "Label2", "Label6",     "CotePlan"};
  for (const std::string_view s : stops) {
    morvi.press(VK_TAB);
    HWND f = morvi.focus();
    if (s == "RgOrient") {
      // The selected item, or the group itself when nothing is selected.
      EXPECT_TRUE(f == orientation || GetParent(f) == orientation) << s;
      if (GetParent(f) == orientation) {
        EXPECT_EQ(SendMessageW(f, BM_GETCHECK, 0, 0), BST_CHECKED);
      }
    } else {
      // The scales' stop is the selected 1:100.
      EXPECT_EQ(f, s == "RG_Morvi" ? morvi.item("RG_Morvi", 5) : morvi.control(s.data())) << s;
    }
  }
  // And back with Shift+Tab.
  morvi.press(VK_TAB, VK_SHIFT);
  EXPECT_EQ(morvi.focus(), morvi.control("Label6"));
}

TEST(MainWindow, HasOneTaskbarButtonWithItsCaption) {
  MorviProcess morvi;
  int buttons = 0;
  std::wstring caption;
  for (const HWND w : automation::windowsBelow()) {
    const LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
    const bool onTaskbar =
        IsWindowVisible(w) && !(ex & WS_EX_TOOLWINDOW) && ((ex & WS_EX_APPWINDOW) || !GetWindow(w, GW_OWNER));
    if (automation::processOf(w) == morvi.processId() && onTaskbar) {
      ++buttons;
      caption = automation::windowText(w);
    }
  }
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(caption, e2e::kCaption);
}

TEST(MainWindow, CoefficientFollowsTheTypedCalibration) {
  MorviProcess morvi;
  HWND spin = morvi.control("SpinEdit");
  ASSERT_TRUE(spin);
  auto retype = [&](const std::wstring& text) { morvi.retype(spin, text); };
  const double kept = morvi.calibrationCoef();  // the field's value until it is left
  retype(L"7");
  EXPECT_NEAR(morvi.calibrationCoef(), 1.007, 1e-12);
  retype(L"-");  // no number: the kept value counts, not the range's end
  EXPECT_EQ(morvi.calibrationCoef(), kept);
  retype(L"-25");
  EXPECT_NEAR(morvi.calibrationCoef(), 0.975, 1e-12);
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(morvi.exitCode(), 0u);
}

TEST(MainWindow, SmoothLabelsShowTheirTextsWholeInTheirColours) {
  MorviProcess morvi;
  e2e::pause(500);  // let every control paint
  const struct {
    const char* name;
    int left;
    int fieldLeft;  // where the control beside the text begins, in the parent (it may overlap the label)
    int minWidth;   // the text's ink is at least this wide
    bool navy;
  } labels[] = {
      {"AdvSmoothLabel1", 3, 288, 200, false},
      {"AdvSmoothLabel2", 9, 289, 200, false},
      {"AdvSmoothLabel3", 184, 184 + 284, 140, true},
  };
  for (const auto& l : labels) {
    SCOPED_TRACE(l.name);
    HWND label = morvi.control(l.name);
    ASSERT_TRUE(label);
    RECT r;
    GetClientRect(label, &r);
    const int clear = std::min<int>(r.right, l.fieldLeft - l.left);  // the label's own columns
    const e2e::Ink ink = e2e::inkOnScreen(label, {0, 0, clear, r.bottom});
    std::printf("%s: ink %ld..%ld x %ld..%ld of %ld x %ld, darkest %06lX\n", l.name, ink.box.left, ink.box.right,
                ink.box.top, ink.box.bottom, r.right, r.bottom, static_cast<unsigned long>(ink.darkest));
    // Whole: clear of every edge of the label and of the field beside it.
    EXPECT_GT(ink.box.left, 0);
    EXPECT_GT(ink.box.top, 0);
    EXPECT_LT(ink.box.right, clear);
    EXPECT_LT(ink.box.bottom, r.bottom);
    EXPECT_GE(ink.box.right - ink.box.left, l.minWidth);
    // One line of ink: the empty and blank lines above the about text show nothing.
    EXPECT_LE(ink.box.bottom - ink.box.top, 16);
    const int red = GetRValue(ink.darkest), green = GetGValue(ink.darkest), blue = GetBValue(ink.darkest);
    EXPECT_LT(std::max(red, green), 0x40);
    if (l.navy) {
      EXPECT_GT(blue, 0x60) << "navy";
    } else {
      EXPECT_LT(blue, 0x40) << "black";
    }
  }
}

// The calibration field shows every value whole, in every state, left of its
// arrows, and the arrows stay drawn: what the screen shows is measured
// against the width the text takes in the field's font.
TEST(MainWindow, CalibrationFieldShowsEveryValueWholeBesideItsArrows) {
  MorviProcess morvi;
  const HWND field = morvi.control("SpinEdit");
  ASSERT_TRUE(field);
  const HWND arrows = GetWindow(field, GW_CHILD);
  ASSERT_TRUE(arrows);
  RECT fieldBox, arrowBox;
  GetWindowRect(field, &fieldBox);
  GetWindowRect(arrows, &arrowBox);
  const LONG arrowsLeft = arrowBox.left - fieldBox.left;
  // The text's own columns: inside the sunken border, up to the arrows.
  const RECT textColumns{3, 3, arrowsLeft, fieldBox.bottom - fieldBox.top - 3};
  // The buttons' faces, inside their raised edges.
  const RECT arrowFaces{arrowsLeft + 3, arrowBox.top - fieldBox.top + 3, arrowBox.right - fieldBox.left - 3,
                        arrowBox.bottom - fieldBox.top - 3};
  const auto retype = [&](const std::wstring& text) { morvi.retype(field, text); };
  struct Step {
    const char* state;
    std::function<void()> act;
    const wchar_t* shown;
  };
  const Step steps[] = {
      {"typing -100", [&] { retype(L"-100"); }, L"-100"},
      {"idle at -100", [&] { morvi.press(VK_TAB); }, L"-100"},
      {"typing 10", [&] { retype(L"10"); }, L"10"},
      {"idle at 10", [&] { morvi.press(VK_TAB); }, L"10"},
      {"typing -50", [&] { retype(L"-50"); }, L"-50"},
      {"after the arrows", [&] { morvi.press(VK_DOWN), morvi.press(VK_DOWN); }, L"-52"},
      {"focused at -97", [&] { retype(L"-97"); }, L"-97"},
      {"at 100 after the arrow", [&] { retype(L"99"), morvi.press(VK_UP); }, L"100"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.state);
    step.act();
    e2e::pause(100);  // let the field and its arrows paint
    ASSERT_EQ(e2e::textOf(field), step.shown);
    const e2e::Ink text = e2e::inkOnScreen(field, textColumns);
    const LONG expected = e2e::textExtent(step.shown, L"Tahoma", -21).cx;
    // The glyphs' ink is the text's width less a little side bearing; a text
    // cut at either edge or scrolled is narrower, one run under the arrows wider.
    EXPECT_GT(text.box.left, textColumns.left) << "cut at the left";
    EXPECT_LT(text.box.right, textColumns.right) << "runs under the arrows";
    EXPECT_GE(text.box.right - text.box.left, expected - 4) << "not whole";
    EXPECT_LE(text.box.right - text.box.left, expected);
    // Two triangles of 1 + 3 + 5 + 7 black pixels on the buttons' face.
    EXPECT_GE(e2e::inkOnScreen(field, arrowFaces).pixels, 32) << "the arrows are not drawn";
  }
}
