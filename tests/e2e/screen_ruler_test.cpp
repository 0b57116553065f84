// The ruler on screen as a user sets it up: opened by Ctrl+R, the screen
// calibrated on its bar, then set on a dimension. Its labelled marks, read
// from the screen, stand where the scale puts them at the measured pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "morvi_process.h"
#include "ruler/other_scale.h"
#include "screen_ink.h"
#include "settings_file.h"
#include "tests/support/window_search.h"

using namespace e2e;

namespace {

constexpr double kPixelsPerMm = 4;  // what the calibration below makes the screen

// The columns where a labelled mark crosses the band: a row deeper than
// the ticks and above the labels, black pixels there.
std::vector<int> labelledMarks(HWND band) {
  RECT r;
  GetClientRect(band, &r);
  const int row = int(std::lround(4.5 * kPixelsPerMm));
  const ScreenShot shot = screenShot(band, {0, row, r.right, row + 1});
  std::vector<int> columns;
  for (int x = 0; x < shot.width; ++x) {
    const COLORREF c = shot.at(x, 0);
    if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80) columns.push_back(x);
  }
  return columns;
}

// Each labelled mark at zero plus a whole number of label intervals, within
// one pixel; zero a little in from the band's start.
void expectMarksEvery(HWND band, double intervalPixels) {
  const std::vector<int> marks = labelledMarks(band);
  ASSERT_GE(marks.size(), 3u);
  EXPECT_GE(marks[0], 2 * kPixelsPerMm);
  EXPECT_LE(marks[0], 10 * kPixelsPerMm);
  RECT r;
  GetClientRect(band, &r);
  // The last label may not fit before the band's end: its mark is then a tick.
  EXPECT_GE(marks.size() + 1, std::size_t((r.right - 1 - marks[0]) / intervalPixels) + 1);
  for (std::size_t k = 0; k < marks.size(); ++k)
    EXPECT_NEAR(marks[k], marks[0] + k * intervalPixels, 1.0) << "mark " << k;
}

// The pointer off the band, by a click in the main window beside it, over
// which the band stays: Windows keeps a topmost window above the others.
void away(const MorviProcess& morvi) { morvi.click(morvi.control("Image1")); }

}  // namespace

TEST(ScreenRuler, ItsLabelledMarksStandWhereTheCalibrationAndTheScalePutThem) {
  const SettingsFileSetAside setAside;
  MorviProcess morvi;
  const HWND band = morvi.openScreenRuler();
  ASSERT_TRUE(band) << "Ctrl+R opened no ruler";
  EXPECT_TRUE(GetWindowLongW(band, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(automation::windowText(band).starts_with(L"Règle à l'écran — 1:100")) << narrow(textOf(band));

  // The bar, as the screen is taken to be, measured 4 pixels to the millimetre.
  morvi.press('E');
  const HWND dialog = morvi.dialog(L"Étalonner l'écran");
  ASSERT_TRUE(dialog) << "E opened no calibration";
  int bar = 0;
  for (const Child& c : children(dialog))
    if (c.text.empty() && c.rect.right - c.rect.left > 200) bar = c.rect.right - c.rect.left;
  ASSERT_GT(bar, 0) << "no bar";
  std::wstring measured = std::to_wstring(bar / 4) + (bar % 4 ? L"," + std::to_wstring(bar % 4 * 25) : L"");
  morvi.type(L"300");
  EXPECT_FALSE(IsWindowEnabled(automation::descendantWithText(dialog, L"OK"))) << "300 mm taken";
  EXPECT_NE(dialogText(dialog).find(L"de 50 à 200 mm"), std::wstring::npos);
  morvi.press(VK_HOME);
  morvi.press(VK_END, VK_SHIFT);
  morvi.type(measured);
  morvi.press(VK_RETURN);
  ASSERT_TRUE(waitUntilClosed(dialog));
  morvi.settle();
  EXPECT_EQ(automation::windowText(band).find(L"non étalonné"), std::wstring::npos);
  EXPECT_NE(setAside.read().value_or("").find("=4\r\n"), std::string::npos) << "the pitch is not kept";

  away(morvi);
  {
    SCOPED_TRACE("1:100");
    expectMarksEvery(band, 10 * kPixelsPerMm);
  }

  // Set on a dimension of 13,72 m that spans 100 mm of the screen: 1:137,2.
  RECT r;
  GetWindowRect(band, &r);
  const int zero = labelledMarks(band)[0];
  morvi.click(band);  // the keyboard back from the main window
  SetCursorPos(r.left + zero + int(100 * kPixelsPerMm), (r.top + r.bottom) / 2);
  morvi.settle();
  morvi.press('C');
  const HWND set = morvi.dialog(L"Caler la règle");
  ASSERT_TRUE(set) << "C opened no dialog";
  morvi.press(VK_HOME);
  morvi.press(VK_END, VK_SHIFT);
  morvi.type(L"13,72");
  morvi.press(VK_RETURN);
  ASSERT_TRUE(waitUntilClosed(set));
  morvi.settle();
  const std::wstring title = automation::windowText(band);
  const std::size_t from = title.find(L"1:") + 2, to = title.find(L" calée");
  ASSERT_NE(to, std::wstring::npos) << narrow(title);
  std::wstring n = title.substr(from, to - from);
  std::replace(n.begin(), n.end(), L',', L'.');
  EXPECT_NEAR(std::stod(n), 137.2, 0.4) << "the pointer was not 100 mm from zero";
  const ruler::Graduation g = ruler::graduationOf(*ruler::ScaleDenominator::ofValue(std::stod(n)), L"");
  away(morvi);
  {
    SCOPED_TRACE(narrow(title));
    expectMarksEvery(band, g.labelStep * 1000 / g.scaleDenominator * kPixelsPerMm);
  }

  // Nothing of it is lost when Morvi closes; F: the main window's scale again,
  // which it follows as it changes.
  ASSERT_TRUE(morvi.close());
  MorviProcess again;
  const HWND reopened = again.openScreenRuler();
  ASSERT_TRUE(reopened);
  EXPECT_EQ(automation::windowText(reopened), L"Règle à l'écran — 1:" + title.substr(from, to - from) + L" calée");
  again.press('F');
  EXPECT_EQ(automation::windowText(reopened), L"Règle à l'écran — 1:100");
  again.chooseScale(4);
  again.settle();
  EXPECT_EQ(automation::windowText(reopened), L"Règle à l'écran — 1:75");
}
