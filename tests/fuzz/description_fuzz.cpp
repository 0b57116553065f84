// The window description reader on arbitrary bytes: it must refuse them with
// a line of the text, or take them, and then they were in canonical form, so
// that the writer gives back the very same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/desc/description.h"
#include "tests/host/description_test_schema.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const desc::Object root = desc::parse(text, desc_test::testSchema());
    if (desc::write(root) != text) __builtin_trap();
  } catch (const desc::Error& e) {
    const auto lines = std::size_t(std::count(text.begin(), text.end(), '\n')) + 1;
    if (e.line() < 1 || std::size_t(e.line()) > lines) __builtin_trap();
  }
  return 0;
}
