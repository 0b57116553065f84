// The bytes of a settings file, read as the system's private-profile
// functions read them and edited one line at a time, so that every byte not
// set stays as it was: blanks, comments, blank lines, other sections and
// programs' keys, line ends and the encoding.
//
// Read as the profile functions read: blanks around names and values
// ignored, a value's matching quotes taken off and its text ended at a NUL,
// the first of repeated keys in the first of repeated sections, a line
// starting with ";" a comment, a line without "=" a key without a value, a
// "[" without its "]" no section; a line ends at CR LF, LF or a CR alone. The
// encoding is UTF-16 little- or big-endian or UTF-8 after its byte-order
// mark, else the system's code page.
//
// Ours, where the profile functions read otherwise: bytes without a mark that
// are valid UTF-8 and not plain ASCII are read as UTF-8, so that the keys an
// editor saved as UTF-8 keep their letters; case is ignored for every letter,
// as Windows ignores it (Wine's reader tells ψ from Ψ). Portable:
// the code page's conversion and the letters' case are handed in.
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
  // A letter's capital as the system knows it, for names compared without
  // regard to case; any other character as it is.
  virtual wchar_t upper(wchar_t c) const = 0;
};

class IniText {
 public:
  // `bytes` as the file holds them; none for a file not made yet, which is
  // then written in the code page.
  IniText(std::string_view bytes, const CodePage& codePage);

  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const;
  // Whether the first section of that name holds a key with a value.
  bool holdsKeys(std::wstring_view section) const;
  // Whether the file's encoding keeps the text as it stands.
  bool holdsExactly(std::wstring_view text) const;

  // Changes the value of the key's line only; a key not there yet goes after
  // the last line of its section, a section not there yet at the end.
  void set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  std::string bytes() const;

 private:
  enum class Encoding { CodePage, Utf8, Utf16, Utf16BigEndian };
  struct Line {
    std::string content, end;  // the line's bytes, and its line end's
    std::wstring text;         // the content read in the file's encoding
  };
  struct Found {
    std::optional<std::size_t> line;  // the key's
    std::optional<std::size_t> last;  // the section's last line that is not blank
    bool holdsValues = false;         // whether a key of the section has a value
  };

  Found find(std::wstring_view section, std::wstring_view key) const;
  bool same(std::wstring_view a, std::wstring_view b) const;  // names, without regard to case
  void addLine(std::string_view content, std::string_view end);
  bool wide() const;  // UTF-16, two bytes a unit
  std::wstring decode(std::string_view bytes) const;
  std::string encode(std::wstring_view text) const;
  void insert(std::size_t at, std::wstring text);

  const CodePage* codePage_;
  Encoding encoding_ = Encoding::CodePage;
  std::string bom_;
  std::vector<Line> lines_;
};

}  // namespace fw
