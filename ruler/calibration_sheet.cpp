#include "ruler/calibration_sheet.h"

#include <algorithm>
#include <cmath>

#include "framework/error/error.h"

namespace ruler {
namespace {

constexpr int markStep = 100, labelStep = 500;  // tenths of a millimetre
constexpr int lineSpacing = 40;                 // heading lines, tenths down the page
// The instruction line sits this far under the bar's end, and the page must
// hold it whole below.
constexpr int instructionGap = 50, instructionRoom = 150;

}  // namespace

std::optional<int> calibrationBarMm(const PrintablePage& page) {
  const long double down = pixelsPerTenth(page.resolution.dpiY, 1);
  const long double room = (page.heightPixels - rulerTop) / down - instructionRoom;
  const int tenths = std::min<int>(rulerEnd, static_cast<int>(std::floor(room / markStep)) * markStep);
  if (tenths < markStep) return std::nullopt;
  return tenths / 10;
}

CalibrationSheet layoutCalibrationSheet(const PrintablePage& page, const SheetHeading& heading) {
  const std::optional<int> barMm = calibrationBarMm(page);
  if (!barMm) throw fw::PrinterError(pageTooShortText);
  const long double across = pixelsPerTenth(page.resolution.dpiX, 1), down = pixelsPerTenth(page.resolution.dpiY, 1);
  const auto x = [&](int tenths) { return roundHalfEven(tenths * across); };
  const auto y = [&](int tenths) { return roundHalfEven(tenths * down + rulerTop); };
  const int end = *barMm * 10;

  CalibrationSheet sheet{*barMm, {}};
  const std::wstring lines[] = {sheetTitle, L"Imprimante : " + heading.printer,
                                L"Orientation : " + heading.orientation, L"Date : " + heading.date};
  int line = 0;
  for (const std::wstring& text : lines) {
    sheet.ops.emplace_back(Text{{x(titleX), titleY + roundHalfEven(line++ * lineSpacing * down)}, text});
  }
  sheet.ops.emplace_back(Line{{x(tickStartX), y(0)}, {x(tickStartX), y(end)}});
  for (int p = 0; p <= end; p += markStep) {
    const bool labelled = p % labelStep == 0 || p == end;
    sheet.ops.emplace_back(Line{{x(tickStartX), y(p)}, {x(labelled ? markEndX : tickEndX), y(p)}});
    if (labelled) {
      const std::wstring label = std::to_wstring(p / 10) + (p == end ? L" mm" : L"");
      sheet.ops.emplace_back(Text{{x(labelX), y(p) - labelRise}, label});
    }
  }
  // Clear of the columns where the marks are read.
  sheet.ops.emplace_back(Text{{x(labelX), y(end + instructionGap)},
                              L"Mesurez la barre du trait 0 au trait " + std::to_wstring(*barMm) +
                                  L" mm et saisissez cette longueur dans l'assistant (Ctrl+E)."});
  return sheet;
}

}  // namespace ruler
