// The four glow buttons of the real window as the user and assistive
// technology meet them: their text and role, the pointer and the keys.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "morvi_process.h"

using e2e::MorviProcess;

namespace {

struct GlowButton {
  const char* name;
  const wchar_t* caption;
};
constexpr GlowButton kButtons[] = {
    {"BtEchelle", L"Obtenir l'échelle"},
    {"BtImprimer", L"Imprimer le morvi"},
    {"BtAide", L"Aide"},
    {"BtSavoirPlus", L"En savoir plus..."},
};

LRESULT stateOf(HWND button) { return SendMessageW(button, BM_GETSTATE, 0, 0); }

// Windows hands another process the button's accessible object, with the
// push-button role; Wine gives every class the client role.
bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

}  // namespace

TEST(GlowButtons, AssistiveTechnologySeesPushButtonsNamedByTheirCaption) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    MorviProcess morvi;
    for (const GlowButton& b : kButtons) {
      SCOPED_TRACE(b.name);
      const HWND button = morvi.control(b.name);
      ASSERT_TRUE(button);
      EXPECT_EQ(e2e::textOf(button), b.caption);
      IAccessible* accessible = nullptr;
      const HRESULT got = AccessibleObjectFromWindow(button, OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&accessible));
      ASSERT_TRUE(SUCCEEDED(got)) << std::hex << got;
      VARIANT self{};
      self.vt = VT_I4;
      self.lVal = CHILDID_SELF;
      VARIANT role{};
      EXPECT_EQ(accessible->get_accRole(self, &role), S_OK);
      EXPECT_EQ(role.vt, VT_I4);
      if (role.lVal != ROLE_SYSTEM_PUSHBUTTON && underWine()) {
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_CLIENT);
        std::printf("Wine gives the role %ld (client), not push button\n", role.lVal);
      } else {
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
      }
      BSTR name = nullptr;
      EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
      EXPECT_EQ(std::wstring(name ? name : L""), b.caption);
      SysFreeString(name);
      accessible->Release();
    }
  }
  CoUninitialize();
}

TEST(GlowButtons, AnswerThePointerAndTheKeys) {
  MorviProcess morvi;
  for (const GlowButton& b : kButtons) {
    const HWND button = morvi.control(b.name);
    ASSERT_TRUE(button);
    morvi.hover(button);
    EXPECT_TRUE(stateOf(button) & BST_HOT);
  }
  // A press shows down, and a release elsewhere clicks nothing.
  const HWND scale = morvi.control("BtEchelle");
  const HWND help = morvi.control("BtAide");
  morvi.hover(scale);
  morvi.leftButton(true);
  EXPECT_TRUE(stateOf(scale) & BST_PUSHED);
  EXPECT_TRUE(stateOf(scale) & BST_FOCUS);  // a tab stop takes the focus
  morvi.hover(help);
  EXPECT_FALSE(stateOf(scale) & BST_PUSHED);
  EXPECT_FALSE(stateOf(scale) & BST_HOT);
  morvi.leftButton(false);
  EXPECT_FALSE(stateOf(help) & BST_PUSHED);

  // Space on the help button, four tab stops on: down while held, up when
  // let go (the click opens the help page); Tab moves on.
  for (int i = 0; i < 4; ++i) morvi.press(VK_TAB);
  ASSERT_TRUE(stateOf(help) & BST_FOCUS);
  morvi.key(VK_SPACE, true);
  EXPECT_TRUE(stateOf(help) & BST_PUSHED);
  morvi.key(VK_SPACE, false);
  EXPECT_FALSE(stateOf(help) & BST_PUSHED);
  morvi.press(VK_TAB);
  EXPECT_FALSE(stateOf(help) & BST_FOCUS);

  // The print button, a tab stop, takes the focus from a click (what was
  // typed in the field before it is settled first) and asks before printing.
  const HWND print = morvi.control("BtImprimer");
  morvi.hover(print);
  morvi.leftButton(true);
  EXPECT_TRUE(stateOf(print) & BST_FOCUS);
  morvi.leftButton(false);
  const HWND dialog = morvi.dialog(L"Confirmation");
  ASSERT_TRUE(dialog);
  morvi.press(VK_ESCAPE);
}
