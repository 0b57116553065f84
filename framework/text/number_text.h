// Numbers as the user reads and types them: the general float text of the
// ruler labels and the strict integer syntax of the integer fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// The user's number separators, as the regional settings give them.
struct NumberFormat {
  wchar_t decimal;    // ',' in French
  wchar_t thousands;  // U+00A0 or U+202F in French
};

// The shortest text of v with at most 15 significant digits, the last one
// rounded half away from zero from the exact binary value: no trailing zeros,
// no trailing separator ("0", "1,2", "76", "-0,5"). Fixed notation while the
// rounded value has at most 15 integer digits and is at least 1E-4 in
// magnitude; otherwise exponent notation: "1,5E20", "1E-5".
// Non-finite values read "INF", "-INF" and "NAN".
std::wstring formatGeneral(long double v, wchar_t decimalSeparator);

// An optional sign and decimal digits, nothing else; nullopt for any other
// text and for values outside the 32-bit range.
std::optional<std::int32_t> parseInteger(std::wstring_view text);

}  // namespace fw
