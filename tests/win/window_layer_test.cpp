// The window layer under the custom controls: an own window reaches its
// object from the first message, a failing paint is reported once and
// afterwards, and a control can show its parent's pixels at its place.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/calibration_dialog.h"
#include "app/main_window.h"
#include "framework/error/error.h"
#include "framework/ui/application.h"
#include "framework/ui/control.h"
#include "framework/ui/monitor_dpi.h"
#include "tests/support/canvas.h"
#include "tests/support/message_pump.h"

namespace {

using testcanvas::Canvas;
using testcanvas::closeTo;

// A control of the framework's own class whose paint and messages a test
// supplies.
class Probe : public fw::Control {
 public:
  std::function<void(Probe&, HDC, const RECT&)> onPaint;
  std::vector<UINT> creationMessages;
  void paint(HDC dc, const RECT& client) override {
    if (onPaint) onPaint(*this, dc, client);
    else fw::Control::paint(dc, client);
  }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_NCCREATE || msg == WM_CREATE) creationMessages.push_back(msg);
    return fw::Control::handleMessage(msg, wp, lp);
  }
};

// A visible top-level window of 100 × 60 holding one probe.
struct Host {
  fw::Control window;
  Probe* probe;
  explicit Host(RECT probeBounds = {40, 20, 60, 40}) {
    window.setBounds(0, 0, 100, 60);
    probe = static_cast<Probe*>(&window.add(std::make_unique<Probe>()));
    probe->setBounds(probeBounds.left, probeBounds.top, probeBounds.right - probeBounds.left,
                     probeBounds.bottom - probeBounds.top);
    window.createHandle();
    ShowWindow(window.handle(), SW_SHOWNOACTIVATE);
  }
};

}  // namespace

TEST(WindowLayer, AnOwnControlSeesItsCreationAndCarriesTheProgramIcon) {
  Host host;
  EXPECT_EQ(host.probe->creationMessages, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  for (int icon : {GCLP_HICON, GCLP_HICONSM}) EXPECT_NE(GetClassLongPtrW(host.probe->handle(), icon), 0u);
}

namespace {

// An icon drawn at its size on the grey canvas, every pixel.
std::vector<std::uint32_t> pixelsOf(HICON icon, int size) {
  Canvas canvas(size, size);
  DrawIconEx(canvas.dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(canvas.at(x, y));
  return pixels;
}

}  // namespace

// The title bar, the taskbar and Alt+Tab show what the window answers. Asked
// here, in the window's process: Wine refuses WM_GETICON from another one.
TEST(WindowLayer, TheMainWindowAnswersWithTheProgramIconBigAndSmall) {
  TFormmorvi::registerClasses();
  TFormmorvi form;
  form.createFromResource(L"FORMMORVI");
  for (auto [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    SCOPED_TRACE(kind == ICON_BIG ? "big" : "small");
    const auto shown = reinterpret_cast<HICON>(SendMessageW(form.handle(), WM_GETICON, kind, 0));
    ASSERT_TRUE(shown);
    const int size = GetSystemMetrics(metric);
    const auto program =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0));
    ASSERT_TRUE(program);
    EXPECT_EQ(pixelsOf(shown, size), pixelsOf(program, size));
    DestroyIcon(program);
  }
}

TEST(WindowLayer, TheMainWindowIsMadeWhereItShowsAtItsClientSize) {
  TFormmorvi::registerClasses();
  TFormmorvi form;
  form.createFromResource(L"FORMMORVI");
  ASSERT_FALSE(IsWindowVisible(form.handle()));
  RECT client, frame, work;
  GetClientRect(form.handle(), &client);
  GetWindowRect(form.handle(), &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(client.right, 497);
  EXPECT_EQ(client.bottom, 489);
  EXPECT_NEAR(frame.left + frame.right, work.left + work.right, 1);
  EXPECT_NEAR(frame.top + frame.bottom, work.top + work.bottom, 1);
}

// Opened on a monitor at 150 % while the system stays at 100 %, the window is
// laid out at its monitor's scale from the start: Windows sends it no
// WM_DPICHANGED for the monitor it is made on.
TEST(WindowLayer, TheMainWindowOpensAtTheScaleOfItsMonitor) {
  TFormmorvi::registerClasses();
  fw::setMonitorDpiHook([](HMONITOR) { return 144; });
  TFormmorvi form;
  form.createFromResource(L"FORMMORVI");
  fw::setMonitorDpiHook({});
  RECT client;
  GetClientRect(form.handle(), &client);
  EXPECT_EQ(client.right, 746);
  EXPECT_EQ(client.bottom, 734);
  EXPECT_EQ(form.SpinEdit->font().height, -32);
}

// Moved to a monitor of another scale, the window lays itself out again from
// its description in the rectangle the system suggests; back at 96 dpi every
// control is where it was.
TEST(WindowLayer, TheMainWindowFollowsItsMonitorsScaleAndComesBackWhole) {
  TFormmorvi::registerClasses();
  TFormmorvi form;
  form.createFromResource(L"FORMMORVI");
  const auto places = [&] {
    std::vector<RECT> out;
    const std::function<void(const fw::Control&)> walk = [&](const fw::Control& c) {
      for (const auto& child : c.controls()) {
        RECT r;
        GetWindowRect(child->handle(), &r);
        MapWindowPoints(nullptr, GetParent(child->handle()), reinterpret_cast<POINT*>(&r), 2);
        out.push_back(r);
        walk(*child);
      }
    };
    walk(form);
    return out;
  };
  const std::vector<RECT> designed = places();
  const struct {
    int dpi;
    SIZE client;
    RECT print;  // BtImprimer in GroupBox1
    int fieldFont, pairWidth;
  } cases[] = {
      {144, {746, 734}, {423, 167, 698, 245}, -32, 23},
      {192, {994, 978}, {564, 222, 930, 326}, -42, 30},
      {96, {497, 489}, {282, 111, 465, 163}, -21, 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    RECT suggested{0, 0, c.client.cx, c.client.cy};
    AdjustWindowRectEx(&suggested, GetWindowLongW(form.handle(), GWL_STYLE), FALSE,
                       GetWindowLongW(form.handle(), GWL_EXSTYLE));
    OffsetRect(&suggested, 40 - suggested.left, 30 - suggested.top);
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT client, frame, print;
    GetClientRect(form.handle(), &client);
    GetWindowRect(form.handle(), &frame);
    EXPECT_EQ(client.right, c.client.cx);
    EXPECT_EQ(client.bottom, c.client.cy);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    GetWindowRect(form.BtImprimer->handle(), &print);
    MapWindowPoints(nullptr, form.GroupBox1->handle(), reinterpret_cast<POINT*>(&print), 2);
    EXPECT_TRUE(EqualRect(&print, &c.print)) << print.left << "," << print.top << "," << print.right << ","
                                              << print.bottom;
    EXPECT_EQ(form.SpinEdit->font().height, c.fieldFont);
    EXPECT_EQ(form.SpinEdit->buttonPair()->width(), c.pairWidth);
  }
  const std::vector<RECT> back = places();
  ASSERT_EQ(back.size(), designed.size());
  for (std::size_t i = 0; i < back.size(); ++i)
    EXPECT_TRUE(EqualRect(&back[i], &designed[i]))
        << i << ": " << back[i].left << "," << back[i].top << "," << back[i].right << "," << back[i].bottom
        << " was " << designed[i].left << "," << designed[i].top << "," << designed[i].right << "," << designed[i].bottom;
}

// A field that shows a font of its own from birth (navy Tahoma), which the
// description does not write, scales it with the window.
TEST(WindowLayer, AFieldsOwnUnwrittenFontFollowsTheScale) {
  TFormmorvi::registerClasses();
  TFormEtalonnage assistant;
  assistant.createFromResource(L"FORMETALONNAGE");
  ASSERT_EQ(assistant.Mesure->font().height, -11);
  for (const auto& [dpi, height] : {std::pair{144, -17}, {192, -22}, {96, -11}}) {
    RECT suggested{0, 0, 800, 600};
    SendMessageW(assistant.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(assistant.Mesure->font().height, height) << dpi;
  }
}

TEST(WindowLayer, AWindowThatCannotBeMadeIsAnErrorNamingTheControl) {
  struct Unknown : fw::Control {
    WindowSpec windowSpec() const override { return {L"MorviNoSuchClass", 0, 0}; }
  } unknown;
  unknown.setName("Ghost");
  try {
    unknown.createHandle();
    FAIL() << "created";
  } catch (const fw::Error& e) {
    EXPECT_NE(e.message().find(L"Ghost"), std::wstring::npos) << fw::toUtf8(e.message());
  }
}

TEST(WindowLayer, AFailingPaintIsReportedOnceAfterItsMessageAndPaintingGoesOn) {
  std::vector<std::wstring> reports;
  fw::Application::setErrorBoxHook([&](const std::wstring& text) { reports.push_back(text); });
  Host host;
  int failures = 0, paints = 0;
  host.probe->onPaint = [&](Probe&, HDC, const RECT&) {
    ++paints;
    if (failures > 0) {
      --failures;
      throw std::runtime_error("peinture impossible");
    }
  };
  failures = 3;
  for (int i = 0; i < 3; ++i) {
    InvalidateRect(host.probe->handle(), nullptr, FALSE);
    UpdateWindow(host.probe->handle());
    EXPECT_TRUE(reports.empty()) << "reported from inside WM_PAINT";
  }
  testpump::pump(50);
  EXPECT_EQ(reports, (std::vector<std::wstring>{L"peinture impossible"}));

  int before = paints;
  InvalidateRect(host.probe->handle(), nullptr, FALSE);
  UpdateWindow(host.probe->handle());
  testpump::pump(20);
  EXPECT_GT(paints, before);
  EXPECT_EQ(reports.size(), 1u);
  fw::Application::setErrorBoxHook({});
}

namespace {

// The window's colours in four quadrants that meet at (50, 30), as the canvas
// reads them (0x00RRGGBB).
constexpr std::uint32_t kQuadrants[4] = {0xFF0000, 0x0000FF, 0x00FF00, 0xFFFF00};
COLORREF asColorRef(std::uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void paintQuadrants(HDC dc) {
  const RECT parts[4] = {{0, 0, 50, 30}, {50, 0, 100, 30}, {0, 30, 50, 60}, {50, 30, 100, 60}};
  for (int i = 0; i < 4; ++i) {
    fw::Brush b(CreateSolidBrush(asColorRef(kQuadrants[i])));
    FillRect(dc, &parts[i], b.get());
  }
}

struct QuadrantWindow : fw::Control {
  void paint(HDC dc, const RECT&) override { paintQuadrants(dc); }
};

}  // namespace

TEST(WindowLayer, AControlGetsItsParentsPixelsAtItsPlace) {
  QuadrantWindow window;
  window.setBounds(0, 0, 100, 60);
  auto& probe = static_cast<Probe&>(window.add(std::make_unique<Probe>()));
  probe.setBounds(40, 20, 20, 20);  // over the meeting point of the quadrants
  window.createHandle();

  const RECT corners[4] = {{0, 0, 1, 1}, {19, 0, 20, 1}, {0, 19, 1, 20}, {19, 19, 20, 20}};
  struct Case {
    const char* name;
    std::span<const RECT> areas;
  } cases[] = {{"whole", {}}, {"corners", corners}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    probe.onPaint = [&](Probe& p, HDC dc, const RECT& client) {
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      p.paintParentBackground(dc, c.areas);
    };
    // Printed at (10, 10) of a larger canvas: nothing may land outside.
    Canvas canvas(40, 40);
    SetViewportOrgEx(canvas.dc(), 10, 10, nullptr);
    SendMessageW(probe.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_TRUE(closeTo(canvas.at(10, 10), kQuadrants[0]));
    EXPECT_TRUE(closeTo(canvas.at(29, 10), kQuadrants[1]));
    EXPECT_TRUE(closeTo(canvas.at(10, 29), kQuadrants[2]));
    EXPECT_TRUE(closeTo(canvas.at(29, 29), kQuadrants[3]));
    EXPECT_TRUE(closeTo(canvas.at(11, 11), c.areas.empty() ? kQuadrants[0] : 0xFFFFFF));
    EXPECT_TRUE(closeTo(canvas.at(9, 9), testcanvas::kGrey));
    EXPECT_TRUE(closeTo(canvas.at(30, 30), testcanvas::kGrey));
  }
}

TEST(WindowLayer, AnInheritedColourFollowsTheParent) {
  Host host;
  Canvas canvas(20, 20);
  auto printed = [&] {
    SendMessageW(host.probe->handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    return canvas.at(5, 5);
  };
  host.window.setColor(fw::clRed);
  EXPECT_TRUE(closeTo(printed(), 0xFF0000));
  host.window.setColor(fw::clBlue);
  EXPECT_TRUE(closeTo(printed(), 0x0000FF));
}
