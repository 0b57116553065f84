#include "ruler/scale_catalogue.h"

#include <array>

namespace ruler {
namespace {

// Label intervals are whole tenths of a millimetre: 1:30 stores 165 for
// 166.7 and 1:75, 1:150, 1:300 store 130 for 133.3; the page layout
// stretches those pages to the exact interval.
constexpr std::array<ScaleEntry, 17> catalogue{{
    {L" 1:20", {L"Echelle 1:20", 10, 250, 0.5, 20}},
    {L" 1:25", {L"Echelle 1:25", 8, 80, 0.2, 25}},
    {L" 1:30", {L"Echelle 1:30", 15, 165, 0.5, 30}},
    {L" 1:50", {L"Echelle 1:50 ", 10, 100, 0.5, 50}},
    {L" 1:75", {L"Echelle 1:75", 13, 130, 1, 75}},
    {L" 1:100", {L"Echelle 1:100", 10, 100, 1, 100}},
    {L" 1:125", {L"Echelle 1:125", 8, 80, 1, 125}},
    {L" 1:150", {L"Echelle 1:150", 13, 130, 2, 150}},
    {L" 1:200", {L"Echelle 1:200", 10, 50, 1, 200}},
    {L" 1:250", {L"Echelle 1:250", 8, 80, 2, 250}},
    {L" 1:300", {L"Echelle 1:300", 13, 130, 4, 300}},
    {L" 1:400", {L"Echelle 1:400", 10, 50, 2, 400}},
    {L" 1:500", {L"Echelle 1:500", 10, 200, 10, 500}},
    {L" 1:1000", {L"Echelle 1:1000", 10, 100, 10, 1000}},
    {L" 1:1250", {L"Echelle 1:1250", 8, 80, 10, 1250}},
    {L" 1:2000", {L"Echelle 1:2000", 10, 250, 50, 2000}},
    {L" 1:2500", {L"Echelle 1:2500", 8, 80, 20, 2500}},
}};

}  // namespace

std::span<const ScaleEntry> scaleCatalogue() { return catalogue; }

const ScaleEntry* scaleAt(int itemIndex) {
  if (itemIndex < 0 || itemIndex >= static_cast<int>(catalogue.size())) return nullptr;
  return &catalogue[static_cast<std::size_t>(itemIndex)];
}

}  // namespace ruler
