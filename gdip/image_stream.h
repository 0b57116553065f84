// Image bytes handed to GDI+: copied into movable global memory and wrapped
// in a COM stream that frees the memory when it is released.
#pragma once

#include "gdip/gdiplus_api.h"

#include <cstdint>
#include <span>

namespace gdip {

// GlobalAlloc's shape, so that a test can make the allocation fail.
using GlobalAllocator = HGLOBAL(WINAPI*)(UINT flags, SIZE_T bytes);

// Has the memory a stream of `bytes` would take and gives it back, throwing
// as the stream would: a picture measured without decoding fails alike,
// and COM is not loaded for it.
void checkImageMemory(std::size_t bytes, GlobalAllocator allocate);

class ImageStream {
 public:
  // Throws fw::Error("Could not allocate memory for image") when the memory
  // cannot be had. When no stream can be made, get() is null.
  ImageStream(std::span<const std::uint8_t> bytes, GlobalAllocator allocate);
  ~ImageStream();
  ImageStream(const ImageStream&) = delete;
  ImageStream& operator=(const ImageStream&) = delete;

  IStream* get() const { return stream_; }
  // The stream moved back to its first byte, for a second decoding.
  IStream* rewound() const;

 private:
  IStream* stream_ = nullptr;
};

}  // namespace gdip
