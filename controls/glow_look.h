// What a glow button looks like at a given moment, decided without Windows:
// the state normalised, the colour set picked and faded, the rows of the two
// halves of the face, and where the picture and the texts go. The Windows
// layer (glow_paint) only draws what these decide. Portable.
#pragma once

#include <utility>

#include "controls/glow_appearance.h"
#include "controls/glow_state.h"

namespace ctl {

enum class TButtonLayout {
  blGlyphLeft, blGlyphTop, blGlyphRight, blGlyphBottom,
  blGlyphLeftAdjusted, blGlyphRightAdjusted, blGlyphTopAdjusted, blGlyphBottomAdjusted
};
enum class TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum class TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum class TAntiAlias { aaNone, aaClearType, aaAntiAlias };
// GDI+'s trimming of text that does not fit, with its values.
enum class StringTrimming {
  StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord,
  StringTrimmingEllipsisCharacter, StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
// What OnDrawButton is told.
enum class TGlowButtonState { gsNormal, gsHot, gsDown };

using glow::ButtonState;
using glow::TAdvButtonStyle;

// What painting reads of the button besides its colours and content.
struct GlowPaintState {
  glow::GlowState button;    // between messages
  glow::GroupOptions group;  // style and group
  bool enabled = true;
  bool showDisabled = true;
  bool transparent = false;
  TFocusType focusType = TFocusType::ftBorder;
};

// The state painting shows: a disabled button is StateDisabled; an enabled
// one still marked so comes back as StateExclusive (down in a group) or
// StateUp; a bsCheck button that is down is StateDown. The button keeps what
// this answers (and stops tracking a press while disabled).
ButtonState normalisedState(const GlowPaintState& s);

// p percent of a and the rest of b, channel by channel (Round, at most 255):
// p >= 100 gives a, p < 1 gives b; a clNone gives b, a clNone b gives a.
fw::Color BlendColor(fw::Color a, fw::Color b, int p, const gdip::SystemColorLookup& system);

// The colours of the moment: one state's set, faded while the fade timer
// runs; the state is normalised first.
struct GlowColors {
  fw::Color color, colorTo, colorMirror, colorMirrorTo, border;
  TGDIPGradient gradient, gradientMirror;
  bool operator==(const GlowColors&) const = default;
};
GlowColors glowColors(const GlowPaintState& s, const GlowAppearanceValues& a, const gdip::SystemColorLookup& system);

// The caption's brush colour: the font's, or the state's text colour (hot,
// then down, then checked win); 0x808080 when disabled.
fw::Color captionColor(const GlowPaintState& s, fw::Color fontColor, const GlowAppearanceValues& a);

enum class GlowPicture { Normal, Hot, Disabled };
GlowPicture glowPicture(const GlowPaintState& s, bool hasHotPicture, bool hasDisabledPicture);

bool wantsFocusOutline(const GlowPaintState& s);
// What OnDrawButton is told.
TGlowButtonState drawButtonState(const GlowPaintState& s);

// One half of the face, as GDI+ fills it: a radial gradient over an ellipse
// on a solid fill (which stays outside the ellipse), or a linear gradient
// over the whole rectangle.
struct GlowBox {
  int x, y, w, h;
  bool operator==(const GlowBox&) const = default;
};
enum class LinearMode { Vertical, ForwardDiagonal, BackwardDiagonal };
struct GlowPart {
  GlowBox rect;
  fw::Color solid;
  bool radial;
  GlowBox ellipse;           // radial
  int centreX, centreY;      // radial
  fw::Color centre, surround;  // radial
  fw::Color from, to;        // linear, from its start to its end
  LinearMode mode;           // linear
};
// The two halves of a face of height h at (x, y), in painting order: the
// lower half first (from h div 2 - 1 down), then the upper half over it.
std::pair<GlowPart, GlowPart> glowFace(const GlowColors& c, int x, int y, int w, int h);

// Text boxes are GDI+'s: floating point.
struct TextBox {
  double x, y, w, h;
  bool operator==(const TextBox&) const = default;
};
enum class TextAlign { Near, Center, Far };

// Horizontal and vertical alignment of the text in its area.
std::pair<TextAlign, TextAlign> textAlignment(TButtonLayout layout);

// Notes lay out as blGlyphLeftAdjusted whatever the layout says.
TButtonLayout effectiveLayout(TButtonLayout layout, bool hasNotes);

struct GlowLayoutInput {
  int left, top, width, height;   // the client rectangle
  TButtonLayout layout;           // effective
  int pictureWidth, pictureHeight;  // 0 without a picture
  int marginHorz, spacing;
  bool hasCaption, hasNotes;
  bool classic;                   // classic text path (no GDI+ text)
  int dpi = 96;                   // the small gaps between picture, caption and edge are designed at 96
};
// Where the caption is measured, and where the notes are (narrowed by the
// picture and the spacing).
TextBox captionMeasureArea(const GlowLayoutInput& in);
TextBox notesMeasureArea(const GlowLayoutInput& in);

struct GlowLayout {
  TextBox captionArea, notesArea;
  TextAlign align, lineAlign;
  int pictureX, pictureY;
};
// From the caption's measured box (in the caption area) and the notes'
// measured height; on the classic path the box's width is the one the
// system's text call measured.
GlowLayout layoutGlowButton(const GlowLayoutInput& in, const TextBox& caption, double notesHeight);

// AutoSize: the button's width and height for its measured caption (cw, ch),
// notes (nw, nh) and picture.
std::pair<int, int> glowButtonSize(const GlowLayoutInput& in, double cw, double ch, double nw, double nh,
                                   int marginVert);

}  // namespace ctl
