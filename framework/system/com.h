// COM on the program's thread, started when something first needs it (a
// screen reader asking for an object, the shell opening an address) rather
// than before every window shows; it ends with the process.
#pragma once

namespace fw {

void startCom();

}  // namespace fw
