// The sheet reduced into the confirmation's preview: the paper as large as
// the box holds it, its shape kept, in the middle; the printable area and
// each device point on it; the paper named as a user names it.
#include "ruler/page_preview.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using ruler::PrintablePage;

TEST(PagePreview, ThePaperFillsTheBoxItsShapeKept) {
  const struct {
    PrintablePage page;
    int boxWidth, boxHeight;
    ruler::PreviewRect paper, printable;
  } rows[] = {
      // 5 × 10 inches at 300 dpi, upright and turned, in a square box: 10 box pixels an inch.
      {{{300, 300}, 2400, 1200, {1500, 3000, 150, 300}}, 100, 100, {25, 0, 50, 100}, {30, 10, 40, 80}},
      {{{300, 300}, 1200, 2400, {3000, 1500, 300, 150}}, 100, 100, {0, 25, 100, 50}, {10, 30, 80, 40}},
      // Unequal resolutions: the same paper in inches.
      {{{600, 300}, 2400, 2400, {3000, 3000, 300, 300}}, 100, 100, {25, 0, 50, 100}, {30, 10, 40, 80}},
      // A wide box; a printer that does not say its paper: its printable area.
      {{{300, 300}, 3000, 1500}, 300, 100, {125, 0, 50, 100}, {125, 0, 50, 100}},
  };
  for (const auto& row : rows) {
    const ruler::PreviewPlace place = ruler::placePreview(row.page, row.boxWidth, row.boxHeight);
    const auto edges = [](const ruler::PreviewRect& r) { return std::array{r.left, r.top, r.width, r.height}; };
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(edges(place.paper)[i], edges(row.paper)[i], 1e-9);
      EXPECT_NEAR(edges(place.printable)[i], edges(row.printable)[i], 1e-9);
    }
    // A device point 1 inch across and 2 down from the printable area's corner.
    EXPECT_DOUBLE_EQ(place.x(row.page.resolution.dpiX), row.printable.left + 10);
    EXPECT_DOUBLE_EQ(place.y(2 * row.page.resolution.dpiY), row.printable.top + 20);
  }
}

TEST(PagePreview, NamesThePaperAsAUserDoes) {
  const struct {
    PrintablePage page;
    std::wstring name;
  } rows[] = {
      {{{300, 300}, 3508, 2480, {2480, 3508}}, L"A4 portrait"},
      {{{300, 300}, 2480, 3508, {3508, 2480}}, L"A4 paysage"},
      {{{600, 600}, 6600, 5100, {5100, 6600}}, L"Letter portrait"},
      {{{300, 300}, 1748, 1240}, L"A6 portrait"},
      {{{300, 300}, 2362, 1181}, L"100 × 200 mm portrait"},
  };
  for (const auto& row : rows) EXPECT_EQ(ruler::paperName(row.page), row.name);
  EXPECT_EQ(ruler::previewName(rows[0].page, L"Echelle 1:100", L"étalonnage +12 ‰"),
            L"Aperçu : A4 portrait, Echelle 1:100, étalonnage +12 ‰");
}

}  // namespace
