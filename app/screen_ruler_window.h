// The ruler on screen: a band above every other window, graduated along one
// edge for a plan scale at the true size of the monitor's pixels, that reads
// the length from its zero to the pointer and can be set on a dimension
// written on a plan shown at any zoom.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/graphics/gdi.h"
#include "framework/ui/control.h"
#include "framework/ui/monitor_identity.h"
#include "ruler/other_scale.h"
#include "ruler/screen_band.h"
#include "ruler/screen_ruler.h"

// A scale the ruler shows: its graduation and how it is said ("1:100").
struct RulerScale {
  ruler::Graduation graduation;
  std::wstring name;
  bool operator==(const RulerScale& o) const { return name == o.name; }
};

// What the user set on the ruler that outlasts it: the scale set on a
// dimension (none: the main window's) and its direction.
struct ScreenRulerChoice {
  std::optional<ruler::ScaleDenominator> setScale;
  bool vertical = false;
};

// What the ruler asks of the main window.
struct ScreenRulerHost {
  // The scale in force in the main window; nothing while none is chosen.
  std::function<std::optional<RulerScale>()> mainScale;
  // A monitor's pixel size as the user measured it, kept in the settings
  // (`monitor` names the monitor and its resolution), and keeping a new one.
  std::function<std::optional<double>(const std::wstring& monitor)> storedPitch;
  std::function<void(const std::wstring& monitor, double pixelsPerMm)> keepPitch;
  // What the user last set on the ruler, in the settings; keeping it anew.
  std::function<ScreenRulerChoice()> storedChoice;
  std::function<void(const ScreenRulerChoice&)> keepChoice;
};

class ScreenRulerWindow : public fw::Control {
 public:
  ScreenRulerWindow(HWND owner, ScreenRulerHost host);
  ~ScreenRulerWindow() override;

  // Shows the ruler and gives it the keyboard; made on the owner's monitor
  // the first time.
  void open();
  // The main window says so when its scale in force may have changed (an
  // item chosen, N given): the ruler follows it unless set on a dimension.
  void mainScaleChanged();

  // The commands of its context menu, each also a key.
  void setOnDimension();   // C
  void followMainScale();  // F
  void calibrateScreen();  // E
  void turn();             // V
  void hide();             // Escape

  // Posted to the band to raise it again once a window rose over it.
  static constexpr UINT raiseMessage = WM_APP + 1;

 protected:
  WindowSpec windowSpec() const override;
  HWND ownerWindow() const override { return owner_; }
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint(HDC dc, const RECT& client) override;

 private:
  // The band's first length, as a drafting ruler's, and its far end's grip,
  // in millimetres of the screen.
  static constexpr double bandLengthMm = 300, gripMm = 4;

  // Lengths of the band in pixels at the monitor's pixel size.
  int pixels(double mm) const;
  // The scale shown: the one set on a dimension, else the main window's.
  const RulerScale& scale() const { return set_ ? *set_ : main_; }
  // What the scale is called on the band.
  std::wstring scaleLabel() const;
  // The band's texts: their font at the monitor's display scale, their size
  // in it, and the least room between two of them.
  fw::Font labelFont() const;
  static ruler::MeasureText measureIn(HDC dc);
  int textGap() const;
  // The monitor under the band: its pixel size, its display scale; the
  // band regraduated and refitted, re-read first when the band moved to
  // another monitor or `again` when the same one changed (its resolution,
  // its work area, its calibration).
  void followMonitor(bool again = false);
  // Lays the band out for its length, scale and texts, and lays it whole on
  // the monitor's work area, its corner as near (left, top) as it can be.
  void fit(int left, int top);
  void place(int left, int top);
  void resizeTo(int lengthPixels);
  void showReading(std::optional<int> along);
  void updateTitle();
  // Along the band, from its start, of a point of the client area.
  int alongOf(POINT client) const;
  void drag(POINT screen);
  bool key(WPARAM vk);
  void contextMenu(POINT screen);
  void scaleChanged();
  // Back above every window that is not topmost, on the display too.
  void raise();
  // Translucent while the system composes windows.
  void followComposition();
  void setScale(std::optional<ruler::ScaleDenominator> n);

  HWND owner_;
  ScreenRulerHost host_;
  RulerScale main_;
  std::optional<RulerScale> set_;  // set on a dimension
  std::optional<ruler::ScaleDenominator> setN_;
  HMONITOR monitorHandle_ = nullptr;
  fw::MonitorIdentity monitor_;
  ruler::ScreenPitch pitch_ = ruler::uncalibratedPitch;
  int dpi_ = 96;
  bool vertical_ = false;
  // The length the user gave the band, which it shows as far as the work
  // area lets it: turned, moved or calibrated it comes back to it.
  double lengthMm_ = bandLengthMm;
  ruler::BandLayout layout_{};
  std::optional<int> readAt_;  // the hairline, along the band, while shown
  std::optional<int> lastAt_;  // the last point read, which the ruler is set on
  std::wstring lastReading_;
  // A drag in progress: what it moves (the band, or its far end) and from where.
  enum class Drag { None, Band, End } drag_ = Drag::None;
  POINT dragFrom_{};
  RECT rectFrom_{};
  bool tracking_ = false;
  HHOOK activationHook_ = nullptr;
};
