// The pane a message dialog's choices scroll in when they are more than its
// room shows: one radio button a line, moved by the line through the scroll
// bar, the mouse wheel, and the focus, whose line always comes into view
// (the arrows move the focus from choice to choice). The choices'
// notifications go on to the dialog.
#pragma once

#include <windows.h>

#include "framework/ui/radio_layout.h"

namespace fw {

// A pane at `at` in `dialog`, `width` wide besides its scroll bar and
// `shown.count` lines of `lineHeight` high, for `count` choices whose ids
// follow `firstId`. The caller makes them its children, each at its line
// from `shown.first` at the pane's top, and gives them BS_NOTIFY.
HWND addScrollingPane(HWND dialog, POINT at, int width, int lineHeight, int count, ShownLines shown, int firstId);

}  // namespace fw
