// The window description: a readable text that says which components a window
// is made of and the value of each of their published properties.
//
//   Formmorvi: TFormmorvi {
//     Caption = "Impression de Morvi (règle graduée)"
//     ClientWidth = 497
//     Color = clGradientInactiveCaption
//     GroupBox1: TGroupBox {
//       Items = [" 1:20", " 1:25"]
//       Anchors = [akLeft, akTop]
//       Picture.Data = <
//         424D361B0000...
//       >
//     }
//   }
//
// This header is portable: it parses and writes the text and checks it against
// a schema, the table of classes and their published properties. Creating real
// windows from the tree is the Windows side's business.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace desc {

// Kinds of property value, as they are written.
enum class Kind {
  Integer,     // -11, 497
  String,      // "text", UTF-8, escapes \" \\ \r \n \t
  Ident,       // clNone, true, taCenter, FormCreate (enumerations, booleans, colours, handlers)
  StringList,  // ["a", "b"]
  Set,         // [akLeft, akTop]
  Number,      // 12.5, -3, 1.5E-7 (decimal text, kept as written)
  Binary,      // < hex lines >
  Color,       // an Integer (16111818) or an Ident (clNavy): either is accepted
};

struct Ident {
  std::string name;
  bool operator==(const Ident&) const = default;
};
struct Set {
  std::vector<std::string> names;
  bool operator==(const Set&) const = default;
};
using StringList = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;
struct Number {
  std::string text;
  bool operator==(const Number&) const = default;
};

using Value = std::variant<std::int64_t, std::string, Ident, StringList, Set, Number, Bytes>;
Kind kindOf(const Value& v);

struct Property {
  std::string name;  // may be dotted: Font.Name, Picture.Data
  Value value;
  int line = 0;      // 1-based line of the text it was read from; 0 when built in code
};

struct Object {
  std::string name;
  std::string className;
  std::vector<Property> properties;
  std::vector<Object> children;
  int line = 0;
};

// A description that cannot be read: the message names the line.
class Error : public std::runtime_error {
 public:
  Error(int line, const std::string& what);
  int line() const { return line_; }
 private:
  int line_;
};

// What a class publishes. Base classes are looked up through `base`.
struct PropertySchema {
  std::string name;
  Kind kind;
  Value defaultValue;
  bool alwaysWritten = false;
};
struct ClassSchema {
  std::string name;
  const ClassSchema* base = nullptr;
  std::vector<PropertySchema> properties;
  const PropertySchema* find(std::string_view property) const;  // searches the bases too
};
class Schema {
 public:
  virtual ~Schema() = default;
  virtual const ClassSchema* find(std::string_view className) const = 0;
};

// Reads a description. Throws Error (with the line) on malformed text, an
// unknown class or property, or a value of the wrong kind.
Object parse(std::string_view text, const Schema& schema);

// Writes the canonical text: two blanks of indent a level, binary data as
// 64 hex digits a line. parse(write(o)) == o, and write(parse(t)) == t for
// every text in canonical form.
std::string write(const Object& root);

}  // namespace desc
