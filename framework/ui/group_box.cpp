#include "framework/ui/group_box.h"

#include <oleacc.h>

namespace fw {

Publication GroupBox::publication() {
  return {"TGroupBox",
          {
              property<GroupBox, std::wstring>("Caption", L"", &GroupBox::caption, &GroupBox::setCaption),
          }};
}

long GroupBox::accessibleRole() const { return ROLE_SYSTEM_GROUPING; }

int GroupBox::captionHeight() {
  ScreenDC screen;
  Selection selectFont(screen.dc(), fontHandle());
  TEXTMETRICW tm;
  GetTextMetricsW(screen.dc(), &tm);
  return tm.tmHeight;
}

void GroupBox::paint(HDC dc, const RECT& client) {
  paintBackground(dc, client);
  Selection selectFont(dc, fontHandle());
  SIZE text{};
  GetTextExtentPoint32W(dc, caption().c_str(), int(caption().size()), &text);
  RECT frame = client;
  frame.top += text.cy / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (caption().empty()) return;
  RECT label{8, 0, 8 + text.cx + 4, text.cy};
  FillRect(dc, &label, backgroundBrush());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, toColorRef(font().color));
  TextOutW(dc, 10, 0, caption().c_str(), int(caption().size()));
}

}  // namespace fw
