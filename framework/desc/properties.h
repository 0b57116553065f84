// Published properties: each class declares its properties once, in a table
// (name, kind, default, whether always written, how to get and set it). The
// window description is read into objects and written back from them through
// these tables.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/desc/description.h"
#include "framework/desc/value_codec.h"

namespace fw {

class Control;

struct PropertyDef {
  desc::PropertySchema schema;
  std::function<void(Control&, const desc::Value&)> set;
  std::function<desc::Value(const Control&)> get;
  // When given and false, the property is not written (e.g. Font.* while the
  // control uses its parent's font).
  std::function<bool(const Control&)> stored;
  bool isEvent = false;  // the value names a handler of the form
};

using Factory = std::unique_ptr<Control> (*)();

class ClassInfo {
 public:
  ClassInfo(std::string name, const ClassInfo* base, Factory create, std::vector<PropertyDef> properties);
  const std::string& name() const { return schema_.name; }
  const desc::ClassSchema& schema() const { return schema_; }
  const ClassInfo* base() const { return base_; }
  Factory factory() const { return create_; }
  // Searches the bases too.
  const PropertyDef* find(std::string_view property) const;
  // Base class properties first, in declaration order: the order of writing.
  std::vector<const PropertyDef*> allProperties() const;

 private:
  desc::ClassSchema schema_;
  const ClassInfo* base_;
  Factory create_;
  std::vector<PropertyDef> properties_;
};

// What a class publishes of its own: its name in the window description and
// the properties it adds to those of its base.
struct Publication {
  std::string name;
  std::vector<PropertyDef> properties;
};

// A published class Self on its C++ base Base: Self's published base is
// Base's, and every object of Self describes itself as Self. Self declares
// once, publicly,
//   static fw::Publication publication();
// Without it the deleted one below is found, and the build stops, rather
// than the description writing Base's name. A base that only brings
// behaviour (no Published of its own) publishes what its own base does.
template <class Self, class Base>
class Published : public Base {
 public:
  using Base::Base;
  static const ClassInfo& info() {
    static const ClassInfo info = [] {
      Publication own = Self::publication();
      return ClassInfo(std::move(own.name), &Base::info(), factory(), std::move(own.properties));
    }();
    return info;
  }
  const ClassInfo& classInfo() const override { return info(); }
  static Publication publication() = delete;

 private:
  // A window description makes its controls; its root, a form, is made by
  // the program.
  static Factory factory() {
    if constexpr (Self::kIsForm) return nullptr;
    else return [] { return std::unique_ptr<Control>(new Self); };
  }
};

// The classes that may appear in a window description.
class Registry : public desc::Schema {
 public:
  static Registry& instance();
  void add(const ClassInfo& info);
  const desc::ClassSchema* find(std::string_view className) const override;
  const ClassInfo* info(std::string_view className) const;
  const std::vector<const ClassInfo*>& classes() const { return classes_; }

 private:
  std::vector<const ClassInfo*> classes_;
};

// Declaring a property of class T whose C++ type is V, from a getter and a
// setter (member functions or any callables taking T).
template <class T, class V, class Get, class Set>
PropertyDef property(std::string name, V defaultValue, Get get, Set set, bool alwaysWritten = false) {
  PropertyDef def;
  // Member by member: GCC 12 takes the destruction of a whole temporary
  // schema for a free of memory it did not allocate.
  def.schema.name = std::move(name);
  def.schema.kind = ValueCodec<V>::kind;
  def.schema.defaultValue = ValueCodec<V>::encode(defaultValue);
  def.schema.alwaysWritten = alwaysWritten;
  def.set = [set](Control& c, const desc::Value& v) {
    std::invoke(set, static_cast<T&>(c), ValueCodec<V>::decode(v));
  };
  def.get = [get](const Control& c) -> desc::Value {
    return ValueCodec<V>::encode(V(std::invoke(get, static_cast<const T&>(c))));
  };
  return def;
}

template <class T, class V, class Get, class Set, class Stored>
PropertyDef property(std::string name, V defaultValue, Get get, Set set, Stored stored) {
  PropertyDef def = property<T, V>(std::move(name), std::move(defaultValue), get, set);
  def.schema.alwaysWritten = true;  // written exactly when stored
  def.stored = [stored](const Control& c) { return std::invoke(stored, static_cast<const T&>(c)); };
  return def;
}

// A property kept in a plain data member.
template <class T, class V>
PropertyDef field(std::string name, V defaultValue, V T::*member, bool alwaysWritten = false) {
  return property<T, V>(
      std::move(name), std::move(defaultValue), [member](const T& t) { return t.*member; },
      [member](T& t, V v) { t.*member = std::move(v); }, alwaysWritten);
}

// An event: its value is the name of a handler of the form.
PropertyDef event(std::string name);

}  // namespace fw
