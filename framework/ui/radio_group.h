// A group of radio items laid out in columns; one or none is selected.
// Tab reaches the group at its selected item; the arrow keys move the
// selection through the items and raise OnChange. A click or Space on an
// item raises OnClick, also on the item already selected: an item that asks
// something more when chosen asks it then, never on the way past it.
#pragma once

#include <string>
#include <vector>

#include "framework/ui/group_box.h"
#include "framework/ui/radio_layout.h"

namespace fw {

class RadioGroup : public Published<RadioGroup, GroupBox> {
 public:
  RadioGroup();
  static Publication publication();

  const std::vector<std::wstring>& items() const { return items_; }
  void setItems(std::vector<std::wstring> items);
  // One item's text, the others and the selection left as they are.
  void setItem(int i, std::wstring text);
  int columns() const { return columns_; }
  void setColumns(int v);
  // −1 when nothing is selected; kept within −1 .. count − 1.
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int v);
  HWND itemHandle(int i) const { return i >= 0 && size_t(i) < buttons_.size() ? buttons_[size_t(i)] : nullptr; }
  // The item on which Enter is a click, as Space is, while it has the focus
  // (an item that opens a dialog); −1 for none, Enter then being the
  // window's default button's.
  void setClickOnEnter(int item) { clickOnEnter_ = item; }

  void focus() override;
  bool holdsFocus(HWND focus) const override;
  bool takesEnter() const override;

 protected:
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void fontChanged() override;

 private:
  void rebuildButtons();
  std::vector<Cell> itemCells();
  void arrange();
  void select(int i);  // by the arrows: select and focus
  static LRESULT CALLBACK itemProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  std::vector<std::wstring> items_;
  int columns_ = 1;
  int itemIndex_ = -1;
  int clickOnEnter_ = -1;
  std::vector<HWND> buttons_;
};

}  // namespace fw
