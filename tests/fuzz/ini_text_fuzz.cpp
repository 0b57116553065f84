// The settings file's reader and editor on arbitrary bytes: any bytes read
// without failing and give themselves back; a key set reads back as set, in
// the bytes written too; what changed of the old bytes lies within one line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/system/ini_text.h"
#include "tests/support/latin1_code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view before(reinterpret_cast<const char*>(data), size);
  const test_support::Latin1 codePage;
  fw::IniText text(before, codePage);
  text.read(L"Morvi", L"Coef");
  if (text.bytes() != before) __builtin_trap();
  text.set(L"Morvi", L"Coef", L"-42");
  const std::string after = text.bytes();
  if (fw::IniText(after, codePage).read(L"morvi", L"COEF") != L"-42") __builtin_trap();

  // The changed part of the old bytes: [begin, end).
  std::size_t begin = 0, end = before.size();
  while (begin < end && begin < after.size() && before[begin] == after[begin]) ++begin;
  for (std::size_t tail = 1; end > begin && tail <= after.size() - begin && before[end - 1] == after[after.size() - tail];
       ++tail)
    --end;
  // A line end, LF or CR; in UTF-16 a unit at an even place, its low byte
  // first or, big-endian, second.
  const bool little = before.starts_with("\xFF\xFE"), big = before.starts_with("\xFE\xFF");
  const auto lineEnd = [](char c) { return c == '\n' || c == '\r'; };
  for (std::size_t i = little || big ? begin & ~std::size_t(1) : begin; i < end; i += little || big ? 2 : 1) {
    if (little ? i + 1 < size && lineEnd(before[i]) && before[i + 1] == '\0'
               : big ? i + 1 < size && before[i] == '\0' && lineEnd(before[i + 1]) : lineEnd(before[i]))
      __builtin_trap();
  }

  text.set(L"Fuzz", L"Cl\u00E9", L"1");
  if (fw::IniText(text.bytes(), codePage).read(L"fuzz", L"CL\u00C9") != L"1") __builtin_trap();
  return 0;
}
