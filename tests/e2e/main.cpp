// Entry of the end-to-end tests: each test starts the real program.
#include <windows.h>

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
  // The tests read the screen in its own pixels, at whatever scale it has,
  // as the program (aware of the display's scale) lays itself out in them.
  SetProcessDPIAware();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
