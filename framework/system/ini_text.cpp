#include "framework/system/ini_text.h"

#include <algorithm>

#include "framework/text/utf8.h"

namespace fw {

namespace {

// What the profile functions skip around names and values: the carriage
// return of a line ended in a file of line feeds, and the old end-of-file
// mark too.
bool blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f' || c == L'\r' || c == 0x1A; }

std::wstring_view trimmed(std::wstring_view t) {
  while (!t.empty() && blank(t.front())) t.remove_prefix(1);
  while (!t.empty() && blank(t.back())) t.remove_suffix(1);
  return t;
}

// One line as the profile functions see it. A line without "=" names a key
// that holds no value: it hides a later key of the same name. A "[" without
// a closing "]" opens no section: the line is a key of the section it is in.
struct Parsed {
  enum { Other, Section, Key } kind = Other;  // Other: blank or a comment
  std::wstring_view name;
  bool hasValue = false;
  std::size_t valueBegin = 0, valueEnd = 0;  // the value's place in the line; where "=" goes when none
};

Parsed parse(std::wstring_view line) {
  const std::wstring_view body = trimmed(line);
  if (body.empty() || body.front() == L';') return {};
  if (body.front() == L'[') {
    const std::size_t close = body.rfind(L']');
    if (close != 0 && close != std::wstring_view::npos) return {Parsed::Section, trimmed(body.substr(1, close - 1))};
  }
  const std::size_t begin = std::size_t(body.data() - line.data());
  const std::size_t equals = body.find(L'=');
  if (equals == std::wstring_view::npos) return {Parsed::Key, body, false, begin + body.size(), begin + body.size()};
  std::size_t value = begin + equals + 1;
  while (value < begin + body.size() && blank(line[value])) ++value;
  return {Parsed::Key, trimmed(body.substr(0, equals)), true, value, begin + body.size()};
}

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

IniText::IniText(std::string_view bytes, const CodePage& codePage) : codePage_(&codePage) {
  if (bytes.starts_with("\xFF\xFE")) {
    encoding_ = Encoding::Utf16;
    bom_ = bytes.substr(0, 2);
  } else if (bytes.starts_with("\xFE\xFF")) {
    encoding_ = Encoding::Utf16BigEndian;
    bom_ = bytes.substr(0, 2);
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    encoding_ = Encoding::Utf8;
    bom_ = bytes.substr(0, 3);
  } else if (!isAscii(bytes) && isValidUtf8(bytes)) {
    encoding_ = Encoding::Utf8;
  }
  bytes.remove_prefix(bom_.size());
  // A line ends at CR LF, at LF and at a CR alone (an old Mac editor's), as
  // the profile functions end it; each code unit of UTF-16 is two bytes.
  const std::size_t unit = wide() ? 2 : 1;
  const auto unitAt = [&](std::size_t i) -> char32_t {
    if (i + unit > bytes.size()) return 0;
    if (unit == 1) return static_cast<unsigned char>(bytes[i]);
    return decode(bytes.substr(i, 2)).front();
  };
  std::size_t start = 0, i = 0;
  for (; i + unit <= bytes.size(); i += unit) {
    const char32_t c = unitAt(i);
    if (c != U'\n' && c != U'\r') continue;
    const std::size_t endSize = c == U'\r' && unitAt(i + unit) == U'\n' ? 2 * unit : unit;
    addLine(bytes.substr(start, i - start), bytes.substr(i, endSize));
    i += endSize - unit;
    start = i + unit;
  }
  if (start < bytes.size()) addLine(bytes.substr(start), {});
}

void IniText::addLine(std::string_view content, std::string_view end) {
  lines_.push_back(Line{std::string(content), std::string(end), decode(content)});
}

bool IniText::wide() const { return encoding_ == Encoding::Utf16 || encoding_ == Encoding::Utf16BigEndian; }

std::wstring IniText::decode(std::string_view bytes) const {
  switch (encoding_) {
    case Encoding::Utf8:
      return fromUtf8(bytes);
    case Encoding::Utf16:
    case Encoding::Utf16BigEndian: {
      const int low = encoding_ == Encoding::Utf16 ? 0 : 1;
      const auto unitAt = [&](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[i + low]) | static_cast<unsigned char>(bytes[i + 1 - low]) << 8;
      };
      std::wstring text;
      for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        // A wide character of 32 bits holds a pair of surrogates as one.
        if (sizeof(wchar_t) > 2 && unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
          const char32_t second = unitAt(i + 2);
          if (second >= 0xDC00 && second < 0xE000) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (second - 0xDC00);
            i += 2;
          }
        }
        text += wchar_t(unit);
      }
      return text;
    }
    case Encoding::CodePage:
      break;
  }
  return codePage_->decode(bytes);
}

std::string IniText::encode(std::wstring_view text) const {
  switch (encoding_) {
    case Encoding::Utf8:
      return toUtf8(text);
    case Encoding::Utf16:
    case Encoding::Utf16BigEndian: {
      std::string bytes;
      const bool little = encoding_ == Encoding::Utf16;
      const auto unit = [&](char32_t u) {
        const char low = char(u & 0xFF), high = char(u >> 8);
        bytes += little ? low : high;
        bytes += little ? high : low;
      };
      // A wide character of 32 bits beyond 0xFFFF is a pair of surrogates.
      const auto character = [&](char32_t c) {
        if (c >= 0x10000) {
          unit(0xD800 + ((c - 0x10000) >> 10));
          unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
          unit(c);
        }
      };
      for (const wchar_t c : text) character(char32_t(c));
      return bytes;
    }
    case Encoding::CodePage:
      break;
  }
  bool exact = true;
  return codePage_->encode(text, exact);
}

bool IniText::same(std::wstring_view a, std::wstring_view b) const {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](wchar_t x, wchar_t y) { return codePage_->upper(x) == codePage_->upper(y); });
}

bool IniText::holdsExactly(std::wstring_view text) const {
  bool exact = true;
  if (encoding_ == Encoding::CodePage) codePage_->encode(text, exact);
  return exact;
}

IniText::Found IniText::find(std::wstring_view section, std::wstring_view key) const {
  Found found;
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Parsed line = parse(lines_[i].text);
    if (line.kind == Parsed::Section) {
      // The first section of the name is the one read.
      if (inSection) break;
      inSection = same(line.name, section);
    }
    if (!inSection) continue;
    if (!trimmed(lines_[i].text).empty()) found.last = i;
    if (line.kind != Parsed::Key) continue;
    found.holdsValues = found.holdsValues || line.hasValue;
    if (!found.line && same(line.name, key)) found.line = i;
  }
  return found;
}

std::optional<std::wstring> IniText::read(std::wstring_view section, std::wstring_view key) const {
  const Found found = find(section, key);
  if (!found.line) return std::nullopt;
  const std::wstring& text = lines_[*found.line].text;
  const Parsed line = parse(text);
  if (!line.hasValue) return std::nullopt;
  std::wstring_view value = std::wstring_view(text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
  // The profile functions hand the value on as a string that ends at a NUL.
  value = value.substr(0, value.find(L'\0'));
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::wstring(value);
}

bool IniText::holdsKeys(std::wstring_view section) const { return find(section, {}).holdsValues; }

void IniText::set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const Found found = find(section, key);
  if (found.line) {
    Line& l = lines_[*found.line];
    const Parsed line = parse(l.text);
    l.text = l.text.substr(0, line.valueBegin) + (line.hasValue ? L"" : L"=") + std::wstring(value) +
             l.text.substr(line.valueEnd);
    l.content = encode(l.text);
  } else if (found.last) {
    insert(*found.last + 1, std::wstring(key) + L"=" + std::wstring(value));
  } else {
    insert(lines_.size(), L"[" + std::wstring(section) + L"]");
    insert(lines_.size(), std::wstring(key) + L"=" + std::wstring(value));
  }
}

void IniText::insert(std::size_t at, std::wstring text) {
  // New lines end as the file's first line does.
  const auto ended = std::find_if(lines_.begin(), lines_.end(), [](const Line& l) { return !l.end.empty(); });
  const std::string end = ended != lines_.end() ? ended->end : encode(L"\r\n");
  if (at > 0 && lines_[at - 1].end.empty()) {
    // A stray last byte of UTF-16, half a character that reads as nothing,
    // would shift every unit after it: it goes.
    if (wide() && lines_[at - 1].content.size() % 2) lines_[at - 1].content.pop_back();
    lines_[at - 1].end = end;
  }
  std::string content = encode(text);
  lines_.insert(lines_.begin() + std::ptrdiff_t(at), Line{std::move(content), end, std::move(text)});
}

std::string IniText::bytes() const {
  std::string bytes = bom_;
  for (const Line& l : lines_) bytes += l.content + l.end;
  return bytes;
}

}  // namespace fw
