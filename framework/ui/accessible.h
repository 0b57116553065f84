// What assistive technology (screen readers, accessibility checkers) is told
// of a control. A control answers WM_GETOBJECT with the system's standard
// object for its window (CreateStdAccessibleObject: place, focus, state,
// children) in which the role, name, value and default action are the
// control's own where it gives them (Control::accessibleRole and the rest);
// whatever it leaves empty is the system's answer.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

class Control;

// The answer to WM_GETOBJECT for OBJID_CLIENT (`flags` is its wParam), or a
// negative value when COM cannot hand the object over.
LRESULT accessibleObject(Control& control, WPARAM flags);

// Posted to a control whose default action assistive technology asked
// for: the control clicks itself (Control::click) once the caller is free.
UINT accessibleClickMessage();

// A window of a system class (a dialog's radio button, a picture) read by
// `name` rather than by its text, which may be cut or absent; naming it
// again replaces the name.
void nameForScreenReaders(HWND window, std::wstring name);

// A text as a screen reader should read it: line breaks and runs of blanks
// as one blank, none at either end.
std::wstring spokenText(std::wstring_view text);

}  // namespace fw
