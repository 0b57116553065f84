// The pages the sheets are laid out on in the host tests: six papers, both
// ways round, four resolutions, margins from none to 15 mm and uneven ones;
// and a fixed-pitch stand-in for the printer's 8-point font.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "ruler/printable_area.h"

namespace ruler_test {

// 16 pixels a letter and 38 high at 300 dpi (the real font averages about
// 14.5), the same size on paper at every resolution.
inline ruler::TextSize fixedPitch(std::wstring_view text) { return {static_cast<int>(text.size()) * 16, 38}; }
inline ruler::TextMeasure pitchAt(int dpi) {
  return [dpi](std::wstring_view text) {
    return ruler::TextSize{static_cast<int>(text.size()) * 16 * dpi / 300, 38 * dpi / 300};
  };
}

struct TestPage {
  std::string name;
  ruler::PrintablePage page;
  ruler::TextMeasure measure;
  bool a6;
};

inline std::vector<TestPage> testPages() {
  struct Paper { const char* name; double width, height; };
  struct Margins { const char* name; double left, top, right, bottom; };
  const Paper papers[] = {{"A3", 297, 420}, {"A4", 210, 297}, {"A5", 148, 210},
                          {"A6", 105, 148}, {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6}};
  const Margins margins[] = {{"no margin", 0, 0, 0, 0}, {"4,2 mm margins", 4.23, 4.23, 4.23, 4.23},
                             {"15 mm margins", 15, 15, 15, 15}, {"inkjet margins", 3.4, 3, 3.4, 14}};
  std::vector<TestPage> pages;
  for (const Paper& paper : papers) {
    for (const bool landscape : {false, true}) {
      for (const int dpi : {150, 300, 600, 1200}) {
        for (const Margins& m : margins) {
          const auto px = [&](double mm) { return static_cast<int>(std::lround(mm * dpi / 25.4)); };
          const double width = landscape ? paper.height : paper.width, height = landscape ? paper.width : paper.height;
          const ruler::Paper sheet{px(width), px(height), px(m.left), px(m.top)};
          pages.push_back({std::string(paper.name) + (landscape ? " landscape " : " portrait ") +
                               std::to_string(dpi) + " dpi, " + m.name,
                           {{dpi, dpi}, sheet.height - px(m.top) - px(m.bottom), sheet.width - px(m.left) - px(m.right), sheet},
                           pitchAt(dpi), paper.name == std::string("A6")});
        }
      }
    }
  }
  return pages;
}

}  // namespace ruler_test
