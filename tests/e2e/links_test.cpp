// The mail and web links from the keyboard: after "En savoir plus...", Tab
// reaches them, and Enter or Space has the shell open their address.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "morvi_process.h"

using e2e::MorviProcess;

namespace {

// The addresses the program had the shell open. Wine hands mail addresses to
// xdg-email and web addresses to xdg-open, looked for on the Unix PATH the
// program was started with; CTest puts the test's stand-ins first on it
// (tests/e2e/opener), and they note each address in the log that
// MORVI_OPENED_LOG names.
class OpenedAddresses {
 public:
  OpenedAddresses() : log_(e2e::pathFromEnvironment("MORVI_OPENED_LOG")) { DeleteFileW(log_.c_str()); }

  // Once `count` addresses were opened, or after ten seconds: those opened.
  std::vector<std::string> awaited(size_t count) const {
    std::vector<std::string> lines;
    for (int i = 0; i < 200 && lines.size() < count; ++i) {
      e2e::pause(50);
      lines.clear();
      std::ifstream log{std::filesystem::path(log_)};
      for (std::string line; std::getline(log, line);) lines.push_back(line);
    }
    return lines;
  }

 private:
  std::wstring log_;
};

}  // namespace

TEST(Links, TabFromEnSavoirPlusReachesTheMailLinkWhichEnterOpens) {
  OpenedAddresses opened;
  MorviProcess morvi;
  const HWND more = morvi.control("BtSavoirPlus"), mail = morvi.control("Label2"), web = morvi.control("Label6");
  ASSERT_TRUE(more && mail && web);

  // "En savoir plus..." is three stops back from the first field.
  morvi.click(morvi.control("CotePlan"));
  for (int i = 0; i < 3; ++i) morvi.press(VK_TAB, VK_SHIFT);
  ASSERT_EQ(morvi.focus(), more);
  morvi.press(VK_TAB);
  EXPECT_EQ(morvi.focus(), mail);
  morvi.press(VK_RETURN);  // the link's, not the default button's
  EXPECT_EQ(opened.awaited(1), std::vector<std::string>{"mailto:contact@plandrel.fr"});
  morvi.press(VK_TAB);
  EXPECT_EQ(morvi.focus(), web);
  morvi.press(VK_SPACE);
  // The shell hands a web address on in its canonical form: the root with its slash.
  EXPECT_EQ(opened.awaited(2), (std::vector<std::string>{"mailto:contact@plandrel.fr", "https://www.plandrel.fr/"}));
}
