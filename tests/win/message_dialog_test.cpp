// The two forms of the message dialog, answered by posted keys, clicks and
// window commands as the user's actions would arrive.
#include "framework/ui/message_dialog.h"

#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/ui/monitor_dpi.h"
#include "tests/support/test_window.h"

namespace {

using fw::DialogButton;
using fw::DialogType;
using fw::ModalResult;

std::wstring textOf(HWND w) {
  wchar_t text[256]{};
  GetWindowTextW(w, text, 256);
  return text;
}

std::wstring classOf(HWND w) {
  wchar_t name[64]{};
  GetClassNameW(w, name, 64);
  return name;
}

std::vector<HWND> children(HWND parent, const wchar_t* cls) {
  std::vector<HWND> found;
  for (HWND c = FindWindowExW(parent, nullptr, cls, nullptr); c; c = FindWindowExW(parent, c, cls, nullptr)) {
    found.push_back(c);
  }
  return found;
}

// Buttons may sit one level down (the task dialog nests its controls).
HWND findButton(HWND dialog, const std::wstring& caption) {
  struct Search { const std::wstring& caption; HWND found; } search{caption, nullptr};
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (classOf(w) == L"Button" || classOf(w) == L"BUTTON") {
          if (textOf(w) == s->caption) {
            s->found = w;
            return FALSE;
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND visibleDialogOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        // The program's own form, or the system's dialog class.
        if (IsWindowVisible(w) && (classOf(w) == fw::dialogFormClass || classOf(w) == L"#32770")) {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Shows a dialog and acts on it from a timer of this thread, inside the
// dialog's own modal loop. A dialog the action did not close is closed after
// a bounded number of ticks and the test fails.
struct Answer {
  ModalResult result;
  bool acted;
};

std::function<void(HWND)> pendingAction;
int ticks;
bool acted;

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
  const HWND dialog = visibleDialogOfThisThread();
  ++ticks;
  if (!dialog) return;
  if (!acted) {
    acted = true;
    pendingAction(dialog);
  } else if (ticks > 200) {
    ADD_FAILURE() << "the dialog did not close";
    DestroyWindow(dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

Answer answer(const std::function<ModalResult()>& show, std::function<void(HWND)> action) {
  pendingAction = std::move(action);
  ticks = 0;
  acted = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
  const ModalResult result = show();
  KillTimer(nullptr, timer);
  return {result, acted};
}

void postKey(HWND dialog, WPARAM key) {
  HWND target = GetFocus();
  if (!target || !IsChild(dialog, target)) target = dialog;
  testwindow::keystroke(target, key);
}

void postAltKey(HWND dialog, WPARAM key, wchar_t character) {
  HWND target = GetFocus();
  if (!target || !IsChild(dialog, target)) target = dialog;
  constexpr LPARAM altDown = 1 << 29;
  PostMessageW(target, WM_SYSKEYDOWN, key, altDown | 1);
  if (character) PostMessageW(target, WM_SYSCHAR, character, altDown | 1);
  PostMessageW(target, WM_SYSKEYUP, key, altDown | 0xC0000001);
}

void postClick(HWND button) {
  RECT r;
  GetClientRect(button, &r);
  const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  PostMessageW(button, WM_LBUTTONUP, 0, centre);
}

void postCloseBox(HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

const std::function<ModalResult()> confirmForm = [] {
  return fw::dialogForm(L"Confirmez l'impression", DialogType::Confirmation, {DialogButton::Yes, DialogButton::No});
};
const std::function<ModalResult()> confirmTask = [] {
  return fw::taskDialog(L"Confirmez l'impression", DialogType::Confirmation, {DialogButton::Yes, DialogButton::No});
};

TEST(DialogForm, ConfirmationLooksAsTheUserExpects) {
  std::wstring caption, text;
  std::vector<std::wstring> buttons;
  bool defaultFirst = false, questionIcon = false, centred = false;
  HWND shown = nullptr;
  const Answer a = answer(confirmForm, [&](HWND dialog) {
    shown = dialog;
    caption = textOf(dialog);
    EXPECT_EQ(classOf(dialog), fw::dialogFormClass);
    for (HWND s : children(dialog, L"STATIC")) {
      if (GetWindowLongW(s, GWL_STYLE) & SS_ICON) {
        questionIcon = reinterpret_cast<HICON>(SendMessageW(s, STM_GETICON, 0, 0)) == LoadIconW(nullptr, IDI_QUESTION);
      } else {
        text = textOf(s);
      }
    }
    const auto all = children(dialog, L"BUTTON");
    for (HWND b : all) buttons.push_back(textOf(b));
    defaultFirst = !all.empty() && (GetWindowLongW(all[0], GWL_STYLE) & BS_DEFPUSHBUTTON);
    RECT r;
    GetWindowRect(dialog, &r);
    centred = std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1 &&
              std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1;
    postKey(dialog, VK_RETURN);
  });
  EXPECT_TRUE(a.acted);
  EXPECT_EQ(caption, L"Confirmation");
  EXPECT_EQ(text, L"Confirmez l'impression");
  EXPECT_EQ(buttons, (std::vector<std::wstring>{L"&Oui", L"&Non"}));
  EXPECT_TRUE(defaultFirst);
  EXPECT_TRUE(questionIcon);
  EXPECT_TRUE(centred);
  EXPECT_EQ(a.result, ModalResult::Yes) << "Enter presses Oui";
  // Answered, it leaves the screen at once, and its windows go with the next messages.
  EXPECT_FALSE(IsWindowVisible(shown));
  for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
  EXPECT_FALSE(IsWindow(shown)) << "its windows were left behind";
}

// A footer stands below the buttons; the text and the buttons stay as they are.
TEST(DialogForm, AFooterStandsBelowTheButtons) {
  std::vector<std::wstring> texts, buttons;
  LONG buttonsBottom = 0, footerTop = 0;
  answer([] { return fw::dialogForm(L"Confirmez l'impression", DialogType::Confirmation,
                                    {DialogButton::Yes, DialogButton::No}, L"PDF · étalonnage +7 ‰"); },
         [&](HWND dialog) {
           RECT r;
           for (HWND b : children(dialog, L"BUTTON")) {
             buttons.push_back(textOf(b));
             GetWindowRect(b, &r);
             buttonsBottom = std::max(buttonsBottom, r.bottom);
           }
           for (HWND s : children(dialog, L"STATIC")) {
             if (GetWindowLongW(s, GWL_STYLE) & SS_ICON) continue;
             texts.push_back(textOf(s));
             GetWindowRect(s, &r);
             footerTop = r.top;  // the last one made
           }
           postKey(dialog, VK_ESCAPE);
         });
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"Confirmez l'impression", L"PDF · étalonnage +7 ‰"}));
  EXPECT_EQ(buttons, (std::vector<std::wstring>{L"&Oui", L"&Non"}));
  EXPECT_GT(footerTop, buttonsBottom);
}

TEST(DialogForm, EachWayOutGivesItsResult) {
  EXPECT_EQ(answer(confirmForm, [](HWND d) { postClick(findButton(d, L"&Non")); }).result, ModalResult::No);
  EXPECT_EQ(answer(confirmForm, [](HWND d) { postClick(findButton(d, L"&Oui")); }).result, ModalResult::Yes);
  EXPECT_EQ(answer(confirmForm, [](HWND d) { postAltKey(d, 'N', L'n'); }).result, ModalResult::No);
  EXPECT_EQ(answer(confirmForm, [](HWND d) { postKey(d, VK_ESCAPE); }).result, ModalResult::No)
      << "Non is the cancel button";
  EXPECT_EQ(answer(confirmForm, [](HWND d) { postCloseBox(d); }).result, ModalResult::Cancel);
  EXPECT_EQ(answer(confirmForm, [](HWND d) { postAltKey(d, VK_F4, 0); }).result, ModalResult::Cancel);
}

TEST(DialogForm, OkAndCancelButtons) {
  const auto show = [] {
    return fw::dialogForm(L"Texte", DialogType::Warning, {DialogButton::Cancel, DialogButton::OK});
  };
  std::vector<std::wstring> buttons;
  std::wstring caption;
  const Answer a = answer(show, [&](HWND d) {
    caption = textOf(d);
    for (HWND b : children(d, L"BUTTON")) buttons.push_back(textOf(b));
    postKey(d, VK_ESCAPE);
  });
  EXPECT_EQ(caption, L"Avertissement");
  EXPECT_EQ(buttons, (std::vector<std::wstring>{L"OK", L"Annuler"})) << "buttons keep their fixed order";
  EXPECT_EQ(a.result, ModalResult::Cancel);
  EXPECT_EQ(answer(show, [](HWND d) { postKey(d, VK_RETURN); }).result, ModalResult::OK);
}

// On a monitor at 150 % while the system stays at 100 %, the dialog takes
// its monitor's scale: buttons of 75 × 25 become 113 × 38.
TEST(DialogForm, TakesTheScaleOfItsMonitorNotTheSystems) {
  fw::setMonitorDpiHook([](HMONITOR) { return 144; });
  RECT oui{};
  answer(confirmForm, [&](HWND d) {
    GetWindowRect(findButton(d, L"&Oui"), &oui);
    postKey(d, VK_ESCAPE);
  });
  fw::setMonitorDpiHook({});
  EXPECT_EQ(oui.right - oui.left, 113);
  EXPECT_EQ(oui.bottom - oui.top, 38);
}

// Sixty printers are taller than the screen at every scale: the dialog stays
// within the work area, its button in it, and its list scrolls to show the
// printer in force, then the one the arrow moves to.
TEST(DialogForm, ALongListOfChoicesScrollsWithinTheWorkArea) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  for (const int dpi : {96, 144, 192}) {
    fw::setMonitorDpiHook([dpi](HMONITOR) { return dpi; });
    fw::DialogChoices choices{std::vector<std::wstring>(60), 50};
    for (int i = 0; i < 60; ++i) choices.items[i] = L"PDF-" + std::to_wstring(i) + L" · étalonnage +0 ‰";
    std::vector<std::pair<RECT, RECT>> placed;  // a window's rectangle and the room it must stand in
    const auto place = [&](HWND w, HWND parent) {
      auto& [r, room] = placed.emplace_back(work, work);
      GetWindowRect(w, &r);
      if (!parent) return;
      GetClientRect(parent, &room);
      MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&room), 2);
    };
    answer([&] { return fw::dialogForm(L"Confirmez", DialogType::Confirmation, {DialogButton::Yes}, L"", &choices); },
           [&](HWND d) {
             const HWND inForce = findButton(d, choices.items[50]);
             place(d, nullptr), place(findButton(d, L"&Oui"), d), place(inForce, GetParent(inForce));
             MSG down{GetFocus(), WM_KEYDOWN, VK_DOWN, 1, 0, {}};
             IsDialogMessageW(d, &down);  // as the dialog's loop hands it the key
             place(findButton(d, choices.items[51]), GetParent(inForce));
             postKey(d, VK_RETURN);
           });
    EXPECT_EQ(choices.chosen, 51) << dpi;
    for (const auto& [r, room] : placed) EXPECT_TRUE(r.top >= room.top && r.bottom <= room.bottom) << dpi;
  }
  fw::setMonitorDpiHook({});
}

// What a screen reader reads as the window's name.
std::wstring accessibleName(HWND window) {
  IAccessible* a = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&a))))
    return L"(no object)";
  BSTR text = nullptr;
  const std::wstring name = a->get_accName({VT_I4}, &text) == S_OK && text ? text : L"";
  SysFreeString(text);
  a->Release();
  return name;
}

// A view beside the choices follows the one checked, by the arrows too, and
// greys "Oui" while it refuses it (Enter then answers nothing); each choice
// is read by its whole name.
TEST(DialogForm, AViewFollowsTheChoiceAndGreysOuiWhileItRefuses) {
  struct RefusesTheSecond final : fw::ChoiceView {
    std::vector<int> shown;
    void create(HWND, const RECT&, HFONT) override {}
    bool show(int chosen) override {
      shown.push_back(chosen);
      return chosen != 1;
    }
  } view;
  fw::DialogChoices choices{{L"HOSTILE-a…a · non étalonnée", L"PDF-A5 · non étalonnée"}, 0,
                            {L"HOSTILE-aaaaaaaa · non étalonnée", L"PDF-A5 · non étalonnée"}, &view};
  std::vector<std::wstring> spoken;
  BOOL ouiWhileRefused = TRUE;
  const Answer answered = answer(
      [&] { return fw::dialogForm(L"Confirmez", DialogType::Confirmation, {DialogButton::Yes, DialogButton::No}, L"", &choices); },
      [&](HWND d) {
        for (const std::wstring& item : choices.items) spoken.push_back(accessibleName(findButton(d, item)));
        MSG down{GetFocus(), WM_KEYDOWN, VK_DOWN, 1, 0, {}};
        IsDialogMessageW(d, &down);  // as the dialog's loop hands it the key
        for (MSG m; PeekMessageW(&m, d, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
        ouiWhileRefused = IsWindowEnabled(findButton(d, L"&Oui"));
        postKey(d, VK_RETURN);
        postKey(d, VK_ESCAPE);
      });
  EXPECT_EQ(view.shown, (std::vector<int>{0, 1}));
  EXPECT_FALSE(ouiWhileRefused);
  EXPECT_EQ(answered.result, ModalResult::No);
  EXPECT_EQ(spoken, choices.spoken);
}

TEST(DialogForm, TheOwnerTakesNoInputWhileItIsOpen) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"propriétaire", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100, nullptr,
                                     nullptr, nullptr, nullptr);
  SetActiveWindow(owner);
  bool ownerEnabled = true;
  HWND ownerOfDialog = nullptr;
  answer(confirmForm, [&](HWND d) {
    ownerEnabled = IsWindowEnabled(owner);
    ownerOfDialog = GetWindow(d, GW_OWNER);
    postKey(d, VK_ESCAPE);
  });
  EXPECT_FALSE(ownerEnabled);
  EXPECT_EQ(ownerOfDialog, owner);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST(TaskDialog, ThemesOnGiveTheTaskDialog) {
  // Wine and Windows 7 with the program's manifest both have it.
  EXPECT_TRUE(fw::taskDialogAvailable());
}

TEST(TaskDialog, ConfirmationButtonsAndResults) {
  ASSERT_TRUE(fw::taskDialogAvailable());
  std::wstring caption;
  bool hasOui = false, hasNon = false;
  const Answer a = answer(confirmTask, [&](HWND d) {
    caption = textOf(d);
    hasOui = findButton(d, L"&Oui") != nullptr;
    hasNon = findButton(d, L"&Non") != nullptr;
    postKey(d, VK_RETURN);
  });
  EXPECT_EQ(caption, L"Confirmation");
  EXPECT_TRUE(hasOui);
  EXPECT_TRUE(hasNon);
  EXPECT_EQ(a.result, ModalResult::Yes) << "Oui is the default";
  EXPECT_EQ(answer(confirmTask, [](HWND d) { postClick(findButton(d, L"&Non")); }).result, ModalResult::No);
  EXPECT_EQ(answer(confirmTask, [](HWND d) { postKey(d, VK_ESCAPE); }).result, ModalResult::Cancel);
  EXPECT_EQ(answer(confirmTask, [](HWND d) { postCloseBox(d); }).result, ModalResult::Cancel);
  EXPECT_EQ(answer(confirmTask, [](HWND d) { postAltKey(d, VK_F4, 0); }).result, ModalResult::Cancel);
}

}  // namespace
