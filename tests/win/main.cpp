// Entry of the Windows unit tests: the same process set-up as the program's.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "gdip/session.h"

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  gdip::Session gdiplus;  // before any window, as in the program
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
