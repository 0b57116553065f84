#include "framework/text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fw::isValidUtf8;
using fw::utf8SequenceLength;

TEST(Utf8, WellFormedSequencesAtTheEdgesOfEachLength) {
  struct Case {
    std::string bytes;
    std::size_t length;
  };
  const Case cases[] = {
      {"A", 1},                     {"\x7F", 1},
      {"\xC2\x80", 2},              {"\xDF\xBF", 2},              // U+0080, U+07FF
      {"\xE0\xA0\x80", 3},          {"\xED\x9F\xBF", 3},          // U+0800, U+D7FF
      {"\xEE\x80\x80", 3},          {"\xEF\xBF\xBF", 3},          // U+E000, U+FFFF
      {"\xF0\x90\x80\x80", 4},      {"\xF4\x8F\xBF\xBF", 4},      // U+10000, U+10FFFF
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8SequenceLength(c.bytes + "tail"), c.length) << testing::PrintToString(c.bytes);
    EXPECT_TRUE(isValidUtf8(c.bytes + "tail"));
  }
  EXPECT_EQ(utf8SequenceLength(std::string(1, '\0')), 1u);
  EXPECT_TRUE(isValidUtf8(""));
}

TEST(Utf8, IllFormedSequencesAreRefused) {
  const std::string cases[] = {
      "",
      "\x80",                // continuation without a lead
      "\xC0\x80",            // overlong U+0000
      "\xC1\xBF",            // overlong U+007F
      "\xE0\x9F\xBF",        // overlong U+07FF
      "\xF0\x8F\xBF\xBF",    // overlong U+FFFF
      "\xED\xA0\x80",        // surrogate U+D800
      "\xED\xBF\xBF",        // surrogate U+DFFF
      "\xF4\x90\x80\x80",    // U+110000
      "\xF5\x80\x80\x80",    // lead byte that no code point uses
      "\xFF",
      "\xC3",                // truncated
      "\xE2\x82",            // truncated
      "\xF0\x9F\x98",        // truncated
      "\xE2\x28\xA1",        // second byte not a continuation
      "\xF0\x9F\x28\x80",    // third byte not a continuation
  };
  for (const std::string& bytes : cases) {
    EXPECT_EQ(utf8SequenceLength(bytes), 0u) << testing::PrintToString(bytes);
    if (!bytes.empty()) {
      EXPECT_FALSE(isValidUtf8("ok " + bytes + " ok")) << testing::PrintToString(bytes);
    }
  }
}

}  // namespace
