#include "framework/text/decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace fw {
namespace {

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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at `at`.
std::size_t digitsAt(std::string_view text, std::size_t at) {
  std::size_t n = 0;
  while (at + n < text.size() && isDigit(text[at + n])) ++n;
  return n;
}

bool isPlainDecimal(std::string_view text) {
  std::size_t at = text.substr(0, 1) == "-" ? 1 : 0;
  std::size_t digits = digitsAt(text, at);
  at += digits;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = digitsAt(text, at + 1);
    digits += fraction;
    at += 1 + fraction;
  }
  if (digits == 0) return false;
  if (at < text.size() && text[at] == 'E') {
    at += text.substr(at + 1, 1) == "-" ? 2 : 1;
    const std::size_t exponent = digitsAt(text, at);
    if (exponent == 0) return false;
    at += exponent;
  }
  return at == text.size();
}

}  // namespace

// Rounding from the exact expansion keeps a value such as 0.2 × 6 from
// reading as a long fraction while true halves round correctly.
Decimal exactDecimal(long double v) {
  if (v == 0) return {"0", 0};
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

void roundToLength(Decimal& d, int count) {
  if (d.isZero()) return;
  if (count < static_cast<int>(d.digits.size())) {
    const bool up = count >= 0 && d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(std::max(count, 0)));
    if (up) {
      auto i = d.digits.rbegin();
      for (; i != d.digits.rend() && *i == '9'; ++i) *i = '0';
      if (i != d.digits.rend()) {
        ++*i;
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty() || d.digits == "0") d = {"0", 0};
}

FixedDigits fixedDigits(const Decimal& d, int decimals) {
  // Digit i stands at 10^(exponent - i).
  const auto digitAt = [&](int power) {
    const int i = d.exponent - power;
    return !d.isZero() && i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
  };
  FixedDigits out;
  for (int power = d.isZero() ? -1 : d.exponent; power >= 0; --power) out.integer += digitAt(power);
  for (int power = -1; power >= -decimals; --power) out.fraction += digitAt(power);
  return out;
}

std::string fixedText(const Decimal& d) {
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exponent);
  const FixedDigits f = fixedDigits(d, decimals);
  std::string text = f.integer.empty() ? "0" : f.integer;
  if (decimals > 0) text.append(".").append(f.fraction);
  return text;
}

std::string exponentText(const Decimal& d) {
  std::string text = d.digits.substr(0, 1);
  if (d.digits.size() > 1) text.append(".").append(d.digits, 1);
  return text.append("E").append(std::to_string(d.exponent));
}

std::optional<long double> decimalValue(std::string_view text) {
  if (!isPlainDecimal(text)) return std::nullopt;
  // The program keeps the "C" locale, so strtold reads "." as the decimal
  // point and rounds correctly.
  const std::string copy(text);
  const long double value = std::strtold(copy.c_str(), nullptr);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

std::string shortestText(long double v) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
  if (v == 0) return "0";
  const std::string sign = v < 0 ? "-" : "";
  const Decimal exact = exactDecimal(std::fabs(v));
  for (int count = 1;; ++count) {
    Decimal d = exact;
    roundToLength(d, count);
    const std::string text = sign + (d.exponent >= -5 && d.exponent < 21 ? fixedText(d) : exponentText(d));
    if (decimalValue(text) == v) return text;
  }
}

}  // namespace fw
