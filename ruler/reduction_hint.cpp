#include "ruler/reduction_hint.h"

#include <cmath>
#include <numbers>

#include "ruler/scale_catalogue.h"

namespace ruler {
namespace {

struct Reduction {
  double factor;           // the scale's denominator grows by it
  const wchar_t* percent;  // what the copier says
  const wchar_t* sizes;    // how many A sizes smaller
};
constexpr Reduction reductions[] = {
    {std::numbers::sqrt2, L"71", L"un format A plus petit"},
    {2, L"50", L"deux formats A plus petits"},
    {2 * std::numbers::sqrt2, L"35", L"trois formats A plus petits"},
};

// "1:100", the catalogue item without its leading blank.
std::wstring scaleName(const ScaleEntry& entry) { return std::wstring(entry.itemText.substr(1)); }

}  // namespace

std::optional<std::wstring> reductionHint(double n) {
  if (!(n > 0)) return std::nullopt;
  for (const ScaleEntry& entry : scaleCatalogue()) {
    if (std::abs(n / entry.graduation.scaleDenominator - 1) <= 0.005) return std::nullopt;
  }
  // How far N lies from the scale a reading names, as a ratio: a reduction
  // is named within 1 %, a page fitted 2 to 7 % away, so a reduction that
  // fits is always the nearer. On a tie (1:200 one size smaller is 1:100
  // three sizes smaller) the first found, the fewer sizes, stays.
  std::optional<std::wstring> hint;
  double nearest = 1;
  const auto consider = [&](double distance, std::wstring text) {
    if (distance < nearest) {
      nearest = distance;
      hint = std::move(text);
    }
  };
  for (const Reduction& r : reductions) {
    for (const ScaleEntry& entry : scaleCatalogue()) {
      const double distance = std::abs(n / (entry.graduation.scaleDenominator * r.factor) - 1);
      if (distance <= 0.01)
        consider(distance, L"Plan au " + scaleName(entry) + L" réduit à " + r.percent + L" % (" + r.sizes + L")");
    }
  }
  for (const ScaleEntry& entry : scaleCatalogue()) {
    const double above = n / entry.graduation.scaleDenominator - 1;
    if (above >= 0.02 && above <= 0.07) {
      const long long percent = std::llround(100 / (1 + above));
      consider(above, L"Plan au " + scaleName(entry) + L" imprimé à " + std::to_wstring(percent) +
                          L" % (« ajuster à la page » ?)");
    }
  }
  return hint;
}

}  // namespace ruler
