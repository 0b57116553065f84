// The user's steps in the main window and its dialogs, each as a user takes
// it: real clicks and keys on the controls the window's description names.
#include <gtest/gtest.h>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "tests/support/window_search.h"

namespace e2e {

void MorviProcess::chooseScale(int index) const {
  const HWND scale = item("RG_Morvi", index);
  ASSERT_TRUE(scale);
  click(scale);
  ASSERT_EQ(SendMessageW(scale, BM_GETCHECK, 0, 0), BST_CHECKED);
}

void MorviProcess::chooseOrientation(const wchar_t* text) const {
  HWND button = nullptr;
  for (const Child& c : items("RgOrient"))
    if (c.text == text) button = c.hwnd;
  ASSERT_TRUE(button);
  click(button);
  ASSERT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_CHECKED);
}

void MorviProcess::retype(HWND field, const std::wstring& text) const {
  click(field);
  press(VK_HOME);
  press(VK_END, VK_SHIFT);
  type(text);
}

void MorviProcess::calibrate(int value) const {
  const HWND spin = control("SpinEdit");
  ASSERT_TRUE(spin);
  retype(spin, std::to_wstring(value));
  ASSERT_NEAR(calibrationCoef(), 1 + value / 1000.0, 1e-12);
}

void MorviProcess::typeDimensions(const std::wstring& plan, const std::wstring& measure) const {
  retype(control("CotePlan"), plan);
  press(VK_TAB);  // the measured field's text is then all selected
  type(measure);
}

HWND MorviProcess::otherScaleItem() const {
  const std::vector<Child> all = items("RG_Morvi");
  return all.size() == 18 ? all.back().hwnd : nullptr;
}

HWND MorviProcess::dialog(const std::wstring& caption) const {
  for (int i = 0; i < 200; ++i) {
    if (const HWND w = automation::topLevelOf(processId(), caption)) return w;
    pause(50);
  }
  return nullptr;
}

HWND MorviProcess::openOtherScale() const {
  const HWND other = otherScaleItem();
  if (!other) return nullptr;
  click(other);
  return dialog(L"Autre échelle");
}

HWND MorviProcess::openAssistant() const {
  press('E', VK_CONTROL);
  return dialog(L"Étalonner l'imprimante");
}

HWND MorviProcess::openKutschSheet() const {
  press('K', VK_CONTROL);
  return dialog(L"Planche de six échelles");
}

HWND MorviProcess::openScreenRuler() const {
  press('R', VK_CONTROL);
  // Its title says its scale and reading.
  for (int i = 0; i < 100; ++i, pause(50))
    for (const HWND w : automation::windowsBelow())
      if (automation::processOf(w) == processId() && IsWindowVisible(w) &&
          automation::windowText(w).starts_with(L"Règle à l'écran — "))
        return w;
  return nullptr;
}

HWND MorviProcess::askToPrint() const {
  const HWND button = control("BtImprimer");
  if (!button) return nullptr;
  click(button);
  return dialog(L"Confirmation");
}

HWND MorviProcess::doubleClickToPrint(const std::wstring& line) const {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const DWORD first = GetTickCount();
    click(control("BtImprimer"));
    const HWND confirmation = dialog(L"Confirmation");
    if (!confirmation) return nullptr;
    click(automation::descendantWithText(confirmation, line));
    // Its press came before the click ended.
    if (GetTickCount() - first < GetDoubleClickTime()) return confirmation;
    press(VK_ESCAPE);
    waitUntilClosed(confirmation);
  }
  return nullptr;
}

void MorviProcess::giveOtherScale(HWND otherScale, const std::wstring& n) const {
  type(n);  // the field has the focus, its text all selected
  EXPECT_EQ(proposedScale(otherScale), n) << "typed elsewhere";
  press(VK_RETURN);
  ASSERT_TRUE(waitUntilClosed(otherScale)) << "Enter left the dialog open";
}

void MorviProcess::answer(HWND box, const std::wstring& caption) const {
  const HWND button = automation::descendantWithText(box, caption);
  ASSERT_TRUE(button) << "no button " << testing::PrintToString(caption);
  click(button);
}

Sheet MorviProcess::printAndMeasure(PdfFolder& folder, double acrossMm) const {
  const HWND confirmation = askToPrint();
  if (!confirmation) {
    ADD_FAILURE() << "no confirmation dialog";
    return {};
  }
  answer(confirmation, L"&Oui");
  const std::optional<std::string> pdf = folder.next();
  if (!pdf) {
    ADD_FAILURE() << "no PDF came out";
    return {};
  }
  return measure(*pdf, acrossMm);
}

}  // namespace e2e
