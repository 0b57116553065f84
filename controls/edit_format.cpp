#include "controls/edit_format.h"

namespace ctl {

const fw::ClassInfo& TEditFormat::info() {
  using E = TEditFormat;
  static const fw::ClassInfo info(
      "TEditFormat", &fw::Control::info(), [] { return std::unique_ptr<fw::Control>(new E); },
      {
          fw::property<E, std::wstring>("DisplayFormat", L"", &E::displayFormat, &E::setDisplayFormat),
          fw::property<E, bool>("TabStop", true, &E::tabStop, &E::setTabStop),
      });
  return info;
}

}  // namespace ctl
