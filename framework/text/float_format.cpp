#include "framework/text/float_format.h"

#include <cmath>
#include <vector>

#include "framework/error/error.h"
#include "framework/text/decimal.h"

namespace fw {
namespace {

constexpr std::size_t maxFormatLength = 224;
// Digits a value is taken to before it is rounded to what is shown.
constexpr int significantDigits = 18;

bool isQuote(wchar_t c) { return c == L'"' || c == L'\''; }

// Calls `plain` for each character outside quotes with its index, and
// `quoted` for each character inside them; the quotes themselves go to
// neither.
template <class Plain, class Quoted>
void scan(std::wstring_view section, Plain plain, Quoted quoted) {
  wchar_t quote = 0;
  for (std::size_t i = 0; i < section.size(); ++i) {
    const wchar_t c = section[i];
    if (quote) {
      if (c == quote) quote = 0;
      else quoted(c);
    } else if (isQuote(c)) {
      quote = c;
    } else {
      plain(c, i);
    }
  }
}

std::vector<std::wstring_view> sectionsOf(std::wstring_view format) {
  std::vector<std::wstring_view> sections;
  std::size_t start = 0;
  scan(
      format,
      [&](wchar_t c, std::size_t i) {
        if (c != L';' || sections.size() == 2) return;
        sections.push_back(format.substr(start, i - start));
        start = i + 1;
      },
      [](wchar_t) {});
  sections.push_back(format.substr(start));
  return sections;
}

struct Layout {
  int integerPlaceholders = 0;
  int decimals = 0;
  bool grouping = false;
};

Layout layoutOf(std::wstring_view section) {
  Layout layout;
  bool afterPoint = false;
  scan(
      section,
      [&](wchar_t c, std::size_t) {
        if (c == L'0') ++(afterPoint ? layout.decimals : layout.integerPlaceholders);
        else if (c == L'.') afterPoint = true;
        else if (c == L',') layout.grouping = true;
      },
      [](wchar_t) {});
  return layout;
}

// The section with the digits at its placeholders. Integer digits beyond the
// placeholders are all written at the first one.
std::wstring render(std::wstring_view section, const Layout& layout, FixedDigits digits, const NumberFormat& locale) {
  std::string& integer = digits.integer;
  if (static_cast<int>(integer.size()) < layout.integerPlaceholders)
    integer.insert(0, static_cast<std::size_t>(layout.integerPlaceholders) - integer.size(), '0');
  std::wstring out;
  std::size_t written = 0, fractionWritten = 0;
  int placeholdersLeft = layout.integerPlaceholders;
  bool afterPoint = false;
  const auto writeIntegerUpTo = [&](std::size_t end) {
    for (; written < end; ++written) {
      out += static_cast<wchar_t>(integer[written]);
      const std::size_t left = integer.size() - written - 1;
      if (layout.grouping && left > 0 && left % 3 == 0) out += locale.thousands;
    }
  };
  scan(
      section,
      [&](wchar_t c, std::size_t) {
        if (c == L'0' && !afterPoint) {
          writeIntegerUpTo(integer.size() - static_cast<std::size_t>(--placeholdersLeft));
        } else if (c == L'0') {
          out += static_cast<wchar_t>(digits.fraction[fractionWritten++]);
        } else if (c == L'.' && !afterPoint) {
          afterPoint = true;
          writeIntegerUpTo(integer.size());
          if (layout.decimals > 0) out += locale.decimal;
        } else if (c != L',') {
          out += c;
        }
      },
      [&](wchar_t c) { out += c; });
  return out;
}

Decimal rounded(long double magnitude, int decimals) {
  Decimal d = exactDecimal(magnitude);
  roundToSignificant(d, significantDigits);
  roundToDecimals(d, decimals);
  return d;
}

}  // namespace

std::wstring formatFloat(std::wstring_view format, long double value, const NumberFormat& locale) {
  if (format.size() > maxFormatLength) throw ConvertError(L"Chaîne de format trop longue");
  const std::vector<std::wstring_view> sections = sectionsOf(format);
  const auto sectionOr = [&](std::size_t i) { return i < sections.size() && !sections[i].empty() ? i : 0; };
  if (sections[0].empty() || !std::isfinite(value)) return formatGeneral(value, locale.decimal);

  std::size_t chosen = value < 0 ? sectionOr(1) : 0;
  Layout layout = layoutOf(sections[chosen]);
  Decimal d = rounded(std::fabs(value), layout.decimals);
  if (d.isZero()) {
    chosen = sectionOr(2);
    layout = layoutOf(sections[chosen]);
  }
  // Only the first section lacks a sign of its own for negative values.
  const bool minus = value < 0 && !d.isZero() && chosen == 0;
  return (minus ? L"-" : L"") + render(sections[chosen], layout, fixedDigits(d, layout.decimals), locale);
}

std::wstring formatFixed(long double value, int decimals, wchar_t decimalSeparator) {
  if (!std::isfinite(value)) return formatGeneral(value, decimalSeparator);
  const Decimal d = rounded(std::fabs(value), decimals);
  const FixedDigits digits = fixedDigits(d, decimals);
  std::wstring out = value < 0 && !d.isZero() ? L"-" : L"";
  out.append(digits.integer.begin(), digits.integer.end());
  if (digits.integer.empty()) out += L'0';
  if (decimals > 0) {
    out += decimalSeparator;
    out.append(digits.fraction.begin(), digits.fraction.end());
  }
  return out;
}

std::optional<long double> readNumber(std::wstring_view text, const NumberFormat& locale, NumberSource source) {
  std::string plain;
  bool negative = false;
  for (const wchar_t c : text) {
    if (c == L'-' || c == L'(') negative = true;
    else if (c >= L'0' && c <= L'9') plain += static_cast<char>(c);
    else if (source == NumberSource::Shown && c == locale.thousands) continue;
    else if (c == L',' || c == L'.' || c == locale.decimal) plain += '.';
  }
  const std::optional<long double> value = decimalValue(plain);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

long double valueAsShown(long double value, std::wstring_view shown) {
  const bool signShown = shown.find_first_of(L"-(") != std::wstring_view::npos;
  return value < 0 && !signShown ? -value : value;
}

std::optional<long double> readPastedNumber(std::wstring_view text, const NumberFormat& locale) {
  const auto blank = [&](wchar_t c) {
    return c == L' ' || c == L'\u00A0' || c == L'\u202F' || c == L'\t' || c == locale.thousands;
  };
  const auto digit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
  std::size_t at = 0;
  const auto skipBlanks = [&] {
    while (at < text.size() && blank(text[at])) ++at;
  };
  skipBlanks();
  const bool parenthesised = at < text.size() && text[at] == L'(';
  const bool negative = parenthesised || (at < text.size() && text[at] == L'-');
  if (parenthesised || (at < text.size() && (text[at] == L'-' || text[at] == L'+'))) {
    ++at;
    skipBlanks();
  }
  std::string plain = negative ? "-" : "";
  int digits = 0;
  bool mark = false;
  for (; at < text.size(); ++at) {
    const wchar_t c = text[at];
    if (digit(c)) {
      plain += static_cast<char>(c);
      ++digits;
    } else if ((c == L',' || c == L'.' || c == locale.decimal) && !mark) {
      plain += '.';
      mark = true;
    } else if (blank(c) && digits > 0 && !mark && at + 1 < text.size() && digit(text[at + 1])) {
      continue;  // a group separator: between digits of the integer part
    } else {
      break;
    }
  }
  skipBlanks();
  if (parenthesised) {
    if (at == text.size() || text[at] != L')') return std::nullopt;
    ++at;
    skipBlanks();
  }
  if (at != text.size() || digits == 0 || digits > 18) return std::nullopt;
  return decimalValue(plain);
}

}  // namespace fw
