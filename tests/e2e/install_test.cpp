// The setup program as a Windows user meets it, in a Wine prefix of its own:
// a silent install puts the program, the Start-menu shortcut and the "Apps &
// features" entry in place; the installed program runs and its About box
// shows the version of its version resource and of the setup's name; a setup
// started while Morvi runs refuses before touching anything; a second install
// leaves one entry; the silent uninstall takes everything away but the
// user's settings file.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/about_box.h"
#include "app/links.h"
#include "morvi_process.h"
#include "tests/support/process.h"
#include "tests/support/version_info.h"
#include "tests/support/window_search.h"

using e2e::MorviProcess;

namespace {

const wchar_t kUninstallRoot[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morvi";

std::wstring folder(int id) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

struct Places {
  std::wstring dir = folder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Morvi";
  std::wstring program = dir + L"\\Morvi.exe";
  std::wstring uninstaller = dir + L"\\Uninstall.exe";
  std::wstring shortcut = folder(CSIDL_PROGRAMS) + L"\\Morvi.lnk";
  std::wstring settings = folder(CSIDL_APPDATA) + L"\\Plandrel\\Plandrel.ini";
};

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs a program with its arguments to its end; its exit code.
DWORD run(const std::wstring& program, const std::wstring& arguments) {
  return automation::runToEnd(program, arguments, 120000);
}

std::wstring registryText(const wchar_t* key, const wchar_t* name) {
  wchar_t value[512] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return L"<missing>";
  return value;
}

DWORD registryNumber(const wchar_t* name) {
  DWORD value = 0, size = sizeof value;
  RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// Entries of "Apps & features" that show the name Morvi.
int entriesNamedMorvi() {
  HKEY root;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallRoot, 0, KEY_READ, &root) != ERROR_SUCCESS) return 0;
  int count = 0;
  wchar_t name[256];
  for (DWORD i = 0, size = 256; RegEnumKeyExW(root, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, size = 256)
    count += registryText((std::wstring(kUninstallRoot) + L"\\" + name).c_str(), L"DisplayName") == L"Morvi";
  RegCloseKey(root);
  return count;
}

std::wstring shortcutTarget(const std::wstring& shortcut) {
  CoInitialize(nullptr);
  std::wstring target;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
      target = path;
    if (file) file->Release();
    link->Release();
  }
  CoUninitialize();
  return target;
}

FILETIME lastWrite(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

// Leaves the prefix as if Morvi had never been installed or run in it.
void forgetEarlierRuns(const Places& places) {
  for (const std::wstring& file : {places.program, places.uninstaller, places.shortcut, places.settings})
    DeleteFileW(file.c_str());
  RemoveDirectoryW(places.dir.c_str());
  RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
}

}  // namespace

TEST(Install, SilentSetupRunAndUninstall) {
  const Places places;
  const std::wstring setup = e2e::pathFromEnvironment("MORVI_SETUP");
  forgetEarlierRuns(places);
  ASSERT_FALSE(exists(places.dir));

  // The setup program's name carries the version: Morvi-<version>-setup.exe.
  const std::wstring setupName = setup.substr(setup.rfind(L'\\') + 1);
  const std::wstring nameVersion = setupName.substr(6, setupName.size() - 6 - 10);
  ASSERT_EQ(setupName, L"Morvi-" + nameVersion + L"-setup.exe");

  ASSERT_EQ(run(setup, L"/S"), 0u);
  EXPECT_TRUE(exists(places.program));
  EXPECT_TRUE(exists(places.uninstaller));
  EXPECT_EQ(shortcutTarget(places.shortcut), places.program);
  EXPECT_EQ(registryText(kUninstallKey, L"DisplayName"), L"Morvi");
  EXPECT_EQ(registryText(kUninstallKey, L"DisplayVersion"), nameVersion);
  EXPECT_EQ(registryText(kUninstallKey, L"DisplayIcon"), places.program);
  EXPECT_EQ(registryText(kUninstallKey, L"UninstallString"), L"\"" + places.uninstaller + L"\"");
  EXPECT_GT(registryNumber(L"EstimatedSize"), 100u);  // kilobytes

  const automation::VersionInfo resource(places.program);
  ASSERT_TRUE(resource.loaded());
  EXPECT_EQ(resource.text(L"ProductVersion"), nameVersion);
  EXPECT_EQ(registryText(kUninstallKey, L"Publisher"), resource.text(L"CompanyName"));

  {
    MorviProcess morvi(e2e::Printers::Installed, places.program);
    // The item of the system menu (Wine adds one of its own with the same key).
    PostMessageW(morvi.window(), WM_SYSCOMMAND, about::kCommand, 0);
    const HWND box = morvi.dialog(about::kCaption);
    ASSERT_TRUE(box);
    const std::wstring site = links::kWebSite;
    EXPECT_TRUE(automation::descendantWithText(box, L"Morvi"));
    EXPECT_TRUE(automation::descendantWithText(
        box, L"Version " + nameVersion + L"\n<a href=\"" + site + L"\">" + site + L"</a>"));
    morvi.press(VK_ESCAPE);
    EXPECT_FALSE(automation::topLevelOf(morvi.processId(), about::kCaption));

    // A setup started now changes nothing and says so by its exit code.
    const FILETIME before = lastWrite(places.uninstaller);
    EXPECT_EQ(run(setup, L"/S"), 2u);
    const FILETIME after = lastWrite(places.uninstaller);
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_TRUE(exists(places.settings));

  ASSERT_EQ(run(setup, L"/S"), 0u);
  EXPECT_EQ(entriesNamedMorvi(), 1);

  // The uninstaller runs from a copy of itself and returns at once: wait for
  // the entry to go, its last step.
  ASSERT_EQ(run(places.uninstaller, L"/S"), 0u);
  const auto entryIsThere = [] { return registryText(kUninstallKey, L"DisplayName") != L"<missing>"; };
  for (int i = 0; i < 300 && entryIsThere(); ++i) e2e::pause(100);
  ASSERT_FALSE(entryIsThere());
  EXPECT_FALSE(exists(places.program));
  EXPECT_FALSE(exists(places.uninstaller));
  EXPECT_FALSE(exists(places.dir));
  EXPECT_FALSE(exists(places.shortcut));
  EXPECT_TRUE(exists(places.settings));
}
