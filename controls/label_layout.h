// The arithmetic of the smooth label: where a caption goes, how its text is
// aligned and filled, the font size GDI+ takes and the size the label takes
// on when it fits its caption. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gdip/fill_geometry.h"

namespace ctl {

struct CaptionLayout {
  gdip::TAdvSmoothLabelLocation location = gdip::plCenterCenter;
  gdip::FSize area;      // the label's drawing rectangle (only its size counts)
  gdip::FSize text;      // the measured text
  gdip::FPoint custom;   // Caption.Left, Caption.Top, for plCustom
  gdip::FPoint offset;   // the shadow caption's offsets, else 0
  float fillShift = 0;   // Fill.ShadowOffset when the fill's shadow is stSurround
};
// The top-left corner of the text.
gdip::FPoint captionOrigin(const CaptionLayout& c);

// The horizontal alignment of wrapped text: GDI+'s near, centre and far, or
// the format's own for plCustom.
enum class WrappedAlign { Near, Centre, Far, FormatDefault };
WrappedAlign wrappedAlignment(gdip::TAdvSmoothLabelLocation location);

// The brush a caption's text is drawn with.
enum class TextBrushKind { Solid, Linear, Hatch, Texture, None };
TextBrushKind textBrushKind(gdip::TAdvGradientType type);
// The line of a linear text gradient over the text box at `origin`: the
// start colour at `from`, the end colour at `to`.
struct TextGradientLine {
  gdip::FPoint from, to;
};
TextGradientLine textGradientLine(gdip::TAdvGradientType type, gdip::FPoint origin, gdip::FSize text);

// The GDI+ font style of the framework's style bits: bold, italic and
// underline; strike-out is not carried over.
int gdipFontStyle(unsigned styleBits);
// Points of a font height in pixels (negative: character height), rounded
// half away from zero, and the height that gives a size in points.
int fontPoints(int height, int pixelsPerInch);
int fontHeight(int points, int pixelsPerInch);

// The caption's size in points at `dpi`: `points`, brought down by as much
// as its text measures wider there than its 96-dpi width scaled. Hinting
// draws a line a few per cent wider at one size than at another (at 144 dpi
// FreeSans, standing in for Segoe UI, 3.6 %), which would run a caption into
// the control its design keeps it clear of.
float scaledCaptionPoints(float points, float measuredWidth, float designWidth, int dpi);

// The label's size around its measured caption.
struct ISize {
  int w = 0, h = 0;
  bool operator==(const ISize&) const = default;
};
ISize autoSize(gdip::FSize text);

// The text handed to GDI+: each CR LF pair as a single LF. Both break the
// line alike on Windows; Wine's GDI+ draws the CR as a missing glyph.
std::wstring drawnText(std::wstring_view text);

// A version number's four bytes, from the highest, in decimal, joined by
// dots: 0x01060002 gives "1.6.0.2".
std::string versionText(std::uint32_t version);

}  // namespace ctl
