#include "gdip/session.h"

namespace gdip {
namespace {

DWORD windowsMajorVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExW(&info) ? info.dwMajorVersion : 0;
}

}  // namespace

Session::Session() {
  Gdiplus::GdiplusStartupInput input(nullptr, TRUE, FALSE);
  Gdiplus::GdiplusStartupOutput output;
  status_ = Gdiplus::GdiplusStartup(&token_, &input, &output);
  if (status_ == Gdiplus::Ok && windowsMajorVersion() < 6 && output.NotificationHook &&
      output.NotificationHook(&hookToken_) == Gdiplus::Ok) {
    unhook_ = output.NotificationUnhook;
  }
}

Session::~Session() {
  if (status_ != Gdiplus::Ok) return;
  if (unhook_) unhook_(hookToken_);
  Gdiplus::GdiplusShutdown(token_);
}

void startOnce() { static const Session session; }

}  // namespace gdip
