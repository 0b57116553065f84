// GDI+ for the life of the process: the program's entry makes one Session
// before the main window exists and lets it go after the message loop.
#pragma once

#include "gdip/gdiplus_api.h"

namespace gdip {

class Session {
 public:
  // Version 1, no debug callback, background thread suppressed, external
  // codecs allowed. Below Windows 6 the notification hook is called with a
  // token of our own, so that GDI+ can do its background work there.
  Session();
  // Unhooks (below Windows 6), then shuts GDI+ down.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  GpStatus status() const { return status_; }

 private:
  ULONG_PTR token_ = 0;
  ULONG_PTR hookToken_ = 0;
  Gdiplus::NotificationUnhookProc unhook_ = nullptr;
  GpStatus status_ = Gdiplus::GenericError;
};

}  // namespace gdip
