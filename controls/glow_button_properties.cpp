// The glow button's published properties, in the order the window
// description writes them.
#include "controls/glow_button.h"

// Each value with the name the window description writes it by.
#define MORVI_ENUM_NAME(v) {E::v, #v}

template <>
struct fw::EnumNames<ctl::TButtonLayout> {
  using E = ctl::TButtonLayout;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(blGlyphLeft), MORVI_ENUM_NAME(blGlyphTop), MORVI_ENUM_NAME(blGlyphRight),
      MORVI_ENUM_NAME(blGlyphBottom), MORVI_ENUM_NAME(blGlyphLeftAdjusted),
      MORVI_ENUM_NAME(blGlyphRightAdjusted), MORVI_ENUM_NAME(blGlyphTopAdjusted),
      MORVI_ENUM_NAME(blGlyphBottomAdjusted)};
};
template <>
struct fw::EnumNames<ctl::TAntiAlias> {
  using E = ctl::TAntiAlias;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(aaNone), MORVI_ENUM_NAME(aaClearType), MORVI_ENUM_NAME(aaAntiAlias)};
};
template <>
struct fw::EnumNames<ctl::TFocusType> {
  using E = ctl::TFocusType;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(ftBorder), MORVI_ENUM_NAME(ftHot), MORVI_ENUM_NAME(ftHotBorder),
      MORVI_ENUM_NAME(ftNone)};
};
template <>
struct fw::EnumNames<ctl::TImageListType> {
  using E = ctl::TImageListType;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(ipActionList), MORVI_ENUM_NAME(ipOwnLists)};
};
template <>
struct fw::EnumNames<ctl::TButtonPosition> {
  using E = ctl::TButtonPosition;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(bpStandalone), MORVI_ENUM_NAME(bpLeft), MORVI_ENUM_NAME(bpMiddle),
      MORVI_ENUM_NAME(bpRight)};
};
template <>
struct fw::EnumNames<ctl::TShortCutHintPos> {
  using E = ctl::TShortCutHintPos;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(shpLeft), MORVI_ENUM_NAME(shpTop), MORVI_ENUM_NAME(shpRight),
      MORVI_ENUM_NAME(shpBottom)};
};
template <>
struct fw::EnumNames<ctl::StringTrimming> {
  using E = ctl::StringTrimming;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(StringTrimmingNone), MORVI_ENUM_NAME(StringTrimmingCharacter),
      MORVI_ENUM_NAME(StringTrimmingWord), MORVI_ENUM_NAME(StringTrimmingEllipsisCharacter),
      MORVI_ENUM_NAME(StringTrimmingEllipsisWord), MORVI_ENUM_NAME(StringTrimmingEllipsisPath)};
};
template <>
struct fw::EnumNames<ctl::TDropDownDirection> {
  using E = ctl::TDropDownDirection;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(ddDown), MORVI_ENUM_NAME(ddRight)};
};
template <>
struct fw::EnumNames<ctl::glow::TDropDownPosition> {
  using E = ctl::glow::TDropDownPosition;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(dpRight), MORVI_ENUM_NAME(dpBottom)};
};
template <>
struct fw::EnumNames<ctl::TAdvButtonStyle> {
  using E = ctl::TAdvButtonStyle;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(bsButton), MORVI_ENUM_NAME(bsCheck)};
};
template <>
struct fw::EnumNames<ctl::glow::TButtonSizeState> {
  using E = ctl::glow::TButtonSizeState;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(bsGlyph), MORVI_ENUM_NAME(bsLabel), MORVI_ENUM_NAME(bsLarge)};
};

#undef MORVI_ENUM_NAME

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
