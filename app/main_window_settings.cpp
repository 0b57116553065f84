// The settings bound to the window: the calibration field, the orientation
// and the other scale's N are read at start and each written as soon as the
// user has set it, again when the window closes and when Windows ends the
// session (which destroys no window), so that a logoff, a crash or a killed
// process loses nothing the user set.
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>
#include <optional>

#include "app/main_window.h"
#include "framework/error/error.h"
#include "framework/system/printer.h"
#include "framework/ui/application.h"

namespace {

// The roaming application data folder: %APPDATA%, which Windows sets at
// logon and a launcher may point elsewhere, else the shell's known folder
// (shell32, loaded only then: it is the largest library the start would
// otherwise map).
std::wstring applicationDataFolder() {
  wchar_t value[MAX_PATH]{};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", value, MAX_PATH);  // too long: nothing read
  const bool read = length >= 3 && length < MAX_PATH;
  // A drive's or a share's path, not a relative one.
  if (read && ((value[1] == L':' && value[2] == L'\\') || (value[0] == L'\\' && value[1] == L'\\'))) return value;
  PWSTR appData = nullptr;
  const HRESULT found = SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &appData);
  const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> owned(appData, &CoTaskMemFree);
  if (FAILED(found) || !appData) throw fw::InOutError(L"Dossier des données d'application introuvable");
  return appData;
}

// <application data>\Plandrel\Plandrel.ini; its folder is made by the
// first write (ini_disk.h), and one that cannot be made shows as a refused
// write.
std::wstring settingsFilePath() { return applicationDataFolder() + L"\\Plandrel\\Plandrel.ini"; }

// The printer's orientation, 0 portrait or 1 landscape. Without a printer its
// error is shown here, once, and the stored settings still count.
std::optional<int> printerOrientation() {
  try {
    return fw::printer().orientation() == fw::Orientation::Landscape ? 1 : 0;
  } catch (const fw::PrinterError& e) {
    fw::Application::showException(e);
    return std::nullopt;
  }
}

}  // namespace

void TFormmorvi::FormCreate(fw::Control& sender) {
  try {
    SettingsDisk = std::make_unique<fw::IniDisk>(settingsFilePath());
    SettingsFile = std::make_unique<fw::IniFile>(*SettingsDisk, fw::systemCodePage());
    Settings = std::make_unique<settings::MorviSettings>(*SettingsFile);
    // A file that cannot be read is said now and never written over: what
    // is set meanwhile waits until a write can read it.
    if (SettingsFile->unread()) {
      fw::Application::showException(*SettingsFile->unread());
      SettingsRefusalSaid = true;
    }
  } catch (const std::exception& e) {
    // The window opens all the same, with the printer's orientation and
    // calibration 0, and keeps nothing.
    fw::Application::showException(e);
  }
  showPrinterCalibration();
  if (Settings) {
    // A value that does not read is left aside.
    OtherScale = Settings->otherScale();
    // An N of the catalogue (an earlier version kept one) is its own item's,
    // not a second item of the same scale.
    if (OtherScale && ruler::catalogueItem(*OtherScale)) OtherScale.reset();
    KutschScales = Settings->kutschScales();
  }
  // The stored orientation, else the printer's; nothing when neither is known.
  // With one stored, a printer in force is opened (its driver read) at its
  // first use, not before the window shows; with none at all its error is
  // said now all the same.
  const std::optional<int> stored = Settings ? Settings->orientation() : std::nullopt;
  const std::optional<int> printer = stored && !CalibratedPrinter.empty() ? std::nullopt : printerOrientation();
  OrientationKnown = stored || printer;
  RgOrient->setItemIndex(stored ? *stored : printer.value_or(-1));
  TBChange(sender);
  showOtherScale();
  SelectedScale = RG_Morvi->itemIndex();
}

void TFormmorvi::FormDestroy(fw::Control&) { saveSettings(true); }

void TFormmorvi::RgOrientClick(fw::Control&) {
  if (!Settings) return;
  Settings->setOrientation(RgOrient->itemIndex());
  saveSettings();
}

void TFormmorvi::calibrationSettled() {
  if (!Settings) return;
  Settings->setCalibration(CalibratedPrinter, ruler::Calibration::clamped(SpinEdit->value()));
  saveSettings();
}

void TFormmorvi::saveSettings(bool complete) {
  if (!Settings) return;
  if (complete) {
    // A value typed and not yet settled is the user's too.
    Settings->setCalibration(CalibratedPrinter, ruler::Calibration::clamped(SpinEdit->value()));
    // An orientation that nobody established leaves the file's own in place.
    Settings->completeWith(ruler::Calibration::clamped(SpinEdit->value()),
                           OrientationKnown || RgOrient->itemIndex() != -1 ? std::optional(RgOrient->itemIndex())
                                                                          : std::nullopt);
  }
  try {
    Settings->save();
  } catch (const fw::IniFileError& e) {
    // What was refused stays to write at the next change or at the end.
    if (!std::exchange(SettingsRefusalSaid, true)) fw::Application::showException(e);
  }
}
