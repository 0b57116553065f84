#include "framework/ui/edit.h"

namespace fw {

EditBox::EditBox() {
  setTabStop(true);
  setDefaultColor(clWindow);
}

Publication Edit::publication() {
  return {"TEdit",
          {
              property<Edit, std::wstring>("Text", L"", &Edit::text, &Edit::setText),
              property<Edit, bool>("TabStop", true, &Edit::tabStop, &Edit::setTabStop),
              event("OnChange"),
          }};
}

Control::WindowSpec EditBox::windowSpec() const {
  return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

void EditBox::captionChanged() {
  Control::captionChanged();
  if (handle()) changed();
}

void EditBox::command(WORD code) {
  if (code != EN_CHANGE) return;
  // Keep the text in step with what was typed, then tell.
  int n = GetWindowTextLengthW(handle());
  std::wstring t(size_t(n) + 1, L'\0');
  GetWindowTextW(handle(), t.data(), n + 1);
  t.resize(size_t(n));
  if (t == text()) return;
  setCaptionSilently(std::move(t));
  changed();
}

}  // namespace fw
