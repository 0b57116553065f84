#include "ruler/calibration_sheet.h"

#include <algorithm>

#include "framework/error/error.h"
#include "ruler/name_cut.h"
#include "ruler/text_lines.h"

namespace ruler {
namespace {

constexpr int markStep = 100, labelStep = 500;  // tenths of a millimetre
constexpr int lineSpacing = 40;                 // heading lines, tenths down the page
// The instruction sits this far under the bar's end, and the page keeps at
// least this much under the bar for it.
constexpr int instructionGap = 50, instructionRoom = 150;

std::wstring instruction(int barMm) {
  return L"Mesurez la barre du trait 0 au trait " + std::to_wstring(barMm) +
         L" mm et saisissez cette longueur dans l'assistant (Ctrl+E).";
}

}  // namespace

CalibrationSheet layoutCalibrationSheet(const PrintablePage& page, const SheetHeading& heading,
                                        const TextMeasure& measure) {
  const InkBox box = inkBox(page);
  const auto refuse = [&] { return fw::PrinterError(pageRefusal(heading.printer, page, tooSmallForCalibration)); };
  const long double across = pixelsPerTenth(page.resolution.dpiX, 1), down = pixelsPerTenth(page.resolution.dpiY, 1);
  const int top = rulerTopOn(page), shift = rulerShiftOn(page);
  const auto x = [&](int tenths) { return roundHalfEven((tenths - shift) * across); };
  const auto y = [&](int tenths) { return roundHalfEven(tenths * down + top); };

  // The printer's name as long as its line lets it be.
  const int headingRoom = box.right + 1 - x(titleX);
  std::wstring printerLine = L"Imprimante : " + heading.printer;
  for (std::size_t kept = heading.printer.size(); measure(printerLine).width > headingRoom && kept-- > 0;)
    printerLine = L"Imprimante : " + cutInMiddle(heading.printer, kept);
  // On a narrow page the other lines wrap at their blanks.
  std::vector<std::wstring> lines;
  for (const std::wstring& text : {std::wstring(sheetTitle), printerLine, L"Orientation : " + heading.orientation,
                                   L"Date : " + heading.date}) {
    for (std::wstring& line : wrapWords(text, headingRoom, measure)) lines.push_back(std::move(line));
  }
  std::vector<DrawOp> head;
  for (const std::wstring& text : lines) {
    const int k = static_cast<int>(head.size());
    const int below = std::max(roundHalfEven(k * lineSpacing * down), k * measure(text).height);
    head.emplace_back(Text{{x(titleX), titleTopOn(page) + below}, text});
  }

  // The longest bar whose instruction still fits under it.
  const int textRoom = box.right + 1 - x(labelX);
  const long double room = (page.heightPixels - top) / down - instructionRoom;
  int end = std::min<int>(rulerEnd, static_cast<int>(room / markStep) * markStep);
  std::vector<std::wstring> said;
  for (; end >= markStep; end -= markStep) {
    said = wrapWords(instruction(end / 10), textRoom, measure);
    if (y(end + instructionGap) + stackHeight(said, measure) - 1 <= box.bottom) break;
  }
  if (end < markStep) throw refuse();

  CalibrationSheet sheet{end / 10, head};
  std::vector<DrawOp> bar{Line{{x(tickStartX), y(0)}, {x(tickStartX), y(end)}}};
  for (int p = 0; p <= end; p += markStep) {
    const bool labelled = p % labelStep == 0 || p == end;
    bar.emplace_back(Line{{x(tickStartX), y(p)}, {x(labelled ? markEndX : tickEndX), y(p)}});
    if (labelled) {
      const std::wstring label = std::to_wstring(p / 10) + (p == end ? L" mm" : L"");
      bar.emplace_back(Text{{x(labelX), y(p) - labelRise}, label});
    }
  }
  // Clear of the columns where the marks are read.
  const std::vector<DrawOp> told = stackLines(said, {x(labelX), y(end + instructionGap)}, measure);
  if (!wholeAndApart({head, bar, told}, box, measure)) throw refuse();
  sheet.ops.insert(sheet.ops.end(), bar.begin(), bar.end());
  sheet.ops.insert(sheet.ops.end(), told.begin(), told.end());
  return sheet;
}

}  // namespace ruler
