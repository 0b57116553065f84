// The window's push button: a picture, a caption and a line of notes on a
// two-part gradient face whose colours follow the state and cross-fade on
// hover and press. This is the window side (messages, timers, focus, groups,
// the click); the decisions are in glow_state.h, the drawing in glow_paint.h.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/glow_paint.h"
#include "controls/glow_state.h"
#include "framework/ui/accessible.h"
#include "framework/ui/control.h"
#include "framework/ui/form.h"
#include "gdip/gdip_picture.h"

namespace ctl {

enum class TImageListType { ipActionList, ipOwnLists };
enum class TShortCutHintPos { shpLeft, shpTop, shpRight, shpBottom };
enum class TDropDownDirection { ddDown, ddRight };

// Rich hint data. Kept and copied; nothing shows it.
class TAdvHintInfo : public fw::Persistent {
 public:
  std::wstring Title;
  std::vector<std::wstring> Notes;
  gdip::TGDIPPicture Picture;
  bool ShowHelp = false;
  std::wstring WideTitle;
  std::vector<std::wstring> WideNotes;
  // From another hint info, all six; anything else is ignored.
  void Assign(const fw::Persistent* source);
};

class TAdvCustomGlowButton : public fw::Control {
 public:
  TAdvCustomGlowButton();
  ~TAdvCustomGlowButton() override;

  // Published values.
  bool isDefault() const { return default_; }
  void setDefault(bool v) { default_ = v; }
  bool cancel() const { return cancel_; }
  void setCancel(bool v) { cancel_ = v; }
  int modalResult() const { return modalResult_; }
  void setModalResult(int v) { modalResult_ = v; }
  bool repeatClick() const { return repeatClick_; }
  void setRepeatClick(bool v) { repeatClick_ = v; }
  bool down() const { return state_.down; }
  void setDown(bool v);
  int groupIndex() const { return group_.groupIndex; }
  void setGroupIndex(int v);
  bool allowAllUp() const { return group_.allowAllUp; }
  void setAllowAllUp(bool v);
  TAdvButtonStyle style() const { return group_.style; }
  void setStyle(TAdvButtonStyle v) { group_.style = v; }
  TButtonLayout layout() const { return layout_; }
  void setLayout(TButtonLayout v);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);
  glow::TButtonSizeState maxButtonSizeState() const { return sizeStates_.maxState; }
  void setMaxButtonSizeState(glow::TButtonSizeState v);
  glow::TButtonSizeState minButtonSizeState() const { return sizeStates_.minState; }
  void setMinButtonSizeState(glow::TButtonSizeState v);
  glow::TButtonSizeState sizeState() const { return sizeStates_.current; }
  std::wstring version() const { return glow::versionText(0x02020305); }
  TAdvHintInfo& officeHint() { return officeHint_; }
  TGlowButtonAppearance& appearance() { return appearance_; }
  void setAppearance(const TGlowButtonAppearance& v) { appearance_.Assign(&v); }
  gdip::TGDIPPicture& picture() { return picture_; }
  const std::vector<std::wstring>& notes() const { return notes_; }

  // The state between messages, as painting and tests see it.
  const glow::GlowState& state() const { return state_; }

  // The control's click: the parent form's modal result, then OnClick.
  void click() override;
  bool dialogKey(WPARAM key) override;
  bool dialogChar(wchar_t ch) override;
  void focusMoved(fw::Control& focused) override;

  // A push button named by its caption, pressed as by a click.
  long accessibleRole() const override;
  std::wstring accessibleName() const override { return fw::spokenText(caption()); }
  std::wstring accessibleAction() const override { return L"Appuyer"; }

  // Called after each paint with the state shown.
  std::function<void(TAdvCustomGlowButton& sender, HDC dc, const RECT& rect, TGlowButtonState state)> OnDrawButton;

  void paint(HDC dc, const RECT& client) override;
  void loaded() override;

 protected:
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void captionChanged() override;
  void command(WORD code) override {
    if (code == BN_CLICKED) click();
  }

  // Published through the property table of the derived class.
  TAntiAlias antiAlias_ = TAntiAlias::aaClearType;
  bool autoSize_ = false;
  fw::BorderStyle borderStyle_ = fw::BorderStyle::Single;
  bool cancel_ = false;
  bool default_ = false;
  TFocusType focusType_ = TFocusType::ftBorder;
  int imageIndex_ = -1;
  TImageListType imageListType_ = TImageListType::ipActionList;
  int marginHorz_ = 1;
  int marginVert_ = 1;
  int modalResult_ = 0;  // stored as a number, as the window description keeps it
  std::vector<std::wstring> notes_;
  fw::FontSpec notesFont_{L"Tahoma", -11, fw::clWindowText, {}};
  TAdvHintInfo officeHint_;
  gdip::TGDIPPicture picture_, disabledPicture_, hotPicture_;
  TGlowButtonAppearance appearance_;
  TButtonPosition position_ = TButtonPosition::bpStandalone;
  int initRepeatPause_ = 400;
  int repeatPause_ = 100;
  bool repeatClick_ = false;
  bool rounded_ = true;
  std::wstring shortCutHint_;
  TShortCutHintPos shortCutHintPos_ = TShortCutHintPos::shpTop;
  bool showCaption_ = true;
  bool showDisabled_ = true;
  int spacing_ = 2;
  bool transparent_ = false;
  StringTrimming trimming_ = StringTrimming::StringTrimmingNone;
  bool wordWrap_ = true;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  glow::DropDownOptions dropDown_;
  TDropDownDirection dropDownDirection_ = TDropDownDirection::ddDown;

  // Repaints soon; or, for what changes the size, measures again.
  void refreshSize();
  void changeDropDown(const glow::DropDownOptions& d);

 private:
  void apply(glow::Effects e);
  void broadcastPressed();
  void buttonPressed(int groupIndex, const TAdvCustomGlowButton& sender);
  void repaint();
  void mouseEnter();
  void mouseLeave();
  void followPointer(POINT client);
  void leftDown(POINT p);
  void leftUp(POINT p);
  void mouseMove(POINT p);
  void repeatTick();
  // What painting reads: the state of the moment and every input.
  GlowPaintState lookState() const;
  GlowButtonPaint paintInputs();
  void showDropDown();
  // Whether the pointer, at a point of the client area or where the cursor
  // is, is over this button and not over another window.
  bool overThis(POINT client) const;
  bool cursorOverThis() const;
  bool modifiersHeld() const;
  void applySizeState(glow::TButtonSizeState before);

  glow::GlowState state_;
  glow::GroupOptions group_;
  glow::SizeStates sizeStates_;
  TButtonLayout largeLayout_ = TButtonLayout::blGlyphLeft;  // remembered below bsLarge
  glow::TDropDownPosition largeDropDownPosition_ = glow::TDropDownPosition::dpRight;
  bool pressOnDropDown_ = false;
  bool clicked_ = false;
  bool painting_ = false;
  GlowPaintCache paintCache_;
};

class TAdvGlowButton : public fw::Published<TAdvGlowButton, TAdvCustomGlowButton> {
 public:
  static fw::Publication publication();
};

}  // namespace ctl
