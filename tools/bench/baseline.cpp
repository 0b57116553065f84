// The yardstick of `make bench`: the least Win32 program that does what Morvi
// does at start and for a print. At start it reads the default printer's
// orientation; a window with a button; the button asks with the same task
// dialog and, on "Oui", prints the same ruler page (1:100, portrait) with
// the same GDI calls on the default printer.
#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int printButtonId = 1;

// The default printer with the driver's current settings, as Morvi's
// printer object holds it.
struct DefaultPrinter {
  wchar_t name[256]{};
  HANDLE handle = nullptr;
  std::vector<char> settings;
  DEVMODEW* mode() { return reinterpret_cast<DEVMODEW*>(settings.data()); }
  bool open() {
    DWORD size = 256;
    if (!GetDefaultPrinterW(name, &size) || !OpenPrinterW(name, &handle, nullptr)) return false;
    const LONG bytes = DocumentPropertiesW(nullptr, handle, name, nullptr, nullptr, 0);
    if (bytes <= 0) return false;
    settings.resize(size_t(bytes));
    return DocumentPropertiesW(nullptr, handle, name, mode(), nullptr, DM_OUT_BUFFER) >= 0;
  }
  ~DefaultPrinter() {
    if (handle) ClosePrinter(handle);
  }
};

// Opened at start, where Morvi reads the default printer's orientation (the
// settings file's fallback), and kept for printing, as Morvi keeps it.
DefaultPrinter& thePrinter() {
  static DefaultPrinter printer;
  return printer;
}

void printRuler() {
  DefaultPrinter& printer = thePrinter();
  if (printer.settings.empty()) return;
  const wchar_t* name = printer.name;
  DEVMODEW* mode = printer.mode();
  mode->dmOrientation = DMORIENT_PORTRAIT;
  mode->dmFields |= DM_ORIENTATION;
  HDC dc = CreateDCW(L"WINSPOOL", name, nullptr, mode);
  const double y = GetDeviceCaps(dc, LOGPIXELSY) / 254.0;
  const double x = GetDeviceCaps(dc, LOGPIXELSX) / 254.0;
  DOCINFOW doc{sizeof doc, L""};
  StartDocW(dc, &doc);
  StartPage(dc);
  HFONT font = CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                           DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HGDIOBJ old = SelectObject(dc, font);
  TextOutW(dc, static_cast<int>(std::nearbyint(900 * x)), 50, L"Echelle 1:100", 13);
  for (int p = 0; p <= 2500; ++p) {
    const int row = static_cast<int>(std::nearbyint(p * y + 100));
    if (p % 10 == 0) {
      MoveToEx(dc, static_cast<int>(std::nearbyint(500 * x)), row, nullptr);
      LineTo(dc, static_cast<int>(std::nearbyint(700 * x)), row);
    }
    if (p % 100 == 0) {
      MoveToEx(dc, static_cast<int>(std::nearbyint(500 * x)), row, nullptr);
      LineTo(dc, static_cast<int>(std::nearbyint(750 * x)), row);
      wchar_t label[16];
      const int length = swprintf(label, 16, L"%dm", p / 100);
      TextOutW(dc, static_cast<int>(std::nearbyint(800 * x)), row - 20, label, length);
    }
  }
  EndPage(dc);
  EndDoc(dc);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
}

void confirmAndPrint(HWND owner) {
  TASKDIALOG_BUTTON buttons[] = {{IDYES, L"&Oui"}, {IDNO, L"&Non"}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.pszWindowTitle = L"Confirmation";
  config.pszMainIcon = TD_INFORMATION_ICON;
  config.pszContent = L"Confirmez l'impression";
  config.cButtons = 2;
  config.pButtons = buttons;
  config.nDefaultButton = IDYES;
  int pressed = 0;
  if (SUCCEEDED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr)) && pressed == IDYES) printRuler();
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == printButtonId) {
    confirmAndPrint(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (thePrinter().open()) {
    volatile short orientation = thePrinter().mode()->dmOrientation;
    (void)orientation;
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"MorviBaseline";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(L"MorviBaseline", L"Morvi baseline", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                              CW_USEDEFAULT, CW_USEDEFAULT, 503, 518, nullptr, nullptr, instance, nullptr);
  CreateWindowW(L"BUTTON", L"Imprimer le morvi", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 293, 119, 183, 52, window,
                reinterpret_cast<HMENU>(printButtonId), instance, nullptr);
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
