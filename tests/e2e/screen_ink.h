// What the screen shows of another process's window, read back pixel by
// pixel: where the ink is, how dark, how much of it; and the room a text
// takes on the screen.
#pragma once

#include <windows.h>

#include <climits>
#include <string>
#include <vector>

namespace e2e {

struct Ink {
  RECT box{INT_MAX, INT_MAX, -1, -1};  // relative to the window's top-left corner; empty when no ink
  COLORREF darkest = RGB(255, 255, 255);
  int pixels = 0;
  bool empty() const { return pixels == 0; }
};

// The pixels of `region` (relative to the window's top-left corner, cut to
// the window), top row first.
struct ScreenShot {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};
ScreenShot screenShot(HWND window, RECT region);

// The pixels of `region` (relative to the window's top-left corner) that
// differ clearly from the region's top-left pixel, its background.
Ink inkOnScreen(HWND window, RECT region);

// The room a text takes on the screen in a font: a face at a height designed
// at 96 dpi, scaled to the screen's, or, with no face, the stock font of
// dialogs; lines wrap at `width`.
SIZE textExtent(const std::wstring& text, const wchar_t* face, int height, int width = 0);

}  // namespace e2e
