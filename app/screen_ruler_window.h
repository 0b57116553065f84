// The ruler on screen: a band above every other window, graduated along one
// edge for a plan scale at the true size of the monitor's pixels, that reads
// the length from its zero to the pointer and can be set on a dimension
// written on a plan shown at any zoom.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/ui/control.h"
#include "framework/ui/monitor_identity.h"
#include "ruler/other_scale.h"
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

 protected:
  WindowSpec windowSpec() const override;
  HWND ownerWindow() const override { return owner_; }
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint(HDC dc, const RECT& client) override;

 private:
  // The band, in millimetres of the screen: as long and as wide as a drafting
  // ruler; ticks, labelled marks and the labels' top from the graduated edge;
  // zero a little in from the start; the far end's grip; the shortest band.
  static constexpr double bandLengthMm = 300, bandWidthMm = 18, tickMm = 3, markMm = 6, labelTopMm = 7;
  static constexpr double zeroMm = 5, gripMm = 4, shortestMm = 30;

  // Lengths of the band in pixels at the monitor's pixel size.
  int pixels(double mm) const;
  // The scale shown: the one set on a dimension, else the main window's.
  const RulerScale& scale() const { return set_ ? *set_ : main_; }
  // The monitor under the band: its pixel size, its display scale; the
  // band regraduated and resized when it changed, or `again` when the same
  // monitor changed (its resolution, its calibration).
  void followMonitor(bool again = false);
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
  double lengthMm_ = bandLengthMm;
  std::optional<int> readAt_;  // the hairline, along the band, while shown
  std::optional<int> lastAt_;  // the last point read, which the ruler is set on
  std::wstring lastReading_;
  // A drag in progress: what it moves (the band, or its far end) and from where.
  enum class Drag { None, Band, End } drag_ = Drag::None;
  POINT dragFrom_{};
  RECT rectFrom_{};
  bool tracking_ = false;
};
