#include "app/about_box.h"

#include <shellapi.h>

#include <string>

#include "app/links.h"
#include "framework/system/com.h"
#include "framework/ui/message_dialog.h"
#include "morvi_version.h"

namespace about {
namespace {

HRESULT CALLBACK boxEvents(HWND box, UINT notification, WPARAM, LPARAM, LONG_PTR) {
  if (notification == TDN_HYPERLINK_CLICKED) {
    fw::startCom();  // which the shell's handlers of an address may use
    ShellExecuteW(box, L"open", links::kWebSite, nullptr, nullptr, SW_SHOW);
  }
  return S_OK;
}

void show(HWND owner) {
  const fw::TaskDialogIndirectFn showDialog = fw::taskDialogEntry();
  if (!showDialog) return;
  const std::wstring content = L"Version " MORVI_VERSION L"\n<a href=\"" + std::wstring(links::kWebSite) + L"\">" +
                               links::kWebSite + L"</a>";
  // The button carries the cancel command, so Escape and the close box end
  // the box as it does.
  const TASKDIALOG_BUTTON close{IDCANCEL, L"Fermer"};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = owner;
  config.dwFlags = TDF_ENABLE_HYPERLINKS | TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = kCaption;
  config.pszMainInstruction = L"Morvi";
  config.pszContent = content.c_str();
  config.cButtons = 1;
  config.pButtons = &close;
  config.pfCallback = boxEvents;
  showDialog(&config, nullptr, nullptr, nullptr);
}

}  // namespace

void addToSystemMenu(HWND window) {
  const HMENU menu = GetSystemMenu(window, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kCommand, L"À &propos de Morvi…");
}

bool onSystemCommand(HWND window, WPARAM command) {
  if ((command & 0xFFF0) != kCommand) return false;
  show(window);
  return true;
}

}  // namespace about
