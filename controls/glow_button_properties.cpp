// The glow button's published properties, in the order the window
// description writes them.
#include "controls/glow_button.h"

template <>
struct fw::EnumNames<ctl::TButtonLayout> {
  using L = ctl::TButtonLayout;
  static constexpr std::pair<L, const char*> table[] = {
      {L::blGlyphLeft, "blGlyphLeft"},
      {L::blGlyphTop, "blGlyphTop"},
      {L::blGlyphRight, "blGlyphRight"},
      {L::blGlyphBottom, "blGlyphBottom"},
      {L::blGlyphLeftAdjusted, "blGlyphLeftAdjusted"},
      {L::blGlyphRightAdjusted, "blGlyphRightAdjusted"},
      {L::blGlyphTopAdjusted, "blGlyphTopAdjusted"},
      {L::blGlyphBottomAdjusted, "blGlyphBottomAdjusted"}};
};
template <>
struct fw::EnumNames<ctl::TAntiAlias> {
  using A = ctl::TAntiAlias;
  static constexpr std::pair<A, const char*> table[] = {
      {A::aaNone, "aaNone"}, {A::aaClearType, "aaClearType"}, {A::aaAntiAlias, "aaAntiAlias"}};
};
template <>
struct fw::EnumNames<ctl::TFocusType> {
  using F = ctl::TFocusType;
  static constexpr std::pair<F, const char*> table[] = {
      {F::ftBorder, "ftBorder"}, {F::ftHot, "ftHot"}, {F::ftHotBorder, "ftHotBorder"}, {F::ftNone, "ftNone"}};
};
template <>
struct fw::EnumNames<ctl::TImageListType> {
  using I = ctl::TImageListType;
  static constexpr std::pair<I, const char*> table[] = {{I::ipActionList, "ipActionList"},
                                                        {I::ipOwnLists, "ipOwnLists"}};
};
template <>
struct fw::EnumNames<ctl::TButtonPosition> {
  using P = ctl::TButtonPosition;
  static constexpr std::pair<P, const char*> table[] = {
      {P::bpStandalone, "bpStandalone"}, {P::bpLeft, "bpLeft"}, {P::bpMiddle, "bpMiddle"}, {P::bpRight, "bpRight"}};
};
template <>
struct fw::EnumNames<ctl::TShortCutHintPos> {
  using P = ctl::TShortCutHintPos;
  static constexpr std::pair<P, const char*> table[] = {
      {P::shpLeft, "shpLeft"}, {P::shpTop, "shpTop"}, {P::shpRight, "shpRight"}, {P::shpBottom, "shpBottom"}};
};
template <>
struct fw::EnumNames<ctl::StringTrimming> {
  using T = ctl::StringTrimming;
  static constexpr std::pair<T, const char*> table[] = {
      {T::StringTrimmingNone, "StringTrimmingNone"},
      {T::StringTrimmingCharacter, "StringTrimmingCharacter"},
      {T::StringTrimmingWord, "StringTrimmingWord"},
      {T::StringTrimmingEllipsisCharacter, "StringTrimmingEllipsisCharacter"},
      {T::StringTrimmingEllipsisWord, "StringTrimmingEllipsisWord"},
      {T::StringTrimmingEllipsisPath, "StringTrimmingEllipsisPath"}};
};
template <>
struct fw::EnumNames<ctl::TDropDownDirection> {
  using D = ctl::TDropDownDirection;
  static constexpr std::pair<D, const char*> table[] = {{D::ddDown, "ddDown"}, {D::ddRight, "ddRight"}};
};
template <>
struct fw::EnumNames<ctl::glow::TDropDownPosition> {
  using D = ctl::glow::TDropDownPosition;
  static constexpr std::pair<D, const char*> table[] = {{D::dpRight, "dpRight"}, {D::dpBottom, "dpBottom"}};
};
template <>
struct fw::EnumNames<ctl::TAdvButtonStyle> {
  using S = ctl::TAdvButtonStyle;
  static constexpr std::pair<S, const char*> table[] = {{S::bsButton, "bsButton"}, {S::bsCheck, "bsCheck"}};
};
template <>
struct fw::EnumNames<ctl::glow::TButtonSizeState> {
  using S = ctl::glow::TButtonSizeState;
  static constexpr std::pair<S, const char*> table[] = {
      {S::bsGlyph, "bsGlyph"}, {S::bsLabel, "bsLabel"}, {S::bsLarge, "bsLarge"}};
};

namespace ctl {

fw::Publication TAdvGlowButton::publication() {
  using B = TAdvGlowButton;
  // A value that repaints, or that measures again, when it changes.
  const auto repainting = [](std::string name, auto defaultValue, auto member) {
    using V = decltype(defaultValue);
    return fw::property<B, V>(
        std::move(name), defaultValue, [member](const B& b) { return b.*member; },
        [member](B& b, V v) {
          if (b.*member == v) return;
          b.*member = std::move(v);
          b.invalidate();
        });
  };
  const auto resizing = [](std::string name, auto defaultValue, auto member) {
    using V = decltype(defaultValue);
    return fw::property<B, V>(
        std::move(name), defaultValue, [member](const B& b) { return b.*member; },
        [member](B& b, V v) {
          if (b.*member == v) return;
          b.*member = std::move(v);
          b.refreshSize();
        });
  };
  const auto notesFont = [](std::string name, auto defaultValue, auto member) {
    using V = decltype(defaultValue);
    return fw::property<B, V>(
        "NotesFont." + name, defaultValue, [member](const B& b) { return b.notesFont_.*member; },
        [member](B& b, V v) {
          if (b.notesFont_.*member == v) return;
          b.notesFont_.*member = std::move(v);
          b.invalidate();
        });
  };
  const auto pictureData = [](std::string name, gdip::TGDIPPicture B::*member) {
    return fw::property<B, desc::Bytes>(
        std::move(name) + ".Data", desc::Bytes{}, [member](const B& b) { return (b.*member).writeData(); },
        [member](B& b, const desc::Bytes& v) { (b.*member).readData(v); });
  };
  const auto dropDown = [](std::string name, auto defaultValue, auto member) {
    using V = decltype(defaultValue);
    return fw::property<B, V>(
        std::move(name), defaultValue, [member](const B& b) { return b.dropDown_.*member; },
        [member](B& b, V v) {
          glow::DropDownOptions d = b.dropDown_;
          d.*member = v;
          b.changeDropDown(d);
        });
  };
  using glow::TButtonSizeState, glow::TDropDownPosition;
  std::vector<fw::PropertyDef> table{
      fw::property<B, std::wstring>("Caption", L"", &B::caption, &B::setCaption),
      repainting("AntiAlias", TAntiAlias::aaClearType, &B::antiAlias_),
      fw::property<B, bool>("AutoSize", false, &B::autoSize, &B::setAutoSize),
      repainting("BorderStyle", fw::BorderStyle::Single, &B::borderStyle_),
      fw::property<B, bool>("Cancel", false, &B::cancel, &B::setCancel),
      fw::property<B, bool>("Default", false, &B::isDefault, &B::setDefault),
      repainting("FocusType", TFocusType::ftBorder, &B::focusType_),
      resizing("ImageIndex", -1, &B::imageIndex_),
      resizing("ImageListType", TImageListType::ipActionList, &B::imageListType_),
      resizing("MarginHorz", 1, &B::marginHorz_),
      resizing("MarginVert", 1, &B::marginVert_),
      fw::property<B, int>("ModalResult", 0, &B::modalResult, &B::setModalResult),
      repainting("Notes.Strings", std::vector<std::wstring>{}, &B::notes_),
      notesFont("Name", std::wstring(L"Tahoma"), &fw::FontSpec::name),
      notesFont("Height", -11, &fw::FontSpec::height),
      notesFont("Color", fw::clWindowText, &fw::FontSpec::color),
      notesFont("Style", fw::FontStyles{}, &fw::FontSpec::style),
      fw::property<B, std::wstring>(
          "OfficeHint.Title", L"", [](const B& b) { return b.officeHint_.Title; },
          [](B& b, std::wstring v) { b.officeHint_.Title = std::move(v); }),
      fw::property<B, std::vector<std::wstring>>(
          "OfficeHint.Notes.Strings", {}, [](const B& b) { return b.officeHint_.Notes; },
          [](B& b, std::vector<std::wstring> v) { b.officeHint_.Notes = std::move(v); }),
      fw::property<B, desc::Bytes>(
          "OfficeHint.Picture.Data", {}, [](const B& b) { return b.officeHint_.Picture.writeData(); },
          [](B& b, const desc::Bytes& v) { b.officeHint_.Picture.readData(v); }),
      fw::property<B, bool>(
          "OfficeHint.ShowHelp", false, [](const B& b) { return b.officeHint_.ShowHelp; },
          [](B& b, bool v) { b.officeHint_.ShowHelp = v; }),
      pictureData("Picture", &B::picture_),
      pictureData("DisabledPicture", &B::disabledPicture_),
      pictureData("HotPicture", &B::hotPicture_),
      repainting("Position", TButtonPosition::bpStandalone, &B::position_),
      repainting("InitRepeatPause", 400, &B::initRepeatPause_),
      repainting("RepeatPause", 100, &B::repeatPause_),
      fw::property<B, bool>("RepeatClick", false, &B::repeatClick, &B::setRepeatClick),
      repainting("Rounded", true, &B::rounded_),
      repainting("ShortCutHint", std::wstring(), &B::shortCutHint_),
      repainting("ShortCutHintPos", TShortCutHintPos::shpTop, &B::shortCutHintPos_),
      resizing("ShowCaption", true, &B::showCaption_),
      repainting("ShowDisabled", true, &B::showDisabled_),
      repainting("Spacing", 2, &B::spacing_),
      repainting("Transparent", false, &B::transparent_),
      repainting("Trimming", StringTrimming::StringTrimmingNone, &B::trimming_),
      repainting("WordWrap", true, &B::wordWrap_),
      fw::property<B, TButtonLayout>("Layout", TButtonLayout::blGlyphLeft, &B::layout, &B::setLayout),
      fw::field<TAdvCustomGlowButton>("ShowHint", false, &B::showHint_),
      fw::field<TAdvCustomGlowButton>("ParentShowHint", true, &B::parentShowHint_),
      fw::property<B, bool>("TabStop", false, &B::tabStop, &B::setTabStop),
      fw::event("OnClick"),
      fw::event("OnMouseEnter"),
      fw::event("OnMouseLeave"),
      fw::event("OnEnter"),
      fw::event("OnExit"),
      fw::event("OnDropDown"),
      fw::property<B, bool>("AllowAllUp", false, &B::allowAllUp, &B::setAllowAllUp),
      fw::property<B, bool>("Down", false, &B::down, &B::setDown),
      fw::property<B, int>("GroupIndex", 0, &B::groupIndex, &B::setGroupIndex),
      fw::property<B, TAdvButtonStyle>("Style", TAdvButtonStyle::bsButton, &B::style, &B::setStyle),
      fw::property<B, TButtonSizeState>("MaxButtonSizeState", TButtonSizeState::bsLarge, &B::maxButtonSizeState,
                                        &B::setMaxButtonSizeState),
      fw::property<B, TButtonSizeState>("MinButtonSizeState", TButtonSizeState::bsGlyph, &B::minButtonSizeState,
                                        &B::setMinButtonSizeState),
      dropDown("DropDownButton", false, &glow::DropDownOptions::button),
      dropDown("DropDownPosition", TDropDownPosition::dpRight, &glow::DropDownOptions::position),
      repainting("DropDownDirection", TDropDownDirection::ddDown, &B::dropDownDirection_),
      dropDown("DropDownSplit", true, &glow::DropDownOptions::split),
  };
  for (fw::PropertyDef& p : appearancePropertyDefs<B>([](auto& b) -> auto& { return b.appearance_; }))
    table.push_back(std::move(p));
  return {"TAdvGlowButton", std::move(table)};
}

}  // namespace ctl
