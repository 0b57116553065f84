// The text of the top-level error box.
#pragma once

#include <string>

namespace fw {

// The exception's message as the error box shows it: a full stop is added
// when the last character sorts after "." (so "…dans C:\x.ini" gains one,
// "…(x)" and "fini." do not).
std::wstring errorBoxText(std::wstring message);

}  // namespace fw
