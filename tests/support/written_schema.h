// A schema read off a window description's own text, for tests that read a
// description without the program's classes: each property's kind is taken
// from how its value is written.
#pragma once

#include <cctype>
#include <cstdint>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>

#include "framework/desc/description.h"

namespace testdesc {

// The glow button's notes font and the gap between its picture and its
// text, which the window does not write, are designed at -11 and 2.
class WrittenSchema final : public desc::Schema {
 public:
  explicit WrittenSchema(const std::string& text) {
    const std::regex object(R"(^ *\w+: (\w+) \{$)"), property(R"(^ *([\w.]+) = (.).*$)");
    std::istringstream lines(text);
    std::string line, cls;
    for (std::smatch m; std::getline(lines, line);) {
      if (std::regex_match(line, m, object)) {
        cls = m[1];
        classes_[cls].name = cls;
      } else if (std::regex_match(line, m, property) && !cls.empty()) {
        add(cls, m[1], kindOf(m[2].str()[0], line));
      }
    }
    classes_["TAdvGlowButton"].properties.push_back({"NotesFont.Height", desc::Kind::Integer, std::int64_t{-11}});
    classes_["TAdvGlowButton"].properties.push_back({"Spacing", desc::Kind::Integer, std::int64_t{2}});
  }
  const desc::ClassSchema* find(std::string_view name) const override {
    const auto c = classes_.find(std::string(name));
    return c == classes_.end() ? nullptr : &c->second;
  }

 private:
  static desc::Kind kindOf(char first, const std::string& line) {
    using K = desc::Kind;
    if (first == '-' || std::isdigit(static_cast<unsigned char>(first))) return K::Integer;
    if (first == '"') return K::String;
    if (first == '<') return K::Binary;
    if (first == '[') return line.find("[\"") != std::string::npos ? K::StringList : K::Set;
    return K::Ident;
  }
  void add(const std::string& cls, const std::string& name, desc::Kind kind) {
    auto& props = classes_[cls].properties;
    for (const auto& p : props)
      if (p.name == name) return;
    desc::Value none = kind == desc::Kind::Integer ? desc::Value{std::int64_t{0}} : desc::Value{desc::Ident{}};
    props.push_back({name, kind == desc::Kind::Ident && name.find("Color") != std::string::npos ? desc::Kind::Color : kind,
                     none});
  }
  std::map<std::string, desc::ClassSchema> classes_;
};

}  // namespace testdesc
