// How a modal window was closed: by which button, or by none (Cancel: its
// close box, Alt+F4, Escape).
#pragma once

#include <utility>

#include "framework/desc/value_codec.h"

namespace fw {

// The numbers are the usual ones, so a control that keeps its modal result as
// a number (the glow button) hands it over as it stands.
enum class ModalResult { None = 0, OK = 1, Cancel = 2, Yes = 6, No = 7 };
template <>
struct EnumNames<ModalResult> {
  static constexpr std::pair<ModalResult, const char*> table[] = {{ModalResult::None, "mrNone"},
                                                                  {ModalResult::OK, "mrOk"},
                                                                  {ModalResult::Cancel, "mrCancel"},
                                                                  {ModalResult::Yes, "mrYes"},
                                                                  {ModalResult::No, "mrNo"}};
};

}  // namespace fw
