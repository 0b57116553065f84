#include "framework/ui/radio_group.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/ui/application.h"
#include "framework/ui/form.h"

namespace fw {

RadioGroup::RadioGroup() { setTabStop(true); }

Publication RadioGroup::publication() {
  return {"TRadioGroup",
          {
              property<RadioGroup, int>("Columns", 1, &RadioGroup::columns, &RadioGroup::setColumns),
              property<RadioGroup, std::vector<std::wstring>>("Items", {}, &RadioGroup::items, &RadioGroup::setItems),
              property<RadioGroup, int>("ItemIndex", -1, &RadioGroup::itemIndex, &RadioGroup::setItemIndex),
              property<RadioGroup, bool>("TabStop", true, &RadioGroup::tabStop, &RadioGroup::setTabStop),
              event("OnClick"),
              event("OnChange"),
          }};
}

void RadioGroup::setItems(std::vector<std::wstring> items) {
  if (items == items_) return;
  items_ = std::move(items);
  itemIndex_ = std::min(itemIndex_, int(items_.size()) - 1);
  rebuildButtons();
}

void RadioGroup::setItem(int i, std::wstring text) {
  if (i < 0 || size_t(i) >= items_.size() || items_[size_t(i)] == text) return;
  items_[size_t(i)] = std::move(text);
  if (HWND b = itemHandle(i)) SetWindowTextW(b, items_[size_t(i)].c_str());
}

void RadioGroup::setColumns(int v) {
  v = std::clamp(v, 1, 16);
  if (v == columns_) return;
  columns_ = v;
  arrange();
}

void RadioGroup::setItemIndex(int v) {
  v = std::clamp(v, -1, int(items_.size()) - 1);
  if (v == itemIndex_) return;
  itemIndex_ = v;
  for (size_t i = 0; i < buttons_.size(); ++i)
    SendMessageW(buttons_[i], BM_SETCHECK, int(i) == itemIndex_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioGroup::select(int i) {
  setItemIndex(i);
  focus();
  fire("OnChange");
}

void RadioGroup::focus() {
  if (HWND item = itemHandle(itemIndex_)) SetFocus(item);
  else SetFocus(handle());
}

bool RadioGroup::holdsFocus(HWND focus) const {
  return focus == handle() || std::find(buttons_.begin(), buttons_.end(), focus) != buttons_.end();
}

bool RadioGroup::takesEnter() const { return clickOnEnter_ >= 0 && GetFocus() == itemHandle(clickOnEnter_); }

void RadioGroup::windowCreated() { rebuildButtons(); }

void RadioGroup::fontChanged() {
  GroupBox::fontChanged();
  for (HWND b : buttons_) SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
  arrange();
}

void RadioGroup::rebuildButtons() {
  if (!handle()) return;
  for (HWND b : buttons_) DestroyWindow(b);
  buttons_.clear();
  // Each item is made in its cell: moving them afterwards costs as much again.
  const std::vector<Cell> cells = itemCells();
  for (size_t i = 0; i < items_.size(); ++i) {
    const Cell& c = cells[i];
    HWND b = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"BUTTON", items_[i].c_str(), WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON,
                             c.left, c.top, c.width, c.height, handle(), reinterpret_cast<HMENU>(i + 1),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
    // A new item is unchecked; telling it so again restyles the window.
    if (int(i) == itemIndex_) SendMessageW(b, BM_SETCHECK, BST_CHECKED, 0);
    SetWindowSubclass(b, itemProc, 1, reinterpret_cast<DWORD_PTR>(this));
    buttons_.push_back(b);
  }
}

std::vector<Cell> RadioGroup::itemCells() {
  return radioItemCells(int(items_.size()), columns_, width(), height(), captionHeight(), dpi());
}

void RadioGroup::arrange() {
  if (!handle()) return;
  const std::vector<Cell> cells = itemCells();
  for (size_t i = 0; i < buttons_.size(); ++i)
    MoveWindow(buttons_[i], cells[i].left, cells[i].top, cells[i].width, cells[i].height, TRUE);
}

LRESULT RadioGroup::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // A click soon after another on the same item is a double click, and
      // the item says so instead: it is a click all the same.
      if ((HIWORD(wp) == BN_CLICKED || HIWORD(wp) == BN_DOUBLECLICKED) && LOWORD(wp) >= 1 &&
          LOWORD(wp) <= items_.size()) {
        setItemIndex(LOWORD(wp) - 1);
        fire("OnClick");
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, colorRef());
      SetTextColor(dc, toColorRef(font().color));
      return reinterpret_cast<LRESULT>(backgroundBrush());
    }
    case WM_KEYDOWN:  // the group itself has the focus when nothing is selected
      if (wp == VK_DOWN || wp == VK_RIGHT || wp == VK_UP || wp == VK_LEFT) {
        if (!items_.empty()) select(0);
        return 0;
      }
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
  }
  return GroupBox::handleMessage(msg, wp, lp);
}

LRESULT CALLBACK RadioGroup::itemProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* group = reinterpret_cast<RadioGroup*>(data);
  if (msg == WM_KEYDOWN && (wp == VK_DOWN || wp == VK_RIGHT || wp == VK_UP || wp == VK_LEFT)) {
    return handledSafely([&] {
      int count = int(group->items_.size());
      int step = (wp == VK_DOWN || wp == VK_RIGHT) ? 1 : count - 1;
      group->select((group->itemIndex_ + step) % count);
      return LRESULT(0);
    });
  }
  if (msg == WM_KEYDOWN && wp == VK_RETURN && w == group->itemHandle(group->clickOnEnter_)) {
    return handledSafely([&] {
      group->setItemIndex(group->clickOnEnter_);
      group->fire("OnClick");
      return LRESULT(0);
    });
  }
  if (msg == WM_SETFOCUS)
    if (Form* f = group->form()) f->focusChanged(*group);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(w, itemProc, 1);
  return DefSubclassProc(w, msg, wp, lp);
}

}  // namespace fw
