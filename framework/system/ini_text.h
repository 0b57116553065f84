// The bytes of a settings file, read as the system's private-profile
// functions read them and edited one line at a time, so that every byte not
// set stays as it was: blanks, comments, blank lines, other sections and
// programs' keys, line ends and the encoding.
//
// Reading: sections and keys without regard to case, blanks around names and
// values ignored, a value's matching quotes taken off, the first of repeated
// keys in the first of repeated sections, a line starting with ";" a comment.
// The encoding is UTF-16 with its byte-order mark, UTF-8 with one, or without
// one when the bytes are valid UTF-8 and not plain ASCII, else the system's
// code page. Portable: the code page's conversion is handed in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The system's code page, which Windows alone knows.
class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual std::wstring decode(std::string_view bytes) const = 0;
  // A character the code page lacks becomes "?", and `exact` false.
  virtual std::string encode(std::wstring_view text, bool& exact) const = 0;
};

class IniText {
 public:
  // `bytes` as the file holds them; none for a file not made yet, which is
  // then written in the code page.
  IniText(std::string_view bytes, const CodePage& codePage);

  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const;
  // Whether a section of that name holds any key.
  bool holdsKeys(std::wstring_view section) const;
  // Whether the file's encoding keeps the text as it stands.
  bool holdsExactly(std::wstring_view text) const;

  // Changes the value of the key's line only; a key not there yet goes after
  // the last line of its section, a section not there yet at the end.
  void set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  std::string bytes() const;

 private:
  enum class Encoding { CodePage, Utf8, Utf16 };
  struct Line {
    std::string content, end;  // the line's bytes, and its line end's
    std::wstring text;         // the content read in the file's encoding
  };
  struct Found {
    std::optional<std::size_t> line;  // the key's
    std::optional<std::size_t> last;  // the section's last line that is not blank
  };

  Found find(std::wstring_view section, std::wstring_view key) const;
  std::wstring decode(std::string_view bytes) const;
  std::string encode(std::wstring_view text) const;
  void insert(std::size_t at, std::wstring text);

  const CodePage* codePage_;
  Encoding encoding_ = Encoding::CodePage;
  std::string bom_;
  std::vector<Line> lines_;
};

}  // namespace fw
