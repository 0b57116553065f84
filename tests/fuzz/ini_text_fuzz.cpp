// The settings file's reader and editor on arbitrary bytes: any bytes read
// without failing and give themselves back; a key set reads back as set,
// in the bytes written too; every line not set is kept byte for byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/system/ini_text.h"
#include "tests/support/latin1_code_page.h"

namespace {

// Whether `bytes` holds a line end within [begin, end): a line feed, or in
// UTF-16 a line feed unit at an even place after the mark.
bool endsALine(std::string_view bytes, std::size_t begin, std::size_t end) {
  const bool utf16 = bytes.starts_with("\xFF\xFE");
  for (std::size_t i = utf16 ? begin & ~std::size_t(1) : begin; i < end; i += utf16 ? 2 : 1)
    if (bytes[i] == '\n' && (!utf16 || (i + 1 < bytes.size() && bytes[i + 1] == '\0'))) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view before(reinterpret_cast<const char*>(data), size);
  const test_support::Latin1 codePage;
  fw::IniText text(before, codePage);
  text.read(L"Morvi", L"Coef");
  if (text.bytes() != before) __builtin_trap();

  text.set(L"Morvi", L"Coef", L"-42");
  const std::string after = text.bytes();
  if (text.read(L"Morvi", L"Coef") != L"-42") __builtin_trap();
  if (fw::IniText(after, codePage).read(L"Morvi", L"Coef") != L"-42") __builtin_trap();
  // What changed of the old bytes lies within one line.
  std::size_t same = 0, sameAtEnd = 0;
  while (same < before.size() && same < after.size() && before[same] == after[same]) ++same;
  while (sameAtEnd < before.size() - same && sameAtEnd < after.size() - same &&
         before[before.size() - 1 - sameAtEnd] == after[after.size() - 1 - sameAtEnd])
    ++sameAtEnd;
  if (endsALine(before, same, before.size() - sameAtEnd)) __builtin_trap();

  text.set(L"Fuzz", L"Cl\u00E9", L"1");
  if (fw::IniText(text.bytes(), codePage).read(L"fuzz", L"CL\u00C9") != L"1") __builtin_trap();
  return 0;
}
