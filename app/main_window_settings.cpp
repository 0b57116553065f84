// The settings file: the calibration, each printer's own, the orientation
// and the N of the scale the catalogue lacks, kept from one run to the next
// in <application data>\Plandrel\Plandrel.ini.
#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <utility>

#include "app/main_window.h"
#include "framework/ui/application.h"
#include "framework/error/error.h"
#include "framework/system/ini_file.h"
#include "framework/system/printer.h"

namespace {

constexpr wchar_t kSection[] = L"Morvi";
constexpr wchar_t kCoef[] = L"Coef";
// Keys are the printers' names as the system gives them, values whole ‰.
constexpr wchar_t kPrinters[] = L"Imprimantes";
constexpr wchar_t kOrientation[] = L"Orientation";
// Written with "." whatever the locale, so that every locale reads it back.
constexpr wchar_t kOtherScale[] = L"AutreEchelle";

// The shell's allocator, released on every path.
class ShellMalloc {
 public:
  ShellMalloc() {
    if (FAILED(SHGetMalloc(&malloc_)) || !malloc_)
      throw fw::InOutError(L"Couldn't get pointer to IMalloc interface.");
  }
  ~ShellMalloc() { malloc_->Release(); }
  ShellMalloc(const ShellMalloc&) = delete;
  ShellMalloc& operator=(const ShellMalloc&) = delete;
  IMalloc* get() const { return malloc_; }

 private:
  IMalloc* malloc_ = nullptr;
};

// An item identifier list, freed by the allocator that the shell gave.
class ItemIdList {
 public:
  explicit ItemIdList(const ShellMalloc& malloc) : malloc_(malloc) {}
  ~ItemIdList() {
    if (list_) malloc_.get()->Free(list_);
  }
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  LPITEMIDLIST* out() { return &list_; }
  LPCITEMIDLIST get() const { return list_; }

 private:
  const ShellMalloc& malloc_;
  LPITEMIDLIST list_ = nullptr;
};

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

// The stored orientation, else the printer's; nothing when neither is known.
std::optional<int> startOrientation(const fw::IniFile* settings) {
  const std::optional<int> printer = printerOrientation();
  const std::optional<std::int32_t> stored = settings ? settings->readInteger(kSection, kOrientation) : std::nullopt;
  return stored ? stored : printer;
}

}  // namespace

void TFormmorvi::GetSpecialFolder(int folderId, std::wstring& path) {
  ShellMalloc malloc;
  ItemIdList list(malloc);
  // Neither answer is looked at: a folder the shell cannot name gives an
  // empty path, and the settings then fail to be written at the end.
  SHGetSpecialFolderLocation(nullptr, folderId, list.out());
  std::wstring buffer(MAX_PATH, L'\0');
  if (list.get()) SHGetPathFromIDListW(list.get(), buffer.data());
  path.assign(buffer.c_str());
}

void TFormmorvi::FormCreate(fw::Control& sender) {
  std::optional<fw::IniFile> settings;
  const auto selectOrientation = [&] {
    const std::optional<int> orientation = startOrientation(settings ? &*settings : nullptr);
    OrientationKnown = orientation.has_value();
    RgOrient->setItemIndex(orientation.value_or(-1));
  };
  try {
    std::wstring appData;
    GetSpecialFolder(CSIDL_APPDATA, appData);
    SettingsDir = appData + L"\\Plandrel";
    SettingsFile = SettingsDir + L"\\Plandrel.ini";
    // Made with its missing parents; a failure shows later as a refused write.
    if (GetFileAttributesW(SettingsDir.c_str()) == INVALID_FILE_ATTRIBUTES)
      SHCreateDirectoryExW(nullptr, SettingsDir.c_str(), nullptr);
    settings.emplace(SettingsFile);
    StoredCoef = settings->readInteger(kSection, kCoef, 0);
    showPrinterCalibration();
    // A value that does not read is left aside, as if there were none.
    OtherScale = ruler::ScaleDenominator::read(settings->readString(kSection, kOtherScale));
    selectOrientation();
  } catch (const std::exception&) {
    // The fallback: calibration 0 and the orientation read again; the window
    // opens all the same.
    try {
      showCalibration(0);
      selectOrientation();
    } catch (const std::exception& e) {
      fw::Application::showException(e);
    }
  }
  TBChange(sender);
  showOtherScale();
  SelectedScale = RG_Morvi->itemIndex();
}

int TFormmorvi::calibrationFor(const std::wstring& printer) const {
  if (const auto changed = ChangedCalibrations.find(printer); changed != ChangedCalibrations.end())
    return changed->second;
  if (printer.empty() || SettingsFile.empty()) return StoredCoef;
  return fw::IniFile(SettingsFile).readInteger(kPrinters, printer, StoredCoef);
}

void TFormmorvi::FormDestroy(fw::Control&) {
  fw::IniFile settings(SettingsFile);
  // Still written: an older Morvi reads only this one.
  settings.writeInteger(kSection, kCoef, SpinEdit->value());
  for (const auto& [printer, permille] : ChangedCalibrations) settings.writeInteger(kPrinters, printer, permille);
  // An orientation that nobody established leaves the file's own in place.
  if (OrientationKnown || RgOrient->itemIndex() != -1)
    settings.writeInteger(kSection, kOrientation, RgOrient->itemIndex());
  if (OtherScale) settings.writeString(kSection, kOtherScale, OtherScale->text(L'.'));
}
