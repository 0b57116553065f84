// A dimension field: a one-line field holding an extended float. While it
// does not have the focus it shows the value through its display format,
// right-aligned, navy or red by the sign of the shown text; while the user
// edits it the text is black and free. Leaving the field (or Validate) reads
// the text back into the value and shows it formatted again; text that does
// not read keeps the old value, with the information beep.
#pragma once

#include <optional>
#include <string>

#include "framework/ui/edit.h"

namespace ctl {

enum class Alignment { Left, Right, Center };
enum class EditBorder { None, Single };

}  // namespace ctl

template <>
struct fw::EnumNames<ctl::Alignment> {
  static constexpr std::pair<ctl::Alignment, const char*> table[] = {
      {ctl::Alignment::Left, "taLeftJustify"}, {ctl::Alignment::Right, "taRightJustify"},
      {ctl::Alignment::Center, "taCenter"}};
};
template <>
struct fw::EnumNames<ctl::EditBorder> {
  static constexpr std::pair<ctl::EditBorder, const char*> table[] = {{ctl::EditBorder::None, "bsNone"},
                                                                      {ctl::EditBorder::Single, "bsSingle"}};
};

namespace ctl {

class TEditFormat : public fw::Published<TEditFormat, fw::EditBox> {
 public:
  TEditFormat();
  static fw::Publication publication();

  // Each setter does nothing when given what it holds; a change shows the
  // value again.
  const std::wstring& displayFormat() const { return displayFormat_; }
  void setDisplayFormat(std::wstring format);
  long double value() const { return value_; }
  void setValue(long double value);
  // One currency character, written after both sections of a format rebuilt
  // from it; any format set before is replaced.
  const std::wstring& monnaie() const { return monnaie_; }
  void setMonnaie(std::wstring currency);

  // The number the text stands for: the value itself while the text is what
  // the field last wrote (its shown decimals never change the value), else
  // the text as typed; nothing when that is no number.
  std::optional<long double> textValue() const;
  // Reads the text into the value (beep and value kept when it does not read).
  void ParseText();
  // Writes the value formatted into the text, and colours it.
  void DisplayValue();
  // ParseText, then DisplayValue, the value taken as the text shows it.
  void Validate();

  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment v);
  // The height follows the font.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);
  EditBorder borderStyle() const { return borderStyle_; }
  void setBorderStyle(EditBorder v) { borderStyle_ = v; }  // before the window is made
  bool hideSelection() const { return hideSelection_; }
  void setHideSelection(bool v) { hideSelection_ = v; }  // before the window is made
  int maxLength() const { return maxLength_; }
  void setMaxLength(int v);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool v);
  // A typed character the field does not take is dropped, silently as in
  // the main window's dimension fields, or with the default beep.
  void setBeepOnRefusedKey(bool v) { beepOnRefusedKey_ = v; }

 protected:
  WindowSpec windowSpec() const override;
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void fontChanged() override;

 private:
  void adjustHeight();
  void keyPress(wchar_t ch);
  // A paste is taken whole when the field's text then reads as a number;
  // otherwise it is refused with the information beep.
  void paste();

  std::wstring displayFormat_;
  std::wstring monnaie_;
  long double value_ = 0;
  std::wstring shownText_;  // what DisplayValue wrote last
  Alignment alignment_ = Alignment::Right;
  bool autoSize_ = true;
  EditBorder borderStyle_ = EditBorder::Single;
  bool hideSelection_ = true;
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool beepOnRefusedKey_ = false;
};

}  // namespace ctl
