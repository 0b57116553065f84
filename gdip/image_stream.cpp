#include "gdip/image_stream.h"

#include "framework/error/error.h"

#include <memory>
#include <type_traits>

namespace gdip {
namespace {

struct FreeGlobal {
  void operator()(HGLOBAL h) const { GlobalFree(h); }
};
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, FreeGlobal>;

GlobalMemory allocated(std::size_t bytes, GlobalAllocator allocate) {
  GlobalMemory memory(allocate(GMEM_MOVEABLE, bytes));
  if (!memory) throw fw::Error(L"Could not allocate memory for image");
  return memory;
}

}  // namespace

void checkImageMemory(std::size_t bytes, GlobalAllocator allocate) { allocated(bytes, allocate); }

ImageStream::ImageStream(std::span<const std::uint8_t> bytes, GlobalAllocator allocate) {
  GlobalMemory memory = allocated(bytes.size(), allocate);
  if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, &stream_))) {
    stream_ = nullptr;
    return;  // the memory is still ours, and freed here
  }
  memory.release();  // the stream frees it from now on
  // The block may be larger than asked; the stream ends with the image.
  ULONG written = 0;
  ULARGE_INTEGER size;
  size.QuadPart = bytes.size();
  if (FAILED(stream_->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) ||
      written != bytes.size() || FAILED(stream_->SetSize(size)) || !rewound()) {
    stream_->Release();
    stream_ = nullptr;
  }
}

ImageStream::~ImageStream() {
  if (stream_) stream_->Release();
}

IStream* ImageStream::rewound() const {
  if (!stream_) return nullptr;
  LARGE_INTEGER start{};
  return SUCCEEDED(stream_->Seek(start, STREAM_SEEK_SET, nullptr)) ? stream_ : nullptr;
}

}  // namespace gdip
