// Modal message dialogs: a text, an icon, a row of buttons; the answer is
// the result of the button or action that closed the dialog.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ui/modal_result.h"

namespace fw {

enum class DialogType { Warning, Error, Information, Confirmation };

// In the order the buttons appear; the first one given is the default.
enum class DialogButton { Yes, No, OK, Cancel };

class DialogButtons {
 public:
  constexpr DialogButtons(std::initializer_list<DialogButton> buttons) {
    for (const DialogButton b : buttons) bits_ |= bit(b);
  }
  constexpr bool has(DialogButton b) const { return (bits_ & bit(b)) != 0; }

 private:
  static constexpr unsigned bit(DialogButton b) { return 1u << static_cast<unsigned>(b); }
  unsigned bits_ = 0;
};

// A window beside a dialog's choices that shows the one checked, told at
// once when the user checks another. What it shows may make "Oui"
// impossible (a page too small for the sheet): "Oui" is greyed meanwhile.
class ChoiceView {
 public:
  virtual ~ChoiceView() = default;
  // Makes its window, a child of `dialog` at `place`; its texts in `font`,
  // the dialog's.
  virtual void create(HWND dialog, const RECT& place, HFONT font) = 0;
  // Shows choice `chosen`; false while the dialog may not be answered "Oui".
  virtual bool show(int chosen) = 0;
};

// Items of which the user picks one, listed below the text, each a radio
// button read by its text: `chosen` is the one selected at first, and the
// one selected when the dialog closed.
struct DialogChoices {
  std::vector<std::wstring> items;
  int chosen = 0;
  // What a screen reader reads of each item, when more than its text.
  std::vector<std::wstring> spoken;
  // Beside the items, when given; with no items it shows the one choice, 0.
  ChoiceView* view = nullptr;
};

// Cancel also answers a dialog closed without a button: its close box,
// Alt+F4 or, in the task dialog, Escape.

// Shows the dialog over the active window of this thread and waits for the
// answer: the system's task dialog when visual themes are on (Windows 6 and
// later), the program's own dialog form otherwise. The program has no help
// file, so the help context only travels with the call. A footer, when
// given, stands below the buttons.
ModalResult messageDialog(std::wstring_view text, DialogType type, DialogButtons buttons, int helpContext,
                          std::wstring_view footer = {}, DialogChoices* choices = nullptr);

// The plain message box: the text, the program's title as caption, no icon
// and one OK button.
void showMessage(std::wstring_view text);

// The two forms, for the choice above and for tests.
bool taskDialogAvailable();
ModalResult taskDialog(std::wstring_view text, DialogType type, DialogButtons buttons,
                       std::wstring_view footer = {});
ModalResult dialogForm(std::wstring_view text, DialogType type, DialogButtons buttons,
                       std::wstring_view footer = {}, DialogChoices* choices = nullptr);

// TaskDialogIndirect of the common controls, or null where it is missing.
using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);
TaskDialogIndirectFn taskDialogEntry();

// The window class of the program's own dialog form.
inline constexpr wchar_t dialogFormClass[] = L"MorviMessageDialog";

}  // namespace fw
