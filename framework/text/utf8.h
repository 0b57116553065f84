// UTF-8 checks for text read from outside (the window description): only
// well-formed sequences pass, so the Windows side can widen them losslessly.
#pragma once

#include <cstddef>
#include <string_view>

namespace fw {

// Length (1 to 4) of the well-formed UTF-8 sequence that starts `text`, or 0
// when it is empty, truncated, overlong, a surrogate or beyond U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text);

bool isValidUtf8(std::string_view text);

}  // namespace fw
