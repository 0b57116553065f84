// A dimension field: a number shown with a display format. For now a plain
// edit that carries the display format.
#pragma once

#include "framework/ui/edit.h"

namespace ctl {

class TEditFormat : public fw::Edit {
 public:
  static const fw::ClassInfo& info();
  const fw::ClassInfo& classInfo() const override { return info(); }

  const std::wstring& displayFormat() const { return displayFormat_; }
  void setDisplayFormat(std::wstring v) { displayFormat_ = std::move(v); }

 private:
  std::wstring displayFormat_;
};

}  // namespace ctl
