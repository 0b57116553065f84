// GDI+ for the life of the process, started by the first object made
// through objects.h (startOnce), so that the window shows before GDI+ is even
// loaded and a run that draws nothing with it never loads it. A Session of
// one's own (a test's) is counted by GDI+ with the others.
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

// Starts GDI+ at the first call, for the rest of the process: it shuts down
// as the process ends, after every object made since.
void startOnce();

}  // namespace gdip
