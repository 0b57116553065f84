#include "framework/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace fw {
namespace {

constexpr int significantDigits = 15;
constexpr std::uint32_t limbBase = 1'000'000'000;  // nine decimal digits a limb

// A non-negative integer in base 10^9, least significant limb first.
using Limbs = std::vector<std::uint32_t>;

void multiply(Limbs& n, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : n) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product % limbBase);
    carry = product / limbBase;
  }
  while (carry != 0) {
    n.push_back(static_cast<std::uint32_t>(carry % limbBase));
    carry /= limbBase;
  }
}

std::string decimalDigits(const Limbs& n) {
  std::string text = std::to_string(n.back());
  for (auto it = n.rbegin() + 1; it != n.rend(); ++it) {
    const std::string limb = std::to_string(*it);
    text.append(9 - limb.size(), '0').append(limb);
  }
  return text;
}

// The exact value of a finite positive v as digits and the power of ten of
// the first digit. Rounding from the exact expansion keeps a value such as
// 0.2 × 6 from reading as a long fraction while true halves round correctly.
struct Decimal {
  std::string digits;
  int exponent;
};

Decimal exactDecimal(long double v) {
  constexpr int mantissaBits = std::numeric_limits<long double>::digits;
  static_assert(mantissaBits <= 64, "the mantissa must fit in 64 bits");
  int binaryExponent = 0;
  const long double fraction = std::frexp(v, &binaryExponent);
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, mantissaBits));
  const int power = binaryExponent - mantissaBits;  // v = mantissa × 2^power

  Limbs n;
  for (; mantissa != 0; mantissa /= limbBase) n.push_back(static_cast<std::uint32_t>(mantissa % limbBase));
  int fractionDigits = 0;
  for (int twos = power; twos > 0; twos -= 29) multiply(n, std::uint32_t{1} << std::min(twos, 29));
  // m × 2^-k is m × 5^k / 10^k.
  for (int fives = -power; fives > 0; fives -= 13) {
    const int k = std::min(fives, 13);
    std::uint32_t factor = 1;
    for (int i = 0; i < k; ++i) factor *= 5;
    multiply(n, factor);
    fractionDigits += k;
  }
  std::string digits = decimalDigits(n);
  const int exponent = static_cast<int>(digits.size()) - 1 - fractionDigits;
  return {std::move(digits), exponent};
}

// Keeps at most 15 significant digits, rounding half away from zero, and
// drops trailing zeros.
void roundToSignificant(Decimal& d) {
  if (d.digits.size() > significantDigits) {
    const bool up = d.digits[significantDigits] >= '5';
    d.digits.resize(significantDigits);
    if (up) {
      int i = significantDigits - 1;
      for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
      if (i >= 0) {
        ++d.digits[i];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

std::wstring widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring fixedText(const Decimal& d, wchar_t separator) {
  std::wstring text;
  if (d.exponent < 0) {
    text = L"0";
    text += separator;
    text.append(static_cast<std::size_t>(-d.exponent - 1), L'0');
    return text + widen(d.digits);
  }
  const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
  if (d.digits.size() <= integerDigits) {
    return widen(d.digits).append(integerDigits - d.digits.size(), L'0');
  }
  text = widen(std::string_view(d.digits).substr(0, integerDigits));
  text += separator;
  return text + widen(std::string_view(d.digits).substr(integerDigits));
}

std::wstring exponentText(const Decimal& d, wchar_t separator) {
  std::wstring text(1, static_cast<wchar_t>(d.digits[0]));
  if (d.digits.size() > 1) {
    text += separator;
    text += widen(std::string_view(d.digits).substr(1));
  }
  return text + L"E" + std::to_wstring(d.exponent);
}

}  // namespace

std::wstring formatGeneral(long double v, wchar_t decimalSeparator) {
  if (std::isnan(v)) return L"NAN";
  if (std::isinf(v)) return v < 0 ? L"-INF" : L"INF";
  if (v == 0) return L"0";
  Decimal d = exactDecimal(std::fabs(v));
  roundToSignificant(d);
  const bool fixed = d.exponent >= -4 && d.exponent < significantDigits;
  const std::wstring magnitude = fixed ? fixedText(d, decimalSeparator) : exponentText(d, decimalSeparator);
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
