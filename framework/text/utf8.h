// UTF-8: checks for text read from outside (the window description), where
// only well-formed sequences pass, and the conversions to and from wide text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// Length (1 to 4) of the well-formed UTF-8 sequence that starts `text`, or 0
// when it is empty, truncated, overlong, a surrogate or beyond U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text);

bool isValidUtf8(std::string_view text);

// Between UTF-8 and the program's wide text (UTF-16 on Windows).
std::wstring fromUtf8(std::string_view s);
std::string toUtf8(std::wstring_view w);

}  // namespace fw
