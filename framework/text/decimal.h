// Decimal digits of binary floats: the exact expansion, rounding at a digit
// half away from zero, and the strict conversion of decimal text. Shared by
// every number text of the program, so that they all round alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// A non-negative number as significant digits, the first one at 10^exponent:
// {"125", -1} is 0.125. Zero is {"0", 0}.
struct Decimal {
  std::string digits;
  int exponent = 0;
  bool isZero() const { return digits == "0"; }
};

// The exact value of a finite non-negative v.
Decimal exactDecimal(long double v);

// Keeps the first `count` digits (none when count <= 0), rounding half away
// from zero, and drops trailing zeros.
void roundToLength(Decimal& d, int count);
inline void roundToSignificant(Decimal& d, int count) { roundToLength(d, count); }
// Rounds at the `decimals`th digit after the decimal point.
inline void roundToDecimals(Decimal& d, int decimals) { roundToLength(d, d.exponent + 1 + decimals); }

// The digits before the decimal point ("" below one) and exactly `decimals`
// digits after it, of a value already rounded to that many decimals.
struct FixedDigits {
  std::string integer;
  std::string fraction;
};
FixedDigits fixedDigits(const Decimal& d, int decimals);

// Every digit of d with "." as the decimal point: in fixed notation
// ("0.125", "1500") and in exponent notation ("1.5E20", "1E-5").
std::string fixedText(const Decimal& d);
std::string exponentText(const Decimal& d);

// Decimal text in the plain syntax [-]digits[.digits][E[-]digits], with at
// least one digit before the exponent ("5.", ".5" read). nullopt for any
// other text and for values beyond the range of long double.
std::optional<long double> decimalValue(std::string_view text);

// The shortest text in that syntax that reads back as exactly v: "12.5",
// "-3", "1.5E-7". Non-finite values read "INF", "-INF", "NAN".
std::string shortestText(long double v);

}  // namespace fw
