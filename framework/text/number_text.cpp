#include "framework/text/number_text.h"

#include <cmath>
#include <limits>

#include "framework/text/decimal.h"

namespace fw {
namespace {

constexpr int significantDigits = 15;

// The text with the locale's decimal separator for ".".
std::wstring localised(const std::string& text, wchar_t separator) {
  std::wstring out(text.begin(), text.end());
  for (wchar_t& c : out)
    if (c == L'.') c = separator;
  return out;
}

}  // namespace

std::wstring formatGeneral(long double v, wchar_t decimalSeparator) {
  if (std::isnan(v)) return L"NAN";
  if (std::isinf(v)) return v < 0 ? L"-INF" : L"INF";
  if (v == 0) return L"0";
  Decimal d = exactDecimal(std::fabs(v));
  roundToSignificant(d, significantDigits);
  const bool fixed = d.exponent >= -4 && d.exponent < significantDigits;
  const std::wstring magnitude = localised(fixed ? fixedText(d) : exponentText(d), decimalSeparator);
  return v < 0 ? L"-" + magnitude : magnitude;
}

std::optional<std::int32_t> parseInteger(std::wstring_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Accumulated as a negative number, whose range includes INT32_MIN.
  constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 - (c - L'0');
    if (value < lowest) return std::nullopt;
  }
  if (!negative) {
    if (-value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    value = -value;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace fw
