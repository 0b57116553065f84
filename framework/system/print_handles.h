// Owners of the handles a print job holds: each is freed exactly once.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <cstddef>
#include <memory>
#include <type_traits>

namespace fw {

struct ClosePrinterHandle {
  void operator()(HANDLE h) const { ClosePrinter(h); }
};
// A printer opened with OpenPrinter.
using PrinterHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, ClosePrinterHandle>;

// A printer's settings: a DEVMODEW followed by the driver's private bytes.
class DevModeBuffer {
 public:
  DevModeBuffer() = default;
  explicit DevModeBuffer(std::size_t size) : bytes_(std::make_unique<std::byte[]>(size)) {}
  DEVMODEW* get() const { return reinterpret_cast<DEVMODEW*>(bytes_.get()); }
  DEVMODEW* operator->() const { return get(); }
  explicit operator bool() const { return bytes_ != nullptr; }

 private:
  std::unique_ptr<std::byte[]> bytes_;
};

}  // namespace fw
