// A printer's name too long for its place, cut in its middle: printers of
// one maker or one floor differ at the end of their names as often as at
// the start ("HOSTILE-Atelier-du-deu…-batiment-nord-A").
#pragma once

#include <string>
#include <string_view>

namespace ruler {

// The name itself when it has at most `length` characters; else its start
// and its end around "…", `length` characters in all (at least the "…").
std::wstring cutInMiddle(std::wstring_view name, std::size_t length);

}  // namespace ruler
