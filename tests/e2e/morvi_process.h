// The driver of the end-to-end tests: the real Morvi.exe started in a process
// of its own and its main window used from outside, as a user would.
//
//   MorviProcess morvi;                   // starts Morvi.exe (MORVI_EXE), waits for its window
//   HWND field = morvi.control("SpinEdit");   // by its name in resources/Formmorvi.desc, found
//                                             // at its designed place scaled to the screen's DPI
//   HWND item = morvi.item("RG_Morvi", 5);    // a radio group's item, in the description's order
//   morvi.click(field); morvi.press(VK_TAB); morvi.type(L"12,5");   // real input (SendInput)
//   morvi.chooseScale(5); morvi.calibrate(37); morvi.chooseOrientation(L"Paysage");
//   morvi.typeDimensions(L"12,5", L"2,5");    // the scale finder's two fields
//   HWND d = morvi.askToPrint();              // the dialogs: askToPrint (or doubleClickToPrint), openOtherScale,
//   morvi.answer(d, L"&Oui");                 // openAssistant, openKutschSheet, dialog(caption);
//                                             // answer clicks
//   Sheet sheet = morvi.printAndMeasure(pdfs);    // a button; see printed_sheet.h
//   textOf(w), dialogText(d), answerBox(box), waitUntilClosed(d)
//   morvi.close(); morvi.exitCode(); morvi.kill(); morvi.calibrationCoef();
//   SettingsFileSetAside settings; settings.write("[Morvi]\r\nCoef=5\r\n");
//   settings.stored(L"Morvi", L"Coef"); settings.storedText(L"Orientation")   // settings_file.h
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/process.h"

namespace e2e {

inline constexpr wchar_t kCaption[] = L"Impression de Morvi (règle graduée)";

// A child window as the user sees it: class, text, place in its parent.
struct Child {
  HWND hwnd;
  std::wstring className;
  std::wstring text;
  RECT rect;  // relative to the parent's client area
};
// The child windows of a window, first to last.
std::vector<Child> children(HWND parent);

// The path of Morvi.exe as Windows sees it.
std::wstring morviExe();
// The Windows path of a file named by its Linux path, or by the test's environment.
std::wstring windowsPath(const std::string& unixPath);
std::wstring pathFromEnvironment(const char* variable);
// The screen's dots per inch, which the program lays itself out at.
int screenDpi();

// Where the program finds its printer: the test set-up's, or none at all
// (CUPS out of reach). Without CUPS Wine forgets its printers, so a test
// without one runs alone, in a Wine prefix of its own (ctest's
// e2e-noprinter), and its own process must not have loaded winspool.
enum class Printers { Installed, None };

class PdfFolder;
struct Sheet;

class MorviProcess {
 public:
  // Starts the program (by default the one under test) and waits for its
  // window. Error boxes shown before the window are answered with OK and
  // their texts kept; with a printer installed, one of them is a failure
  // unless the test expects them.
  explicit MorviProcess(Printers printers = Printers::Installed, const std::wstring& exe = morviExe(),
                        bool startErrorsExpected = false);
  ~MorviProcess();  // closes the window (or kills the process) and waits
  MorviProcess(const MorviProcess&) = delete;
  MorviProcess& operator=(const MorviProcess&) = delete;

  HWND window() const { return window_; }
  DWORD processId() const { return process_->id(); }
  DWORD threadId() const { return GetWindowThreadProcessId(window_, nullptr); }
  // Closes the window as the close box does; true when the process ended.
  bool close(DWORD timeoutMs = 10000);
  void kill();
  DWORD exitCode() const { return process_->exitCode(); }
  const std::vector<std::wstring>& startErrors() const { return startErrors_; }

  // The window of the control the window's description names; null when
  // none is at its place.
  HWND control(const char* name) const;
  // The items of a radio group the description names, in their order.
  std::vector<Child> items(const char* radioGroup) const;
  HWND item(const char* radioGroup, int index) const;
  HWND focus() const;  // the program's keyboard focus

  // Real input through the system's input queue.
  // A key, alone or with a modifier held (VK_SHIFT, VK_CONTROL, VK_MENU).
  void press(WORD vk, WORD modifier = 0) const;
  void type(const std::wstring& text) const;
  void hover(HWND target) const;  // the mouse to the middle of a window
  void click(HWND target) const;  // left click in the middle of a window
  void leftButton(bool down) const;
  void key(WORD vk, bool down) const;  // one key event, held or let go
  // Waits until the program has handled what was sent.
  void settle() const;

  double calibrationCoef() const;

  // The user's steps in the main window (user_steps.cpp).
  void chooseScale(int index) const;
  void chooseOrientation(const wchar_t* item) const;
  void calibrate(int value) const;  // types it over the calibration field
  // Clicks a field, clears it and types `text` over it.
  void retype(HWND field, const std::wstring& text) const;
  // The scale finder's two dimensions, typed over the plan's field, then
  // over the measured one after Tab; the focus stays in the second.
  void typeDimensions(const std::wstring& plan, const std::wstring& measure) const;
  // The scale item after the catalogue's: " Autre…", or " 1:N" once N is given.
  HWND otherScaleItem() const;

  // The dialogs the window opens, null when none comes.
  HWND dialog(const std::wstring& caption) const;  // a top-level window of the program
  HWND openOtherScale() const;                     // "Autre échelle", from its item
  HWND openAssistant() const;                      // "Étalonner l'imprimante", by Ctrl+E
  HWND openKutschSheet() const;                    // "Planche de six échelles", by Ctrl+K
  HWND openScreenRuler() const;                    // the ruler on screen, by Ctrl+R
  HWND askToPrint() const;                         // "Confirmation", from the print button
  // A double-click on the print button whose second click lands on the
  // confirmation's printer line `line`; null when no confirmation came, or
  // when this machine could not make the two clicks within the system's
  // double-click time, five times over.
  HWND doubleClickToPrint(const std::wstring& line) const;
  // Gives N in the dialog "Autre échelle" as a user would: types it over the
  // proposed text, presses Enter and waits until the dialog has closed.
  void giveOtherScale(HWND dialog, const std::wstring& n) const;
  // Clicks the dialog's button that shows `caption`.
  void answer(HWND dialog, const std::wstring& caption) const;
  // Prints with "Oui" and measures the sheet that comes out (see measure()).
  Sheet printAndMeasure(PdfFolder& folder, double acrossMm = 0) const;

 private:
  void startWithoutPrinter();
  void awaitWindow();

  std::optional<automation::Process> process_;
  HWND window_ = nullptr;
  std::vector<std::wstring> startErrors_;
};

// What a window of the program shows: asked of the window itself, since
// another process's GetWindowText sees only the text an edit was created with.
std::wstring textOf(HWND w);
std::string narrow(std::wstring_view text);  // for ASCII texts
// The texts of a dialog's children, one a line.
std::wstring dialogText(HWND dialog);
// The N that the dialog "Autre échelle" proposes in its field.
std::wstring proposedScale(HWND dialog);
// Pumps this thread's messages, for at most `ms`.
void pause(DWORD ms);
// Waits, bounded, until a dialog has closed; true when it has.
bool waitUntilClosed(HWND dialog);
// Answers a message box with OK; gives its texts, one a line.
std::wstring answerBox(HWND box);

// The repository's folder, on the Unix side, ending with "/".
std::string repoRoot();

// Starts a shell command line on the Unix side: Wine starts Unix programs
// too, but gives no handle to wait on or to read an exit code from.
bool startUnix(const std::string& commandLine);

}  // namespace e2e
