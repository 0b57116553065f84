#include "framework/system/locale_win.h"

#include <windows.h>

namespace fw {
namespace {

// The first character of a one-character locale field, or the fallback when
// the locale has none.
wchar_t localeChar(LCTYPE field, wchar_t fallback) {
  wchar_t text[8]{};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, field, text, 8) <= 1) return fallback;
  return text[0];
}

}  // namespace

const NumberFormat& numberFormat() {
  static const NumberFormat format{localeChar(LOCALE_SDECIMAL, L'.'), localeChar(LOCALE_STHOUSAND, L',')};
  return format;
}

}  // namespace fw
