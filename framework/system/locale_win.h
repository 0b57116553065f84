// The user's number separators, as the regional settings give them.
#pragma once

namespace fw {

struct NumberFormat {
  wchar_t decimal;    // ',' in French
  wchar_t thousands;  // U+00A0 or U+202F in French
};

// Read from the user's locale on first use, then kept for the whole run.
const NumberFormat& numberFormat();

}  // namespace fw
