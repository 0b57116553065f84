// Failures are exceptions carrying the French text the user sees; the
// top-level handler shows them in the error box and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class Error : public std::runtime_error {
 public:
  explicit Error(std::wstring message)
      : std::runtime_error("Morvi error"), message_(std::move(message)) {}
  const std::wstring& message() const { return message_; }

 private:
  std::wstring message_;
};

// The kinds the program raises; callers may catch one kind alone.
struct PrinterError : Error { using Error::Error; };
struct IniFileError : Error { using Error::Error; };
struct InOutError : Error { using Error::Error; };
struct DescriptionError : Error { using Error::Error; };
struct ConvertError : Error { using Error::Error; };

}  // namespace fw
