// Root of every object whose content another object can copy (assign): a
// picture or a colour set can be handed anything, and must tell what it can
// copy from the rest. Portable.
#pragma once

#include <string>

namespace fw {

class Persistent {
 public:
  virtual ~Persistent() = default;
  // The class name the assignment error shows.
  virtual std::wstring className() const { return L"TPersistent"; }
};

// What an object does with a source it cannot copy from: the framework's
// assignment error, "Impossible d'affecter <source> à <destination>" (a
// missing source is "nil").
[[noreturn]] void assignError(const Persistent* source, const Persistent& destination);

}  // namespace fw
