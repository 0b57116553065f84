// How a modal window was closed: by which button, or by none (Cancel: its
// close box, Alt+F4, Escape).
#pragma once

#include <utility>

#include "framework/desc/value_codec.h"

namespace fw {

enum class ModalResult { None, OK, Cancel, Yes, No };
template <>
struct EnumNames<ModalResult> {
  static constexpr std::pair<ModalResult, const char*> table[] = {{ModalResult::None, "mrNone"},
                                                                  {ModalResult::OK, "mrOk"},
                                                                  {ModalResult::Cancel, "mrCancel"},
                                                                  {ModalResult::Yes, "mrYes"},
                                                                  {ModalResult::No, "mrNo"}};
};

}  // namespace fw
