#include "ruler/scale_catalogue.h"

#include <array>

namespace ruler {
namespace {

// 1:30 has labels 1 % short and 1:75, 1:150, 1:300 use 130 for 133.3: the
// page layout raises the coefficient for interval 130, and only for it.
constexpr std::array<ScaleEntry, 17> catalogue{{
    {L" 1:20", {L"Echelle 1:20", 10, 250, 0.5}},
    {L" 1:25", {L"Echelle 1:25", 8, 80, 0.2}},
    {L" 1:30", {L"Echelle 1:30", 15, 165, 0.5}},
    {L" 1:50", {L"Echelle 1:50 ", 10, 100, 0.5}},
    {L" 1:75", {L"Echelle 1:75", 13, 130, 1}},
    {L" 1:100", {L"Echelle 1:100", 10, 100, 1}},
    {L" 1:125", {L"Echelle 1:125", 8, 80, 1}},
    {L" 1:150", {L"Echelle 1:150", 13, 130, 2}},
    {L" 1:200", {L"Echelle 1:200", 10, 50, 1}},
    {L" 1:250", {L"Echelle 1:250", 8, 80, 2}},
    {L" 1:300", {L"Echelle 1:300", 13, 130, 4}},
    {L" 1:400", {L"Echelle 1:400", 10, 50, 2}},
    {L" 1:500", {L"Echelle 1:500", 10, 200, 10}},
    {L" 1:1000", {L"Echelle 1:1000", 10, 100, 10}},
    {L" 1:1250", {L"Echelle 1:1250", 8, 80, 10}},
    {L" 1:2000", {L"Echelle 1:2000", 10, 250, 50}},
    {L" 1:2500", {L"Echelle 1:2500", 8, 80, 20}},
}};

}  // namespace

std::span<const ScaleEntry> scaleCatalogue() { return catalogue; }

const ScaleEntry* scaleAt(int itemIndex) {
  if (itemIndex < 0 || itemIndex >= static_cast<int>(catalogue.size())) return nullptr;
  return &catalogue[static_cast<std::size_t>(itemIndex)];
}

}  // namespace ruler
