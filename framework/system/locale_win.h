// The user's number separators, as the regional settings give them.
#pragma once

#include "framework/text/number_text.h"

namespace fw {

// Read from the user's locale on first use, then kept for the whole run.
const NumberFormat& numberFormat();

}  // namespace fw
