#include "framework/ui/beep.h"

#include <utility>

namespace fw {
namespace {

std::function<void(UINT)>& beepHook() {
  static std::function<void(UINT)> hook;
  return hook;
}

}  // namespace

void beep(UINT type) {
  if (beepHook()) beepHook()(type);
  else MessageBeep(type);
}

void setBeepHook(std::function<void(UINT)> hook) { beepHook() = std::move(hook); }

}  // namespace fw
