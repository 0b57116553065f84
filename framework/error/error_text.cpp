#include "framework/error/error_text.h"

namespace fw {

std::wstring errorBoxText(std::wstring message) {
  if (!message.empty() && message.back() > L'.') message += L'.';
  return message;
}

}  // namespace fw
