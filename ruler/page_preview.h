// A sheet shown before it prints, reduced into a box of the print
// confirmation: where its paper, its printable area and every point of the
// page fall in the box, and what a screen reader is told of it.
#pragma once

#include <string>
#include <string_view>

#include "ruler/ruler_layout.h"

namespace ruler {

struct PreviewRect {
  double left, top, width, height;
};

// The paper as large as the box holds it, its shape kept (the paper's size
// in inches, so a printer of unequal resolutions across and down keeps it
// too), in the middle of the box.
struct PreviewPlace {
  PreviewRect paper;
  PreviewRect printable;   // the printable area on it
  double scaleX, scaleY;   // box pixels per device pixel, across and down
  // Where the page's device point (x, y), counted from the printable area's
  // top-left corner, falls in the box.
  double x(double deviceX) const { return printable.left + deviceX * scaleX; }
  double y(double deviceY) const { return printable.top + deviceY * scaleY; }
};

PreviewPlace placePreview(const PrintablePage& page, int boxWidth, int boxHeight);

// "A4 portrait", "Letter paysage", "100 × 200 mm portrait": the paper as a
// user names it, in whole millimetres when it has no common name.
std::wstring paperName(const PrintablePage& page);

// "Aperçu : A4 portrait, Echelle 1:100, étalonnage +12 ‰".
std::wstring previewName(const PrintablePage& page, std::wstring_view sheet, std::wstring_view calibration);

}  // namespace ruler
