// Floats shown to the user through a display format, and numbers read back
// from what the user typed. Portable.
//
// A display format has up to three sections separated by ";" (positive;
// negative; zero). In a section "0" writes a digit, the first "." is the
// decimal point, a "," asks for thousands grouping, text in quotes is copied
// without them and every other character is copied as it stands. A value
// exactly halfway between two shown decimals rounds on its 18-digit decimal
// form, half away from zero: 0.125 shows 0,13 and 1.005 shows 1,01.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/text/number_text.h"

namespace fw {

// Throws ConvertError "Chaîne de format trop longue" for a format longer than
// 224 characters. An empty first section writes the general form.
std::wstring formatFloat(std::wstring_view format, long double value, const NumberFormat& locale);

// The value with exactly `decimals` decimals, a "-" in front of a negative
// value that does not show as zero, no grouping: the C "%.*f".
std::wstring formatFixed(long double value, int decimals, wchar_t decimalSeparator);

// Where the text comes from: typed (or pasted) by the user, or written by a
// display format in this locale.
enum class NumberSource { Typed, Shown };

// Digits are kept; "," and "." (and the locale's decimal separator) mark the
// decimal point, so that 12,5 and 12.5 read alike in every locale; a "-" or
// "(" anywhere makes the number negative; everything else is dropped. In
// shown text the locale's thousands separator is grouping, even when it is
// "," or ".". nullopt when what is left is no number: no digit, two decimal
// marks, beyond the range.
std::optional<long double> readNumber(std::wstring_view text, const NumberFormat& locale, NumberSource source);

// The number a text shown for `value` stands for: the value itself, its
// decimals beyond those shown included, but without a sign the text does
// not show ("-" or "(" anywhere): a format whose negative section has no
// sign shows -5 as 5.
long double valueAsShown(long double value, std::wstring_view shown);

// Text pasted into a number field, or kept in the settings file, read
// strictly, since it may bring anything: blanks around it; a sign, or parentheses around the number; digits
// grouped by blanks (U+0020, U+00A0, U+202F or the locale's thousands
// separator), at most 18 of them (what the value holds exactly); at most one
// decimal mark ("," "." or the locale's). nullopt for anything else: a letter,
// an exponent, two marks, a sign inside the number, no digit.
std::optional<long double> readPastedNumber(std::wstring_view text, const NumberFormat& locale);

}  // namespace fw
