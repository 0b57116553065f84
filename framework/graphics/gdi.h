// Owners of GDI handles: each frees its handle exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <type_traits>
#include <utility>

namespace fw {

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
template <class H>
using GdiObject = std::unique_ptr<std::remove_pointer_t<H>, DeleteGdiObject>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

struct DeleteDeviceContext {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
// A device context made with CreateDC or CreateCompatibleDC.
using DeviceContext = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDeviceContext>;

// Selects an object into a device context for the scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory device context with one bitmap selected into it for its lifetime.
class MemoryDc {
 public:
  MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), selection_(dc_.get(), bitmap) {}
  HDC get() const { return dc_.get(); }

 private:
  DeviceContext dc_;
  Selection selection_;  // undone before the context goes
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintDC() { EndPaint(window_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// A screen device context for measuring text.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { ReleaseDC(nullptr, dc_); }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
};

// Saves the state of a device context (clip, origins, selected objects) and
// restores it on scope exit, so that what is changed through it stays local.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() { RestoreDC(dc_, saved_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

  // Narrows the clip to the union of the areas (logical coordinates).
  void clipTo(std::span<const RECT> areas);
  // Moves the origin of logical coordinates by (dx, dy) device pixels.
  void moveOrigin(int dx, int dy) { OffsetViewportOrgEx(dc_, dx, dy, nullptr); }

 private:
  HDC dc_;
  int saved_;
};

// An off-screen bitmap of the size of an area of a target device context:
// painted in full, then copied at once, so that the screen never shows a
// half-drawn control.
class PaintBuffer {
 public:
  PaintBuffer(HDC target, const RECT& area);
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  HDC dc() const { return memory_.get(); }
  void copyToTarget() const;

 private:
  HDC target_;
  RECT area_;
  DeviceContext memory_;
  GdiObject<HBITMAP> bitmap_;
  Selection selected_;
};

}  // namespace fw
