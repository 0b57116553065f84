#include "controls/glow_paint.h"

namespace ctl {

// Being written: for now only the face colour of the normal state, so that
// the button shows where it is.
void DrawGlowButton(HDC dc, const RECT& rect, const GlowButtonPaint& paint) {
  fw::Brush brush(CreateSolidBrush(fw::toColorRef(paint.appearance.Color)));
  FillRect(dc, &rect, brush.get());
  if (paint.onDrawButton) paint.onDrawButton(dc, rect, TGlowButtonState::gsNormal);
}

SIZE GlowButtonSize(HDC, const GlowButtonPaint&) { return SIZE{100, 41}; }

}  // namespace ctl
