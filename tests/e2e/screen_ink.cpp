#include "screen_ink.h"

#include <algorithm>
#include <cstdlib>

#include "framework/desc/dpi_scaling.h"
#include "morvi_process.h"

namespace e2e {

ScreenShot screenShot(HWND window, RECT region) {
  RECT r;
  GetWindowRect(window, &r);
  region.right = std::min<LONG>(region.right, r.right - r.left);
  region.bottom = std::min<LONG>(region.bottom, r.bottom - r.top);
  const int w = region.right - region.left, h = region.bottom - region.top;
  ScreenShot shot;
  if (w <= 0 || h <= 0) return shot;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left + region.left, r.top + region.top, SRCCOPY);
  shot = {w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) shot.pixels.push_back(GetPixel(memory, x, y));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

Ink inkOnScreen(HWND window, RECT region) {
  const ScreenShot shot = screenShot(window, region);
  Ink ink;
  if (shot.pixels.empty()) return ink;
  const COLORREF background = shot.at(0, 0);
  auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x) {
      const COLORREF c = shot.at(x, y);
      if (std::abs(sum(c) - sum(background)) < 90) continue;
      ++ink.pixels;
      const LONG wx = region.left + x, wy = region.top + y;
      ink.box = {std::min(ink.box.left, wx), std::min(ink.box.top, wy), std::max(ink.box.right, wx + 1),
                 std::max(ink.box.bottom, wy + 1)};
      if (sum(c) < sum(ink.darkest)) ink.darkest = c;
    }
  return ink;
}

SIZE textExtent(const std::wstring& text, const wchar_t* face, int height, int width) {
  HDC screen = GetDC(nullptr);
  HFONT font = face ? CreateFontW(desc::scaleLength(height, screenDpi()), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                  DEFAULT_CHARSET, 0, 0, 0, 0, face)
                    : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ old = SelectObject(screen, font);
  RECT r{0, 0, width, 0};
  DrawTextW(screen, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | (width ? DT_WORDBREAK : 0));
  SelectObject(screen, old);
  if (face) DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return {r.right, r.bottom};
}

}  // namespace e2e
