#include "framework/ui/message_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/desc/dpi_scaling.h"
#include "framework/graphics/gdi.h"
#include "framework/ui/accessible.h"
#include "framework/ui/application.h"
#include "framework/ui/monitor_dpi.h"
#include "framework/ui/radio_layout.h"
#include "framework/ui/scrolling_pane.h"
#include "framework/ui/window_state.h"

namespace fw {
namespace {

struct ButtonFace {
  DialogButton button;
  const wchar_t* caption;
  ModalResult result;
};
constexpr ButtonFace buttonFaces[] = {
    {DialogButton::Yes, L"&Oui", ModalResult::Yes},
    {DialogButton::No, L"&Non", ModalResult::No},
    {DialogButton::OK, L"OK", ModalResult::OK},
    {DialogButton::Cancel, L"Annuler", ModalResult::Cancel},
};

// Command ids of the buttons, clear of IDOK and IDCANCEL which the dialog
// manager sends for Enter and Escape.
constexpr int firstButtonId = 100;
int commandId(ModalResult r) { return firstButtonId + static_cast<int>(r); }
ModalResult resultOf(int id) { return static_cast<ModalResult>(id - firstButtonId); }
// The choices' ids follow the buttons'.
constexpr int firstChoiceId = 200;
// Posted when a choice may have been checked: read once the click or the
// arrow key has done its work.
constexpr UINT choiceCheckedMessage = WM_APP + 1;

std::vector<ButtonFace> shownButtons(DialogButtons buttons) {
  std::vector<ButtonFace> shown;
  for (const ButtonFace& face : buttonFaces) {
    if (buttons.has(face.button)) shown.push_back(face);
  }
  if (shown.empty()) shown.push_back(buttonFaces[2]);  // a dialog always has a way out
  return shown;
}

const wchar_t* captionOf(DialogType type) {
  switch (type) {
    case DialogType::Warning: return L"Avertissement";
    case DialogType::Error: return L"Erreur";
    case DialogType::Information: return L"Information";
    case DialogType::Confirmation: break;
  }
  return L"Confirmation";
}

// Escape arrives at the task dialog as the dialog manager's IDCANCEL. Windows
// ends the dialog with the cancel result; Wine ignores it unless a Cancel
// button is shown. Closing the window instead gives that result on both.
LRESULT CALLBACK escapeClosesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && lParam == 0) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, escapeClosesProc, 1);
  return DefSubclassProc(window, message, wParam, lParam);
}

HRESULT CALLBACK taskDialogEvents(HWND window, UINT notification, WPARAM, LPARAM, LONG_PTR) {
  if (notification == TDN_CREATED) SetWindowSubclass(window, escapeClosesProc, 1, 0);
  return S_OK;
}

int windowsMajorVersion() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExW(&version) ? static_cast<int>(version.dwMajorVersion) : 0;
}

// The program's own dialog form.

struct FormState {
  ModalResult result = ModalResult::None;
  ModalResult escapeResult;  // the cancel button's: Cancel, else No, else OK
  int defaultId;
  DWORD openedAt = 0;  // the tick count when it was shown
  // The choices' view, what it shows, its choices' buttons and "Oui".
  ChoiceView* view = nullptr;
  int shownChoice = -1;
  std::vector<HWND> choiceButtons;
  HWND yes = nullptr;
};

// The view follows the choice checked; "Oui" only where it may be answered.
void showChoice(FormState& state, int chosen) {
  if (!state.view || chosen == state.shownChoice) return;
  state.shownChoice = chosen;
  const bool answerable = state.view->show(chosen);
  if (state.yes) EnableWindow(state.yes, answerable);
}

int checkedChoice(const FormState& state) {
  for (std::size_t i = 0; i < state.choiceButtons.size(); ++i)
    if (SendMessageW(state.choiceButtons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
  return state.shownChoice;
}

ModalResult escapeResultOf(const std::vector<ButtonFace>& shown) {
  for (const DialogButton b : {DialogButton::Cancel, DialogButton::No}) {
    for (const ButtonFace& face : shown) {
      if (face.button == b) return face.result;
    }
  }
  return shown.front().result;
}

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FormState* state = windowState<FormState>(window, message, lParam);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      // Escape reaches here as IDCANCEL from the dialog manager.
      if (LOWORD(wParam) == IDCANCEL) {
        state->result = state->escapeResult;
      } else if (LOWORD(wParam) >= firstChoiceId) {
        PostMessageW(window, choiceCheckedMessage, 0, 0);
      } else if (LOWORD(wParam) >= firstButtonId && IsWindowEnabled(GetDlgItem(window, LOWORD(wParam)))) {
        state->result = resultOf(LOWORD(wParam));
      }
      return 0;
    case choiceCheckedMessage:
      showChoice(*state, checkedChoice(*state));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(state->defaultId, DC_HASDEFID);
    case WM_CLOSE:  // the close box and Alt+F4
      state->result = ModalResult::Cancel;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void registerFormClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = formProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = dialogFormClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

struct DestroyWindowDeleter {
  void operator()(HWND w) const { DestroyWindow(w); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowDeleter>;

// An answered dialog leaves the screen at once, and the message loop
// destroys its windows after the work the answer starts: with a choice of
// printers they are a dozen, which Wine takes 5 to 25 ms to tear down, and
// a print need not wait for that. Its state ends with the call, so the form
// forgets it.
void closeLater(OwnedWindow dialog) {
  ShowWindow(dialog.get(), SW_HIDE);
  SetWindowLongPtrW(dialog.get(), GWLP_USERDATA, 0);
  PostMessageW(dialog.release(), WM_CLOSE, 0, 0);
}

const wchar_t* iconOf(DialogType type) {
  switch (type) {
    case DialogType::Warning: return IDI_WARNING;
    case DialogType::Error: return IDI_ERROR;
    case DialogType::Information: return IDI_INFORMATION;
    case DialogType::Confirmation: break;
  }
  return IDI_QUESTION;
}

// Sizes at 96 dots per inch, scaled to the dialog's monitor.
struct FormMetrics {
  int margin, icon, gap, textWidth, buttonWidth, buttonHeight, buttonGap, viewWidth, viewHeight;
};

FormMetrics scaledMetrics(int dpi) {
  const auto s = [dpi](int v) { return desc::scaleLength(v, dpi); };
  return {s(12), GetSystemMetrics(SM_CXICON), s(12), s(360), s(75), s(25), s(6), s(230), s(300)};
}

// The system's dialog font, made for the system's DPI, at the dialog's.
Font dialogFont(int dpi) {
  LOGFONTW face{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfHeight = MulDiv(face.lfHeight, dpi, GetDeviceCaps(ScreenDC().dc(), LOGPIXELSY));
  return Font(CreateFontIndirectW(&face));
}

SIZE measureText(std::wstring_view text, HFONT font, int maxWidth) {
  HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(screen, text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return {r.right, r.bottom};
}

HWND addChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id, HFONT font) {
  HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

// The second click of a double-click on the button that opened the dialog
// lands on whatever the dialog shows under the pointer: a press on a choice
// counts once the system's double-click time has passed since the dialog
// opened (a press made earlier and still queued counts not at all).
bool pressTooSoonOnAChoice(const MSG& msg, HWND dialog, DWORD openedAt) {
  if (msg.message != WM_LBUTTONDOWN && msg.message != WM_LBUTTONDBLCLK) return false;
  return IsChild(dialog, msg.hwnd) && GetDlgCtrlID(msg.hwnd) >= firstChoiceId &&
         static_cast<LONG>(msg.time - openedAt) < static_cast<LONG>(GetDoubleClickTime());
}

// Runs until a result is set; a quit message ends the dialog with Cancel and
// goes on to the outer loop.
ModalResult runModal(HWND dialog, FormState& state) {
  MSG msg;
  while (state.result == ModalResult::None) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return ModalResult::Cancel;
    }
    if (pressTooSoonOnAChoice(msg, dialog, state.openedAt)) continue;
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return state.result;
}

}  // namespace

// Only version 6 of the common controls has the task dialog; looking it up
// keeps the program starting where an older one is loaded.
TaskDialogIndirectFn taskDialogEntry() {
  const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  if (!controls) return nullptr;
  return reinterpret_cast<TaskDialogIndirectFn>(
      reinterpret_cast<void*>(GetProcAddress(controls, "TaskDialogIndirect")));
}

bool taskDialogAvailable() {
  return IsThemeActive() && IsAppThemed() && windowsMajorVersion() >= 6 && taskDialogEntry() != nullptr;
}

ModalResult taskDialog(std::wstring_view text, DialogType type, DialogButtons buttons, std::wstring_view footer) {
  const std::vector<ButtonFace> shown = shownButtons(buttons);
  std::vector<TASKDIALOG_BUTTON> taskButtons;
  for (const ButtonFace& face : shown) taskButtons.push_back({commandId(face.result), face.caption});
  const std::wstring content(text);
  const std::wstring footerText(footer);

  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = GetActiveWindow();
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.pszWindowTitle = captionOf(type);
  config.pszMainIcon = type == DialogType::Warning ? TD_WARNING_ICON
                       : type == DialogType::Error ? TD_ERROR_ICON
                                                   : TD_INFORMATION_ICON;
  config.pszContent = content.c_str();
  if (!footerText.empty()) config.pszFooter = footerText.c_str();
  config.cButtons = static_cast<UINT>(taskButtons.size());
  config.pButtons = taskButtons.data();
  config.nDefaultButton = taskButtons.front().nButtonID;
  config.pfCallback = taskDialogEvents;

  int pressed = 0;
  const TaskDialogIndirectFn show = taskDialogEntry();
  if (!show || FAILED(show(&config, &pressed, nullptr, nullptr))) return dialogForm(text, type, buttons, footer);
  return pressed >= firstButtonId ? resultOf(pressed) : ModalResult::Cancel;
}

ModalResult dialogForm(std::wstring_view text, DialogType type, DialogButtons buttons, std::wstring_view footer,
                       DialogChoices* choices) {
  registerFormClass();
  const std::vector<ButtonFace> shown = shownButtons(buttons);
  FormState state{ModalResult::None, escapeResultOf(shown), commandId(shown.front().result)};

  // Opened in the middle of the work area of the monitor its owner is on
  // (the main screen without one), at that monitor's DPI.
  const HWND owner = GetActiveWindow();
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(owner ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                        : MonitorFromPoint({GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2},
                                           MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  const RECT work = monitor.rcWork;
  const int dpi = monitorDpiAt({(work.left + work.right) / 2, (work.top + work.bottom) / 2});
  const FormMetrics m = scaledMetrics(dpi);
  const Font ownedFont = dialogFont(dpi);
  const HFONT font = ownedFont.get();
  const SIZE textSize = measureText(text, font, m.textWidth);
  const SIZE footerSize = footer.empty() ? SIZE{0, -m.margin} : measureText(footer, font, m.textWidth);
  const int buttonsWidth = static_cast<int>(shown.size()) * (m.buttonWidth + m.buttonGap) - m.buttonGap;
  const std::vector<std::wstring> items = choices ? choices->items : std::vector<std::wstring>{};
  // One line each, whatever its length.
  const int choiceHeight = desc::scaleLength(24, dpi), choiceIndent = desc::scaleLength(20, dpi);
  int choicesWidth = 0;
  for (const std::wstring& item : items)
    choicesWidth = std::max<int>(choicesWidth, measureText(item, font, 1 << 16).cx);
  const int textLeft = m.margin + m.icon + m.gap;
  const int choicesTop = m.margin + std::max<int>(m.icon, textSize.cy) + (items.empty() ? 0 : m.margin);
  // The height of all but the choices, which get the room the work area leaves.
  const int belowChoices = m.margin + m.buttonHeight + m.margin + footerSize.cy + m.margin;
  const int othersHeight = choicesTop + belowChoices;
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  ChoiceView* const view = choices ? choices->view : nullptr;
  const int chosenAtFirst = choices ? choices->chosen : -1;
  const ShownLines shownChoices =
      shownLines(static_cast<int>(items.size()), choiceHeight,
                 work.bottom - work.top - (frame.bottom - frame.top) - othersHeight, chosenAtFirst);
  const bool scrolls = shownChoices.count < static_cast<int>(items.size());
  const int scrollBar = scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int columnRight = std::max<int>(textLeft + textSize.cx, textLeft + choiceIndent + choicesWidth + scrollBar);
  // The view beside the text and the choices, no wider nor taller than the
  // work area leaves (long printer names at 200 % take most of a screen's width).
  const SIZE viewSize{
      view ? std::clamp<int>(work.right - work.left - (frame.right - frame.left) - columnRight - m.gap - m.margin, 0,
                             m.viewWidth)
           : 0,
      view ? std::clamp<int>(work.bottom - work.top - (frame.bottom - frame.top) - m.margin - belowChoices, 0,
                             m.viewHeight)
           : 0};
  const int besideColumn = view ? m.gap + viewSize.cx : 0;
  const int clientWidth = std::max<int>({columnRight + besideColumn + m.margin, m.margin + buttonsWidth + m.margin,
                                         m.margin + footerSize.cx + m.margin});
  const int buttonTop =
      std::max<int>(choicesTop + shownChoices.count * choiceHeight, view ? m.margin + viewSize.cy : 0) + m.margin;
  const int footerTop = buttonTop + m.buttonHeight + m.margin;
  const int clientHeight = footerTop + footerSize.cy + m.margin;

  frame = {0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  // Its top left corner stays in the work area even if it were larger.
  const auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
  OwnedWindow dialog(CreateWindowExW(exStyle, dialogFormClass, captionOf(type), style,
                                     within((work.left + work.right - width) / 2, work.left, work.right - width),
                                     within((work.top + work.bottom - height) / 2, work.top, work.bottom - height),
                                     width, height, owner, nullptr, GetModuleHandleW(nullptr), &state));
  if (!dialog) return ModalResult::Cancel;

  const HWND icon = addChild(dialog.get(), L"STATIC", nullptr, SS_ICON,
                             {m.margin, m.margin, m.margin + m.icon, m.margin + m.icon}, -1, font);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, iconOf(type))), 0);
  const std::wstring label(text);
  addChild(dialog.get(), L"STATIC", label.c_str(), SS_LEFT | SS_NOPREFIX,
           {textLeft, m.margin, textLeft + textSize.cx, m.margin + textSize.cy}, -1, font);
  // The choices that do not all fit scroll in a pane of their own.
  const int choiceWidth = clientWidth - besideColumn - m.margin - textLeft - scrollBar;
  const HWND choicesParent = scrolls ? addScrollingPane(dialog.get(), {textLeft, choicesTop}, choiceWidth, choiceHeight,
                                                        static_cast<int>(items.size()), shownChoices, firstChoiceId)
                                     : dialog.get();
  const POINT choicesOrigin = scrolls ? POINT{0, -shownChoices.first * choiceHeight} : POINT{textLeft, choicesTop};
  std::vector<HWND> choiceButtons;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int top = choicesOrigin.y + static_cast<int>(i) * choiceHeight;
    choiceButtons.push_back(addChild(choicesParent, L"BUTTON", items[i].c_str(),
                                     BS_AUTORADIOBUTTON | BS_NOTIFY | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                                     {choicesOrigin.x, top, choicesOrigin.x + choiceWidth, top + choiceHeight},
                                     firstChoiceId + static_cast<int>(i), font));
    if (i < choices->spoken.size()) nameForScreenReaders(choiceButtons.back(), choices->spoken[i]);
  }
  const HWND chosen = choices && choices->chosen >= 0 && std::size_t(choices->chosen) < choiceButtons.size()
                          ? choiceButtons[std::size_t(choices->chosen)]
                          : nullptr;
  if (chosen) SendMessageW(chosen, BM_SETCHECK, BST_CHECKED, 0);
  int left = (clientWidth - buttonsWidth) / 2;
  HWND first = nullptr;
  for (const ButtonFace& face : shown) {
    const DWORD kind = first ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON;
    const HWND button = addChild(dialog.get(), L"BUTTON", face.caption, kind | WS_TABSTOP | (first ? 0 : WS_GROUP),
                                 {left, buttonTop, left + m.buttonWidth, buttonTop + m.buttonHeight},
                                 commandId(face.result), font);
    if (!first) first = button;
    if (face.button == DialogButton::Yes) state.yes = button;
    left += m.buttonWidth + m.buttonGap;
  }

  if (!footer.empty()) {
    const std::wstring footerText(footer);
    addChild(dialog.get(), L"STATIC", footerText.c_str(), SS_LEFT | SS_NOPREFIX,
             {m.margin, footerTop, m.margin + footerSize.cx, footerTop + footerSize.cy}, -1, font);
  }

  if (view) {
    view->create(dialog.get(), {clientWidth - m.margin - viewSize.cx, m.margin, clientWidth - m.margin,
                                m.margin + viewSize.cy},
                 font);
    state.view = view;
    state.choiceButtons = choiceButtons;
    // The one printer at first, drawn before the dialog shows, so that "Oui"
    // is greyed before any key can reach it.
    showChoice(state, std::max(choices->chosen, 0));
  }

  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(dialog.get(), SW_SHOW);
  state.openedAt = GetTickCount();
  SetFocus(chosen ? chosen : IsWindowEnabled(first) ? first : GetNextDlgTabItem(dialog.get(), first, FALSE));
  const ModalResult result = runModal(dialog.get(), state);
  for (std::size_t i = 0; i < choiceButtons.size(); ++i) {
    if (SendMessageW(choiceButtons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) choices->chosen = static_cast<int>(i);
  }
  // The owner is enabled again before the dialog goes, so it gets the focus back.
  if (owner) EnableWindow(owner, TRUE);
  closeLater(std::move(dialog));
  return result;
}

ModalResult messageDialog(std::wstring_view text, DialogType type, DialogButtons buttons, int /*helpContext*/,
                          std::wstring_view footer, DialogChoices* choices) {
  // Wine's task dialog gives its radio buttons their 96-dpi height at any
  // scale and never fits their width to a long text: choices are shown by
  // the program's own form, laid out at the monitor's DPI with every text whole.
  if (choices && (!choices->items.empty() || choices->view)) return dialogForm(text, type, buttons, footer, choices);
  return taskDialogAvailable() ? taskDialog(text, type, buttons, footer) : dialogForm(text, type, buttons, footer);
}

void showMessage(std::wstring_view text) {
  MessageBoxW(GetActiveWindow(), std::wstring(text).c_str(), Application::title().c_str(), MB_OK);
}

}  // namespace fw
