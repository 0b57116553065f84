// The program's dialogs under the keyboard, run as the program runs them (in
// their own modal loop), the keys arriving through the thread's queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/calibration_dialog.h"
#include "app/main_window.h"
#include "app/screen_calibration_dialog.h"
#include "app/set_ruler_dialog.h"
#include "framework/ui/beep.h"
#include "ruler/screen_ruler.h"

namespace {

// A dialog's field and default button, and what the steps below saw.
struct Steps {
  std::wstring refused, ok;
  int done = 0;
  HWND field = nullptr;
  bool okGreyed = false, focusKept = false;
  std::wstring text;
};
Steps* steps = nullptr;

HWND fieldOf(HWND dialog) {
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t kind[16]{};
    GetClassNameW(c, kind, 16);
    if (lstrcmpiW(kind, L"Edit") == 0) return c;
  }
  return nullptr;
}

void type(HWND to, const std::wstring& chars) {
  for (wchar_t ch : chars) PostMessageW(to, WM_CHAR, ch, 1);
}

void press(HWND to, WPARAM key) {
  PostMessageW(to, WM_KEYDOWN, key, 1 | LPARAM(MapVirtualKeyW(UINT(key), MAPVK_VK_TO_VSC)) << 16);
}

// One step at each tick of a thread timer, which the dialog's loop runs:
// a length the dialog refuses, Enter, more typing, then Escape.
void CALLBACK nextStep(HWND, UINT, UINT_PTR timer, DWORD) {
  Steps& s = *steps;
  const HWND dialog = GetActiveWindow();
  switch (s.done++) {
    case 0:
      s.field = fieldOf(dialog);
      SetFocus(s.field);
      SendMessageW(s.field, EM_SETSEL, 0, -1);
      type(s.field, s.refused);
      press(s.field, VK_RETURN);
      break;
    case 1:
      s.okGreyed = !IsWindowEnabled(FindWindowExW(dialog, nullptr, L"Button", s.ok.c_str()));
      s.focusKept = GetFocus() == s.field;
      type(GetFocus(), L"90");
      break;
    default: {
      wchar_t text[64]{};
      GetWindowTextW(s.field, text, 64);
      s.text = text;
      press(GetFocus(), VK_ESCAPE);
      KillTimer(nullptr, timer);
    }
  }
}

}  // namespace

// Enter on a greyed default button does nothing but beep: the focus stays in
// the field, what is typed next goes there, and the dialog stays open.
TEST(DialogKeys, EnterOnAGreyedDefaultButtonKeepsTheFocusInTheField) {
  TFormmorvi::registerClasses();
  struct Row {
    const wchar_t* dialog;
    std::function<bool()> run;  // whether it gave a result
    Steps steps;
  };
  Row rows[] = {
      {L"Étalonner l'écran", [] { return TFormEtalonnageEcran::run(nullptr, {0, 0, 1024, 768}, 4).has_value(); },
       {L"49", L"OK"}},
      {L"Caler la règle",
       [] {
         return TFormCalerRegle::run(nullptr, L"", [](std::optional<long double> m) {
                  return ruler::scaleOnDimension(400, m, 4);
                }).has_value();
       },
       {L"0", L"OK"}},
      {L"Étalonner l'imprimante", [] { return TFormEtalonnage::run(nullptr, std::nullopt).has_value(); },
       {L"0", L"Appliquer"}},
  };
  int beeps = 0;
  fw::setBeepHook([&](UINT) { ++beeps; });
  for (Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.dialog)));
    steps = &row.steps;
    beeps = 0;
    SetTimer(nullptr, 0, 150, nextStep);
    EXPECT_FALSE(row.run()) << "closed with a result";
    EXPECT_TRUE(row.steps.okGreyed);
    EXPECT_TRUE(row.steps.focusKept);
    EXPECT_EQ(row.steps.text, row.steps.refused + L"90");
    EXPECT_EQ(beeps, 1);
  }
  fw::setBeepHook({});
}
