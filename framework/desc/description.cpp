#include "framework/desc/description.h"

#include <algorithm>
#include <limits>
#include <type_traits>
#include <unordered_set>

#include "framework/text/decimal.h"
#include "framework/text/utf8.h"

namespace desc {

// kindOf reads the variant's index: the alternatives follow the order of Kind.
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::Integer), Value>, std::int64_t>);
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::String), Value>, std::string>);
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::Ident), Value>, Ident>);
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::StringList), Value>, StringList>);
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::Set), Value>, Set>);
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::Binary), Value>, Bytes>);
static_assert(std::is_same_v<std::variant_alternative_t<size_t(Kind::Number), Value>, Number>);

Kind kindOf(const Value& v) { return static_cast<Kind>(v.index()); }

Error::Error(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

const PropertySchema* ClassSchema::find(std::string_view property) const {
  for (const ClassSchema* c = this; c; c = c->base)
    for (const PropertySchema& p : c->properties)
      if (p.name == property) return &p;
  return nullptr;
}

namespace {

constexpr int kIndentStep = 2;
constexpr std::size_t kHexDigitsPerLine = 64;
// Far deeper than any window; bounds the recursion on hostile text.
constexpr int kMaxDepth = 64;
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isIdentChar(char c) { return isIdentStart(c) || (c >= '0' && c <= '9'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }
// Control characters that have a short escape of their own.
bool hasShortEscape(unsigned char c) { return c == '\r' || c == '\n' || c == '\t'; }

// Length of the identifier at the start of s (0 when there is none).
std::size_t identLength(std::string_view s) {
  if (s.empty() || !isIdentStart(s[0])) return 0;
  std::size_t n = 1;
  while (n < s.size() && isIdentChar(s[n])) ++n;
  return n;
}

// Length of a dotted name (Font.Name) at the start of s.
std::size_t dottedNameLength(std::string_view s) {
  std::size_t n = identLength(s);
  while (n > 0 && n < s.size() && s[n] == '.') {
    const std::size_t part = identLength(s.substr(n + 1));
    if (part == 0) break;
    n += 1 + part;
  }
  return n;
}

bool isIdent(std::string_view s) { return !s.empty() && identLength(s) == s.size(); }
bool isDottedName(std::string_view s) { return !s.empty() && dottedNameLength(s) == s.size(); }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Integer: return "an integer";
    case Kind::String: return "a string";
    case Kind::Ident: return "an identifier";
    case Kind::StringList: return "a list of strings";
    case Kind::Set: return "a set";
    case Kind::Binary: return "binary data";
    case Kind::Number: return "a decimal number";
    case Kind::Color: return "a colour (an integer or an identifier)";
  }
  return "a value";
}

std::string quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

struct Line {
  int number = 0;
  int indent = 0;
  std::string_view content;  // after the indent
};

// The value on one property line, read left to right.
class ValueReader {
 public:
  ValueReader(std::string_view text, int line, std::string_view property)
      : text_(text), line_(line), property_(property) {}

  bool atEnd() const { return pos_ == text_.size(); }
  bool peek(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
  bool startsInteger() const {
    return pos_ < text_.size() && (text_[pos_] == '-' || isDigit(text_[pos_]));
  }
  bool accept(std::string_view token) {
    if (text_.substr(pos_, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }
  [[noreturn]] void fail(const std::string& message) const { throw Error(line_, message); }
  [[noreturn]] void wrongKind(Kind kind) const {
    fail(quoted(property_) + " takes " + kindName(kind));
  }
  void expectEnd() const {
    if (!atEnd()) fail("unexpected text after the value of " + quoted(property_));
  }

  std::int64_t integer() {
    const bool negative = accept("-");
    if (!(pos_ < text_.size() && isDigit(text_[pos_]))) {
      if (negative) fail("expected digits after '-'");
      wrongKind(Kind::Integer);
    }
    if (text_[pos_] == '0' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]))
      fail("integer with a leading zero");
    // The magnitude of the lowest int64 is one more than the highest.
    const std::uint64_t limit =
        std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    while (pos_ < text_.size() && isDigit(text_[pos_])) {
      const auto digit = std::uint64_t(text_[pos_++] - '0');
      if (magnitude > (limit - digit) / 10) fail("integer out of range");
      magnitude = magnitude * 10 + digit;
    }
    if (negative && magnitude == 0) fail("-0 is written 0");
    return negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
  }

  // The rest of the value, in the plain decimal syntax.
  Number number() {
    const std::string_view text = text_.substr(pos_);
    if (!fw::decimalValue(text)) wrongKind(Kind::Number);
    pos_ = text_.size();
    return Number{std::string(text)};
  }

  std::string ident(Kind kind) {
    const std::size_t n = identLength(text_.substr(pos_));
    if (n == 0) wrongKind(kind);
    pos_ += n;
    return std::string(text_.substr(pos_ - n, n));
  }

  std::string string(Kind kind) {
    if (!accept("\"")) wrongKind(kind);
    std::string out;
    for (;;) {
      if (atEnd()) fail("unterminated string");
      const char c = text_[pos_];
      if (c == '"') {
        ++pos_;
        return out;
      }
      if (c == '\\') {
        out += escape();
      } else if (static_cast<unsigned char>(c) < 0x80) {
        out += c;
        ++pos_;
      } else {
        const std::size_t n = fw::utf8SequenceLength(text_.substr(pos_));
        if (n == 0) fail("invalid UTF-8 in string");
        out.append(text_.substr(pos_, n));
        pos_ += n;
      }
    }
  }

  StringList stringList() {
    StringList items;
    list(Kind::StringList, [&] { items.push_back(string(Kind::StringList)); });
    return items;
  }

  Set set() {
    Set result;
    std::unordered_set<std::string> seen;
    list(Kind::Set, [&] {
      std::string name = ident(Kind::Set);
      if (!seen.insert(name).second) fail("element " + quoted(name) + " twice in a set");
      result.names.push_back(std::move(name));
    });
    return result;
  }

 private:
  // `[]` or `[item, item]`; `item` reads one element.
  template <typename ReadItem>
  void list(Kind kind, ReadItem item) {
    if (!accept("[")) wrongKind(kind);
    if (accept("]")) return;
    for (;;) {
      item();
      if (accept("]")) return;
      if (!accept(", ")) fail("expected ', ' or ']' in " + std::string(kindName(kind)));
    }
  }

  // Reads one escape; only the forms that the writer produces are taken.
  char escape() {
    ++pos_;  // the backslash
    if (atEnd()) fail("unterminated string");
    const char c = text_[pos_++];
    switch (c) {
      case '"': return '"';
      case '\\': return '\\';
      case 'r': return '\r';
      case 'n': return '\n';
      case 't': return '\t';
      case 'u': {
        const std::string_view digits = text_.substr(pos_, 4);
        if (digits.size() == 4 && digits.substr(0, 2) == "00") {
          const int high = hexValue(digits[2]), low = hexValue(digits[3]);
          const int code = high < 0 || low < 0 ? -1 : high * 16 + low;
          if (code >= 0 && isControl(static_cast<unsigned char>(code)) &&
              !hasShortEscape(static_cast<unsigned char>(code))) {
            pos_ += 4;
            return static_cast<char>(code);
          }
        }
        fail("bad escape: \\u is written for other control characters only, as \\u00XX");
      }
      default:
        fail("bad escape \\" + std::string(1, c));
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_;
  std::string_view property_;
};

class Parser {
 public:
  Parser(std::string_view text, const Schema& schema) : schema_(schema) {
    if (text.empty()) throw Error(1, "empty description");
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      lines_.push_back(text.substr(0, end));
      if (end == std::string_view::npos) {
        unterminatedLast_ = true;
        break;
      }
      text.remove_prefix(end + 1);
    }
  }

  Object root() {
    const Line first = take();
    if (first.indent != 0) throw Error(first.number, "the root object has no indent");
    Object root = object(first, 0);
    if (more()) {
      const Line extra = take();
      throw Error(extra.number, "text after the root object");
    }
    return root;
  }

 private:
  bool more() const { return next_ < lines_.size(); }

  // The next line, checked for what no line may hold.
  Line take() {
    const std::string_view text = lines_[next_];
    const int number = int(++next_);
    for (const char c : text) {
      if (c == '\t') throw Error(number, "tab character");
      if (c == '\r') throw Error(number, "carriage return (lines end with a line feed alone)");
      if (isControl(static_cast<unsigned char>(c))) throw Error(number, "control character");
    }
    const std::size_t indent = text.find_first_not_of(' ');
    if (indent == std::string_view::npos) throw Error(number, "blank line");
    if (text.back() == ' ') throw Error(number, "trailing blank");
    if (next_ == lines_.size() && unterminatedLast_)
      throw Error(number, "missing line feed at the end");
    return Line{number, int(indent), text.substr(indent)};
  }

  static bool isBadIndent(int indent, int expected) {
    return indent % kIndentStep != 0 || indent > expected;
  }

  // `Name: TClass {` on `header`, then properties, children and `}`.
  Object object(const Line& header, int depth) {
    if (depth > kMaxDepth) throw Error(header.number, "objects nested too deeply");
    Object result;
    result.line = header.number;
    std::string_view s = header.content;
    const std::size_t nameLength = identLength(s);
    const std::size_t classStart = nameLength + 2;
    const std::size_t classLength = identLength(s.substr(std::min(classStart, s.size())));
    if (nameLength == 0 || s.substr(nameLength, 2) != ": " || classLength == 0 ||
        s.substr(classStart + classLength) != " {")
      throw Error(header.number, "expected 'Name: TClass {'");
    result.name = s.substr(0, nameLength);
    result.className = s.substr(classStart, classLength);
    const ClassSchema* cls = schema_.find(result.className);
    if (!cls) throw Error(header.number, "unknown class " + quoted(result.className));

    const int inner = header.indent + kIndentStep;
    std::unordered_set<std::string_view> seen;
    for (;;) {
      if (!more())
        throw Error(header.number, quoted(result.name) + " is never closed: missing '}'");
      const Line line = take();
      if (line.indent == header.indent && line.content == "}") return result;
      if (line.indent != inner) {
        if (isBadIndent(line.indent, inner))
          throw Error(line.number, "bad indent: expected " + std::to_string(inner) + " blanks");
        throw Error(line.number, "missing '}' closing " + quoted(result.name) + " (line " +
                                     std::to_string(header.number) + ")");
      }
      const std::size_t n = dottedNameLength(line.content);
      const std::string_view after = line.content.substr(n);
      if (n > 0 && after.substr(0, 2) == ": ") {
        if (line.content.substr(0, n).find('.') != std::string_view::npos)
          throw Error(line.number, "an object name has no dot");
        result.children.push_back(object(line, depth + 1));
      } else if (n > 0 && after.substr(0, 3) == " = ") {
        if (!result.children.empty())
          throw Error(line.number, "property after child objects");
        const std::string_view name = line.content.substr(0, n);
        const PropertySchema* schema = cls->find(name);
        if (!schema)
          throw Error(line.number,
                      "unknown property " + quoted(name) + " of class " + result.className);
        if (!seen.insert(name).second)
          throw Error(line.number, "property " + quoted(name) + " given twice");
        result.properties.push_back(
            Property{std::string(name), value(line, after.substr(3), name, schema->kind),
                     line.number});
      } else {
        throw Error(line.number, "expected 'Name = value' or 'Name: TClass {'");
      }
    }
  }

  Value value(const Line& line, std::string_view text, std::string_view name, Kind kind) {
    ValueReader reader(text, line.number, name);
    Value result;
    switch (kind) {
      case Kind::Integer: result = reader.integer(); break;
      case Kind::String: result = reader.string(kind); break;
      case Kind::Ident: result = Ident{reader.ident(kind)}; break;
      case Kind::Color:
        if (reader.startsInteger())
          result = reader.integer();
        else
          result = Ident{reader.ident(kind)};
        break;
      case Kind::StringList: result = reader.stringList(); break;
      case Kind::Set: result = reader.set(); break;
      case Kind::Number: result = reader.number(); break;
      case Kind::Binary:
        if (reader.accept("<>")) {
          result = Bytes{};
        } else if (reader.accept("<")) {
          reader.expectEnd();
          return binaryLines(line, name);
        } else {
          reader.wrongKind(kind);
        }
        break;
    }
    reader.expectEnd();
    return result;
  }

  // The hex lines after `Name = <`, up to `>`. Every line but the last holds
  // the full 64 digits, so that the text reads back as it was written.
  Bytes binaryLines(const Line& property, std::string_view name) {
    const int hexIndent = property.indent + kIndentStep;
    Bytes bytes;
    bool lastWasShort = false;
    for (;;) {
      if (!more())
        throw Error(property.number, "binary " + quoted(name) + " is never closed: missing '>'");
      const Line line = take();
      if (line.indent == property.indent && line.content == ">") {
        if (bytes.empty()) throw Error(line.number, "empty binary data is written '<>'");
        return bytes;
      }
      if (line.indent != hexIndent)
        throw Error(line.number, "expected hex digits indented by " +
                                     std::to_string(hexIndent) + " blanks or '>'");
      if (lastWasShort)
        throw Error(line.number - 1, "hex line of fewer than 64 digits before the last");
      const std::string_view hex = line.content;
      for (const char c : hex) {
        if (c >= 'a' && c <= 'f') throw Error(line.number, "hex digits are written upper-case");
        if (hexValue(c) < 0) throw Error(line.number, "not a hex digit: " + quoted({&c, 1}));
      }
      if (hex.size() % 2 != 0) throw Error(line.number, "odd number of hex digits");
      if (hex.size() > kHexDigitsPerLine)
        throw Error(line.number, "more than 64 hex digits on a line");
      for (std::size_t i = 0; i < hex.size(); i += 2)
        bytes.push_back(std::uint8_t(hexValue(hex[i]) * 16 + hexValue(hex[i + 1])));
      lastWasShort = hex.size() < kHexDigitsPerLine;
    }
  }

  const Schema& schema_;
  std::vector<std::string_view> lines_;
  bool unterminatedLast_ = false;
  std::size_t next_ = 0;
};

// The writer refuses what the reader would not take back.
void requireName(std::string_view name, bool dotted) {
  if (!(dotted ? isDottedName(name) : isIdent(name)))
    throw std::invalid_argument("not a name that a description can hold: " + quoted(name));
}

void writeString(std::string& out, std::string_view s) {
  if (!fw::isValidUtf8(s)) throw std::invalid_argument("string is not valid UTF-8");
  out += '"';
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (isControl(u)) {
          out += "\\u00";
          out += kHexDigits[u >> 4];
          out += kHexDigits[u & 15];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

template <typename Items, typename WriteItem>
void writeList(std::string& out, const Items& items, WriteItem item) {
  out += '[';
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ", ";
    item(items[i]);
  }
  out += ']';
}

void writeBinary(std::string& out, const Bytes& bytes, const std::string& indent) {
  if (bytes.empty()) {
    out += "<>";
    return;
  }
  constexpr std::size_t bytesPerLine = kHexDigitsPerLine / 2;
  out += '<';
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % bytesPerLine == 0) {
      out += '\n';
      out += indent;
      out.append(kIndentStep, ' ');
    }
    out += kHexDigits[bytes[i] >> 4];
    out += kHexDigits[bytes[i] & 15];
  }
  out += '\n';
  out += indent;
  out += '>';
}

template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

void writeValue(std::string& out, const Value& value, const std::string& indent) {
  const auto writeIdent = [&](const std::string& name) {
    requireName(name, false);
    out += name;
  };
  std::visit(Overloaded{
                 [&](std::int64_t n) { out += std::to_string(n); },
                 [&](const std::string& s) { writeString(out, s); },
                 [&](const Ident& ident) { writeIdent(ident.name); },
                 [&](const StringList& items) {
                   writeList(out, items, [&](const std::string& s) { writeString(out, s); });
                 },
                 [&](const Set& set) { writeList(out, set.names, writeIdent); },
                 [&](const Bytes& bytes) { writeBinary(out, bytes, indent); },
                 [&](const Number& number) {
                   if (!fw::decimalValue(number.text))
                     throw std::invalid_argument("not a decimal number: " + quoted(number.text));
                   out += number.text;
                 },
             },
             value);
}

void writeObject(std::string& out, const Object& object, const std::string& indent) {
  requireName(object.name, false);
  requireName(object.className, false);
  out += indent + object.name + ": " + object.className + " {\n";
  const std::string inner = indent + std::string(kIndentStep, ' ');
  for (const Property& property : object.properties) {
    requireName(property.name, true);
    out += inner + property.name + " = ";
    writeValue(out, property.value, inner);
    out += '\n';
  }
  for (const Object& child : object.children) writeObject(out, child, inner);
  out += indent + "}\n";
}

}  // namespace

Object parse(std::string_view text, const Schema& schema) { return Parser(text, schema).root(); }

std::string write(const Object& root) {
  std::string out;
  writeObject(out, root, "");
  return out;
}

}  // namespace desc
