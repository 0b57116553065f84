#include "framework/system/com.h"

#include <objbase.h>

namespace fw {

void startCom() {
  static const struct Apartment {
    HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ~Apartment() {
      if (SUCCEEDED(started)) CoUninitialize();
    }
  } apartment;
}

}  // namespace fw
