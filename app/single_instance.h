// One Morvi at a time. A second start brings the running window forward and
// ends: one window alone writes the settings at its end, so no change that
// its user made is overwritten by another window's older values.
#pragma once

#include <windows.h>

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this start is the one to run. Otherwise the running window (or
  // the dialog it shows) has been brought forward, and this start ends. A
  // copy that is still starting or already closing is waited for a while.
  bool claim();

  // Marks `window` as the one a second start brings forward, until it is
  // destroyed.
  static void markMainWindow(HWND window);

 private:
  HANDLE mutex_;
  bool owned_ = false;
};
