#include "screen_ink.h"

#include <algorithm>
#include <cstdlib>

namespace e2e {

Ink inkOnScreen(HWND window, RECT region) {
  RECT r;
  GetWindowRect(window, &r);
  region.right = std::min<LONG>(region.right, r.right - r.left);
  region.bottom = std::min<LONG>(region.bottom, r.bottom - r.top);
  const int w = region.right - region.left, h = region.bottom - region.top;
  Ink ink;
  if (w <= 0 || h <= 0) return ink;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left + region.left, r.top + region.top, SRCCOPY);
  const COLORREF background = GetPixel(memory, 0, 0);
  auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = GetPixel(memory, x, y);
      if (std::abs(sum(c) - sum(background)) < 90) continue;
      ++ink.pixels;
      const LONG wx = region.left + x, wy = region.top + y;
      ink.box = {std::min(ink.box.left, wx), std::min(ink.box.top, wy), std::max(ink.box.right, wx + 1),
                 std::max(ink.box.bottom, wy + 1)};
      if (sum(c) < sum(ink.darkest)) ink.darkest = c;
    }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ink;
}

}  // namespace e2e
