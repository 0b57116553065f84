#include "controls/glow_button.h"

namespace ctl {

namespace {

constexpr const char* kColorNames[16] = {
    "Appearance.ColorChecked",       "Appearance.ColorCheckedTo",       "Appearance.ColorDisabled",
    "Appearance.ColorDisabledTo",    "Appearance.ColorDown",            "Appearance.ColorDownTo",
    "Appearance.ColorHot",           "Appearance.ColorHotTo",           "Appearance.ColorMirrorHot",
    "Appearance.ColorMirrorHotTo",   "Appearance.ColorMirrorDown",      "Appearance.ColorMirrorDownTo",
    "Appearance.ColorMirrorChecked", "Appearance.ColorMirrorCheckedTo", "Appearance.ColorMirrorDisabled",
    "Appearance.ColorMirrorDisabledTo"};

}  // namespace

std::vector<fw::PropertyDef> TAdvGlowButton::properties() {
  using B = TAdvGlowButton;
  std::vector<fw::PropertyDef> p{
      fw::property<B, std::wstring>("Caption", L"", &B::caption, &B::setCaption),
      fw::property<B, bool>("Default", false, &B::isDefault, &B::setDefault),
      fw::field<B>("ModalResult", 0, &B::modalResult_),
      fw::field<B>("Notes.Strings", std::vector<std::wstring>{}, &B::notes_),
      fw::property<B, std::wstring>("NotesFont.Name", L"Tahoma", [](const B& b) { return b.notesFont_.name; },
                                    [](B& b, std::wstring v) { b.notesFont_.name = std::move(v); }),
      fw::property<B, int>("NotesFont.Height", -11, [](const B& b) { return b.notesFont_.height; },
                           [](B& b, int v) { b.notesFont_.height = v; }),
      fw::property<B, fw::Color>("NotesFont.Color", fw::clWindowText, [](const B& b) { return b.notesFont_.color; },
                                 [](B& b, fw::Color v) { b.notesFont_.color = v; }),
      fw::field<B>("Picture.Data", desc::Bytes{}, &B::picture_),
      fw::field<B>("Layout", ButtonLayout::GlyphLeft, &B::layout_),
      fw::field<B>("ShowHint", false, &B::showHint_),
      fw::field<B>("ParentShowHint", true, &B::parentShowHint_),
      fw::property<B, bool>("TabStop", false, &B::tabStop, &B::setTabStop),
      fw::event("OnClick"),
  };
  for (int i = 0; i < 16; ++i)
    p.push_back(fw::property<B, fw::Color>(
        kColorNames[i], fw::Color{}, [i](const B& b) { return b.colors_[i]; },
        [i](B& b, fw::Color v) { b.colors_[i] = v; }, true));
  return p;
}

TAdvGlowButton::TAdvGlowButton() { setTabStop(false); }

const fw::ClassInfo& TAdvGlowButton::info() {
  static const fw::ClassInfo info("TAdvGlowButton", &fw::Control::info(),
                                  [] { return std::unique_ptr<fw::Control>(new TAdvGlowButton); }, properties());
  return info;
}

}  // namespace ctl
