// The GDI+ flat interface from the MinGW headers. Lean Windows headers leave
// out the COM declarations GDI+ needs, so they come first.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

namespace gdip {
using Gdiplus::GpStatus;
}
