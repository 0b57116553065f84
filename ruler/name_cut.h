// A printer's name too long for its place, cut in its middle: printers of
// one maker or one floor differ at the end of their names as often as at
// the start ("HOSTILE-Atelier-du-deu…-batiment-nord-A"). Lengths count
// UTF-16 units, as the texts are held, and a cut never falls between the two
// halves of a character outside the basic plane (an emoji, a rare ideogram):
// such a character is kept whole or left out whole.
#pragma once

#include <string>
#include <string_view>

namespace ruler {

// The name itself when it has at most `length` units; else its start and
// its end around "…", at most `length` units in all (at least the "…").
std::wstring cutInMiddle(std::wstring_view name, std::size_t length);

// The same, but keeping also the part around `at` (where the name differs
// from another one's that would otherwise read alike), between two "…".
std::wstring cutAround(std::wstring_view name, std::size_t length, std::size_t at);

}  // namespace ruler
