// The calibration field: a one-line integer field with a pair of small up
// and down buttons at its right edge. Value is the text read as an integer
// while it reads as one; any other text (a typo, "5,5", a lone "-") leaves
// the last value in force, and leaving the field puts that value back.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "controls/spin_logic.h"
#include "framework/ui/edit.h"
#include "framework/graphics/bitmap.h"

namespace ctl {

// One button of the pair: windowless, painted and driven by the pair. A held
// press clicks again after 400 ms, then every 100 ms while it shows pressed.
struct TTimerSpeedButton {
  spin::Box bounds{};
  fw::Bitmap glyph;  // drawn without its bottom-left colour
  bool pressed = false;  // shown down: held with the pointer over it
  bool focusRectShown = false;
  bool repeatAllowed = true;
};

// The button pair, a child window of its own inside the field.
class TSpinButton : public fw::Control {
 public:
  // `onRelease` follows the release of a pressed button, after its clicks.
  TSpinButton(std::function<void()> onUpClick, std::function<void()> onDownClick, std::function<void()> onRelease);

  // The buttons are fitted first; the pair takes the adjusted size.
  void setBounds(int left, int top, int width, int height) override;
  void setFocusControl(HWND control) { focusControl_ = control; }
  // The arrows drawn for the display's DPI, when there are.
  void fitGlyphsToDpi();

  const TTimerSpeedButton& upButton() const { return up_; }
  const TTimerSpeedButton& downButton() const { return down_; }
  void paint(HDC dc, const RECT& client) override;

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  TTimerSpeedButton* buttonAt(POINT p);
  void mouseDown(TTimerSpeedButton& b);
  void mouseMove(POINT p);
  void mouseUp(POINT p);
  void repeatTick(UINT_PTR timer);
  void click(const TTimerSpeedButton& b);
  void paintButton(HDC dc, TTimerSpeedButton& b);
  static UINT_PTR timerOf(const TTimerSpeedButton& b, const TTimerSpeedButton& up) { return &b == &up ? 1 : 2; }

  std::function<void()> onUpClick_, onDownClick_, onRelease_;
  TTimerSpeedButton up_, down_;
  TTimerSpeedButton* tracking_ = nullptr;
  HWND focusControl_ = nullptr;
};

class TSpinEdit : public fw::Published<TSpinEdit, fw::EditBox> {
 public:
  TSpinEdit();
  static fw::Publication publication();

  int minValue() const { return minValue_; }
  void setMinValue(int v) { minValue_ = v; }
  int maxValue() const { return maxValue_; }
  void setMaxValue(int v) { maxValue_ = v; }
  int increment() const { return increment_; }
  void setIncrement(int v) { increment_ = v; }
  bool editorEnabled() const { return editorEnabled_; }
  void setEditorEnabled(bool v) { editorEnabled_ = v; }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool v);
  bool autoSelect() const { return autoSelect_; }
  void setAutoSelect(bool v) { autoSelect_ = v; }

  int value() const { return spin::readValue(text(), kept_); }
  void setValue(int v);

  // Called once the user has settled on a value: the field left, a button
  // of the pair or an arrow key let go after its steps. Typing settles
  // nothing until then.
  void setOnSettled(std::function<void()> onSettled) { onSettled_ = std::move(onSettled); }

  virtual bool AcceptsChar(wchar_t ch) const;
  virtual void StepUp();
  virtual void StepDown();

  const TSpinButton* buttonPair() const { return pair_; }
  int minimumHeight();
  void dpiChanged() override;

 protected:
  WindowSpec windowSpec() const override;
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // The pair sized for the window's DPI and placed, the field at least as
  // high as its font needs.
  void fitToDpi();
  void placePair();
  void updateTextArea();
  // Leaving the field: a number is clamped and kept, anything else gives the
  // kept value back with a beep.
  void commitText();
  void settled() const {
    if (onSettled_) onSettled_();
  }

  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  int kept_ = 0;  // the last value set or left in the field
  bool editorEnabled_ = true;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  TSpinButton* pair_;  // a child control, owned as such
  std::function<void()> onSettled_;
};

}  // namespace ctl
