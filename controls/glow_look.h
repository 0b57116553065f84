// What a glow button looks like at a given moment, decided without Windows:
// the state normalised, the colour set picked and faded, the rows of the two
// halves of the face, and where the picture and the texts go. The Windows
// layer (glow_paint) only draws what these decide. Portable.
#pragma once

#include <utility>

#include "controls/glow_appearance.h"

namespace ctl {

// The visual press state; StateExclusive is down as a member of a group.
enum class ButtonState { StateUp = 0, StateDisabled = 1, StateDown = 2, StateExclusive = 4 };
enum class TAdvButtonStyle { bsButton, bsCheck };
enum class TButtonLayout {
  blGlyphLeft, blGlyphTop, blGlyphRight, blGlyphBottom,
  blGlyphLeftAdjusted, blGlyphRightAdjusted, blGlyphTopAdjusted, blGlyphBottomAdjusted
};
enum class TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum class TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum class TAntiAlias { aaNone, aaClearType, aaAntiAlias };
// GDI+'s values.
enum class StringTrimming {
  StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord,
  StringTrimmingEllipsisCharacter, StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
// What OnDrawButton is told.
enum class TGlowButtonState { gsNormal, gsHot, gsDown };

// The button's state of the moment, as painting reads it.
struct GlowState {
  ButtonState buttonState = ButtonState::StateUp;
  bool enabled = true;
  bool mouseInControl = false;  // the pointer is over the button
  bool hotLook = false;         // hot colours and hot picture
  bool pressed = false;         // drives the press fade
  bool focused = false;
  bool trackingFlag = false;    // the flag UpdateTracking keeps (not Tracking)
  bool down = false;            // Down
  bool fading = false;          // FadeTimer exists
  int hoverFade = 0;            // 0..100
  int pressFade = 0;            // 0..100
  TAdvButtonStyle style = TAdvButtonStyle::bsButton;
  int groupIndex = 0;
  bool showDisabled = true;
  bool transparent = false;
  TFocusType focusType = TFocusType::ftBorder;
};

}  // namespace ctl
