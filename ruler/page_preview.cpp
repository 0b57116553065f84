#include "ruler/page_preview.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ruler {
namespace {

// The paper in device pixels; the printable area when the printer does not say.
std::pair<int, int> paperPixels(const PrintablePage& page) {
  return {page.paper.width > 0 ? page.paper.width : page.widthPixels,
          page.paper.height > 0 ? page.paper.height : page.heightPixels};
}

struct PaperKind {
  const wchar_t* name;
  double width, height;  // millimetres, upright
};
constexpr PaperKind paperKinds[] = {
    {L"A3", 297, 420}, {L"A4", 210, 297}, {L"A5", 148, 210}, {L"A6", 105, 148},
    {L"Letter", 215.9, 279.4}, {L"Legal", 215.9, 355.6},
};
// Drivers round the paper to whole points or millimetres, or to their pixels.
constexpr double paperToleranceMm = 1.5;

}  // namespace

PreviewPlace placePreview(const PrintablePage& page, int boxWidth, int boxHeight) {
  const auto [paperWidth, paperHeight] = paperPixels(page);
  const double inchesAcross = double(paperWidth) / page.resolution.dpiX;
  const double inchesDown = double(paperHeight) / page.resolution.dpiY;
  const double perInch = std::min(boxWidth / inchesAcross, boxHeight / inchesDown);
  const double scaleX = perInch / page.resolution.dpiX, scaleY = perInch / page.resolution.dpiY;
  const PreviewRect paper{(boxWidth - inchesAcross * perInch) / 2, (boxHeight - inchesDown * perInch) / 2,
                          inchesAcross * perInch, inchesDown * perInch};
  return {paper,
          {paper.left + page.paper.offsetX * scaleX, paper.top + page.paper.offsetY * scaleY,
           page.widthPixels * scaleX, page.heightPixels * scaleY},
          scaleX,
          scaleY};
}

std::wstring paperName(const PrintablePage& page) {
  const auto [paperWidth, paperHeight] = paperPixels(page);
  const double width = paperWidth * 25.4 / page.resolution.dpiX, height = paperHeight * 25.4 / page.resolution.dpiY;
  const double shorter = std::min(width, height), longer = std::max(width, height);
  const std::wstring turned = height >= width ? L" portrait" : L" paysage";
  for (const PaperKind& kind : paperKinds) {
    if (std::abs(shorter - kind.width) <= paperToleranceMm && std::abs(longer - kind.height) <= paperToleranceMm)
      return kind.name + turned;
  }
  return std::to_wstring(std::lround(width)) + L" \u00D7 " + std::to_wstring(std::lround(height)) + L" mm" + turned;
}

std::wstring previewName(const PrintablePage& page, std::wstring_view sheet, std::wstring_view calibration) {
  return L"Aper\u00E7u : " + paperName(page) + L", " + std::wstring(sheet) + L", " + std::wstring(calibration);
}

}  // namespace ruler
