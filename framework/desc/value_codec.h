// How the C++ value of a property is written in the window description and
// read back. Portable.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/desc/color_value.h"
#include "framework/desc/description.h"
#include "framework/text/utf8.h"

namespace fw {

// Thrown for a value of the right kind but unusable content (an unknown
// colour or enumeration name, a number out of range); the reader adds the line.
struct BadValue {
  std::string message;
};

template <class V>
struct ValueCodec;

template <>
struct ValueCodec<int> {
  static constexpr desc::Kind kind = desc::Kind::Integer;
  static desc::Value encode(int v) { return std::int64_t(v); }
  static int decode(const desc::Value& v);
};

// Opacities: 0 to 255.
template <>
struct ValueCodec<std::uint8_t> {
  static constexpr desc::Kind kind = desc::Kind::Integer;
  static desc::Value encode(std::uint8_t v) { return std::int64_t(v); }
  static std::uint8_t decode(const desc::Value& v);
};

template <>
struct ValueCodec<bool> {
  static constexpr desc::Kind kind = desc::Kind::Ident;
  static desc::Value encode(bool v) { return desc::Ident{v ? "true" : "false"}; }
  static bool decode(const desc::Value& v);
};

template <>
struct ValueCodec<std::wstring> {
  static constexpr desc::Kind kind = desc::Kind::String;
  static desc::Value encode(const std::wstring& v) { return toUtf8(v); }
  static std::wstring decode(const desc::Value& v) { return fromUtf8(std::get<std::string>(v)); }
};

// Extended floats as the shortest decimal text that reads back exactly.
template <>
struct ValueCodec<long double> {
  static constexpr desc::Kind kind = desc::Kind::Number;
  static desc::Value encode(long double v);
  static long double decode(const desc::Value& v);
};

template <>
struct ValueCodec<std::vector<std::wstring>> {
  static constexpr desc::Kind kind = desc::Kind::StringList;
  static desc::Value encode(const std::vector<std::wstring>& v);
  static std::vector<std::wstring> decode(const desc::Value& v);
};

template <>
struct ValueCodec<desc::Bytes> {
  static constexpr desc::Kind kind = desc::Kind::Binary;
  static desc::Value encode(const desc::Bytes& v) { return v; }
  static desc::Bytes decode(const desc::Value& v) { return std::get<desc::Bytes>(v); }
};

// Named colours are written by name, the others as decimal numbers.
template <>
struct ValueCodec<Color> {
  static constexpr desc::Kind kind = desc::Kind::Color;
  static desc::Value encode(Color v);
  static Color decode(const desc::Value& v);
};

// The name of a form's handler bound to an event.
struct HandlerName {
  std::string name;
  bool operator==(const HandlerName&) const = default;
};
template <>
struct ValueCodec<HandlerName> {
  static constexpr desc::Kind kind = desc::Kind::Ident;
  static desc::Value encode(const HandlerName& v) { return desc::Ident{v.name}; }
  static HandlerName decode(const desc::Value& v) { return {std::get<desc::Ident>(v).name}; }
};

// Enumerations: specialise EnumNames<E> with a table of {value, name}.
template <class E>
struct EnumNames;

template <class E>
  requires requires { EnumNames<E>::table; }
struct ValueCodec<E> {
  static constexpr desc::Kind kind = desc::Kind::Ident;
  static desc::Value encode(E v) {
    for (auto& [value, name] : EnumNames<E>::table)
      if (value == v) return desc::Ident{name};
    return desc::Ident{"?"};
  }
  static E decode(const desc::Value& v) {
    const std::string& s = std::get<desc::Ident>(v).name;
    for (auto& [value, name] : EnumNames<E>::table)
      if (s == name) return value;
    throw BadValue{"unknown value " + s};
  }
};

// Sets of flags: specialise FlagNames<F> (F wraps an unsigned bit mask `bits`).
template <class F>
struct FlagNames;

template <class F>
  requires requires { FlagNames<F>::table; }
struct ValueCodec<F> {
  static constexpr desc::Kind kind = desc::Kind::Set;
  static desc::Value encode(F v) {
    desc::Set s;
    for (auto& [bit, name] : FlagNames<F>::table)
      if (v.bits & bit) s.names.push_back(name);
    return s;
  }
  static F decode(const desc::Value& v) {
    F f{};
    for (const std::string& n : std::get<desc::Set>(v).names) {
      bool known = false;
      for (auto& [bit, name] : FlagNames<F>::table)
        if (n == name) { f.bits |= bit; known = true; }
      if (!known) throw BadValue{"unknown flag " + n};
    }
    return f;
  }
};

}  // namespace fw
