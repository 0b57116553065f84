#include "framework/desc/persistent.h"

#include "framework/error/error.h"

namespace fw {

void assignError(const Persistent* source, const Persistent& destination) {
  throw Error(L"Impossible d'affecter " + (source ? source->className() : std::wstring(L"nil")) + L" à " +
              destination.className());
}

}  // namespace fw
