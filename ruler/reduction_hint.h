// What the scale finder adds when the scale it found is a catalogue scale
// copied smaller: a plan at 1:100 copied one A size smaller (A1 on A2) is at
// 1:141; printed with "fit to page" it is at about 1:104.
#pragma once

#include <optional>
#include <string>

namespace ruler {

// For N not within 0.5 % of a catalogue scale: the catalogue scale that N
// is within 1 % of once reduced one, two or three A sizes (× 1,4142, 2,
// 2,8284), "Plan au 1:100 réduit à 71 % (un format A plus petit)"; else one
// that N lies 2 to 7 % above, "Plan au 1:100 imprimé à 96 % (« ajuster à la
// page » ?)" with the percentage found. The nearer reading wins; nothing
// when none fits.
std::optional<std::wstring> reductionHint(double n);

}  // namespace ruler
