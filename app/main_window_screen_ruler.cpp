// The ruler on screen: an item of the window's system menu below the kutsch
// sheet's, and Ctrl+R, open it or bring it forward. It shows the window's
// scale and keeps each monitor's pixel size in the settings.
#include <windows.h>

#include "app/main_window.h"
#include "framework/system/locale_win.h"

namespace {

// A system menu command: below 0xF000, its four low bits left to the system.
constexpr UINT screenRulerItem = 0x0C30;

}  // namespace

void TFormmorvi::offerScreenRuler() {
  AppendMenuW(GetSystemMenu(handle(), FALSE), MF_STRING, screenRulerItem, L"Règle à l'écran…\tCtrl+R");
}

bool TFormmorvi::screenRulerCommand(WPARAM command) {
  if ((command & 0xFFF0) != screenRulerItem) return false;
  RegleEcran();
  return true;
}

std::optional<RulerScale> TFormmorvi::scaleInForce() const {
  const int item = RG_Morvi->itemIndex();
  if (const ruler::ScaleEntry* entry = ruler::scaleAt(item))
    return RulerScale{entry->graduation, ruler::scaleName(*entry)};
  if (item == OtherScaleItem && OtherScale)
    return RulerScale{ruler::graduationOf(*OtherScale, L""), ruler::scaleName(*OtherScale, fw::numberFormat().decimal)};
  return std::nullopt;
}

void TFormmorvi::scaleInForceChanged() {
  if (ScreenRuler) ScreenRuler->mainScaleChanged();
}

void TFormmorvi::RegleEcran() {
  if (!ScreenRuler) {
    ScreenRulerHost host{
        [this] { return scaleInForce(); },
        [this](const std::wstring& monitor) { return Settings ? Settings->screenPitch(monitor) : std::nullopt; },
        [this](const std::wstring& monitor, double pixelsPerMm) {
          if (!Settings) return;
          Settings->setScreenPitch(monitor, pixelsPerMm);
          saveSettings();
        },
        [this] {
          return Settings ? ScreenRulerChoice{Settings->screenRulerScale(), Settings->screenRulerVertical()}
                          : ScreenRulerChoice{};
        },
        [this](const ScreenRulerChoice& choice) {
          if (!Settings) return;
          Settings->setScreenRulerScale(choice.setScale);
          Settings->setScreenRulerVertical(choice.vertical);
          saveSettings();
        }};
    ScreenRuler = std::make_unique<ScreenRulerWindow>(handle(), std::move(host));
  }
  ScreenRuler->open();
}
