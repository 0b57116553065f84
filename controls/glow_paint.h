// Painting a glow button: the face in two gradient halves, the rounded
// border and focus outline, the caption, the notes and the picture, and the
// corner pixels handed back to the parent. The button gathers everything
// into one GlowButtonPaint; DrawGlowButton paints it into any device context
// (the screen's, a memory bitmap's).
#pragma once

#include <windows.h>

#include <functional>
#include <list>
#include <span>
#include <string>
#include <vector>

#include "controls/glow_look.h"
#include "framework/ui/control.h"  // FontSpec
#include "gdip/objects.h"

namespace gdip {
class TGDIPPicture;
}

namespace ctl {

// What a button keeps from one paint to the next: its GDI+ fonts and which
// faces are TrueType. GDI+ and GDI look a face up among all the system's
// fonts, slow enough to count at every frame of a fade. A font is made again
// when the one it stands for changes.
class GlowPaintCache {
 public:
  // The GDI+ font of `font` drawn in `face` (Arial when GDI+ does not know
  // the face), at the device's resolution.
  const gdip::Font& gdipFont(HDC dc, const fw::FontSpec& font, const std::wstring& face);
  bool isTrueType(HDC dc, const std::wstring& face);

 private:
  struct FontEntry {
    std::wstring face;
    int points;
    INT style;
    gdip::Font font;
  };
  std::list<FontEntry> fonts_;  // the caption's and the notes', and a few older ones; they stay in place
  std::vector<std::pair<std::wstring, bool>> trueType_;
};

struct GlowButtonPaint {
  GlowPaintState state;
  GlowAppearanceValues appearance;

  std::wstring caption;             // empty when ShowCaption is false
  std::vector<std::wstring> notes;  // Notes, one entry a line
  fw::FontSpec font;                // the button's Font
  fw::FontSpec notesFont;
  bool hidePrefix = false;          // the form hides keyboard cues

  // Not owned; null or empty means none.
  gdip::TGDIPPicture* picture = nullptr;
  gdip::TGDIPPicture* hotPicture = nullptr;
  gdip::TGDIPPicture* disabledPicture = nullptr;
  bool smallPicture = false;  // a size state below bsLarge with AutoSize: 16 × 16

  TButtonLayout layout = TButtonLayout::blGlyphLeft;
  TButtonPosition position = TButtonPosition::bpStandalone;
  TAntiAlias antiAlias = TAntiAlias::aaClearType;
  StringTrimming trimming = StringTrimming::StringTrimmingNone;
  bool wordWrap = true;
  bool rounded = true;
  bool borderSingle = true;  // BorderStyle is bsSingle
  int marginHorz = 1;
  int marginVert = 1;
  int spacing = 2;
  int dpi = 96;  // the corners' radius, the picture's size and the gaps are designed at 96 dpi

  // The parent paints its own image into dc at the button's place, within
  // `areas` of the client area (none: all of it); empty when there is no
  // parent. Used for the corner pixels of a rounded button and for
  // Transparent.
  std::function<void(HDC dc, std::span<const RECT> areas)> paintParent;
  // Kept by the button; none: made for this paint alone.
  GlowPaintCache* cache = nullptr;
  // OnDrawButton: called after the button is painted.
  std::function<void(HDC dc, const RECT& rect, TGlowButtonState state)> onDrawButton;
};

// Paints the button into the rectangle (left and top 0: the client area).
void DrawGlowButton(HDC dc, const RECT& rect, const GlowButtonPaint& paint);

// What AutoSize makes of the button: the width and height its picture and
// texts need, margins and spacing included (a drop-down part is the
// button's to add).
SIZE GlowButtonSize(HDC dc, const GlowButtonPaint& paint);

}  // namespace ctl
