// The key of a printer's own calibration under [Imprimantes]. A printer's
// name is anything the system allows, but a key of the file cannot hold "=",
// starts a section with "[", loses its blanks at either end and, in a file
// of the system's code page, the characters that page lacks.
//
// A name the file holds as it stands, with none of "=[];" and no blank at
// either end, is its own key, as Morvi has always written it. Any other name
// is written "]" followed by its UTF-8 bytes, each one outside printable
// ASCII, and each of "%=[];" and the blank, as %XX ("ΨMEGA" is
// "]%CE%A8MEGA", "[HOSTX]" is "]%5BHOSTX%5D"). No name of the first kind
// holds "]", and %XX is undone one way only, so two names never share a key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Empty for an empty name: no printer, no key.
std::wstring printerKey(std::wstring_view name, bool fileHoldsName);
// The name a key stands for; nothing for a "]" key that no name gives.
std::optional<std::wstring> printerName(std::wstring_view key);

}  // namespace settings
