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
#include <typeinfo>
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

// Made only by Published (and for the root, Control): a class's published
// base is always its C++ base's.
class ClassInfo {
 public:
  const std::string& name() const { return schema_.name; }
  const desc::ClassSchema& schema() const { return schema_; }
  const ClassInfo* base() const { return base_; }
  // The C++ class whose objects publish this.
  const std::type_info& type() const { return type_; }
  Factory factory() const { return create_; }
  // Searches the bases too.
  const PropertyDef* find(std::string_view property) const;
  // Base class properties first, in declaration order: the order of writing.
  std::vector<const PropertyDef*> allProperties() const;

 private:
  template <class, class>
  friend class Published;
  friend class Control;
  ClassInfo(std::string name, const std::type_info& type, const ClassInfo* base, Factory create,
            std::vector<PropertyDef> properties);

  desc::ClassSchema schema_;
  const std::type_info& type_;
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
      return ClassInfo(std::move(own.name), typeid(Self), &Base::info(), factory(), std::move(own.properties));
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

// A property of an object that is not a control itself (a fill, a caption),
// declared once by the object's class and published by each control that
// owns one, under the owner's name for it ("Fill.Color").
template <class Sub>
struct MemberDef {
  desc::PropertySchema schema;
  std::function<void(Sub&, const desc::Value&)> set;
  std::function<desc::Value(const Sub&)> get;
};

// Declaring a property of Sub whose C++ type is V, from a getter and a
// setter (member functions or any callables taking Sub).
template <class Sub, class V, class Get, class Set>
MemberDef<Sub> member(std::string name, V defaultValue, Get get, Set set, bool alwaysWritten = false) {
  MemberDef<Sub> def;
  // Member by member: GCC 12 takes the destruction of a whole temporary
  // schema for a free of memory it did not allocate.
  def.schema.name = std::move(name);
  def.schema.kind = ValueCodec<V>::kind;
  def.schema.defaultValue = ValueCodec<V>::encode(defaultValue);
  def.schema.alwaysWritten = alwaysWritten;
  def.set = [set](Sub& s, const desc::Value& v) { std::invoke(set, s, ValueCodec<V>::decode(v)); };
  def.get = [get](const Sub& s) -> desc::Value { return ValueCodec<V>::encode(V(std::invoke(get, s))); };
  return def;
}

// A value kept in a plain struct that Sub hands out by values() and changes
// by set(field, value); its default is the struct's own.
template <class Sub, class Values, class V>
MemberDef<Sub> valueMember(std::string name, V Values::*field, bool alwaysWritten = false) {
  return member<Sub, V>(
      std::move(name), Values{}.*field, [field](const Sub& s) { return s.values().*field; },
      [field](Sub& s, V v) { s.set(field, std::move(v)); }, alwaysWritten);
}

// The members of the object that `access` finds in a T (a callable taking
// T& or const T&), as properties of T named prefix + member name.
template <class T, class Sub, class Access>
PropertyDef publish(const MemberDef<Sub>& m, Access access, const std::string& prefix = "") {
  PropertyDef def;
  def.schema = m.schema;
  def.schema.name = prefix + m.schema.name;
  def.set = [access, set = m.set](Control& c, const desc::Value& v) { set(access(static_cast<T&>(c)), v); };
  def.get = [access, get = m.get](const Control& c) { return get(access(static_cast<const T&>(c))); };
  return def;
}
template <class T, class Sub, class Access>
void publishAll(std::vector<PropertyDef>& into, const std::vector<MemberDef<Sub>>& members, Access access,
                const std::string& prefix) {
  for (const MemberDef<Sub>& m : members) into.push_back(publish<T>(m, access, prefix));
}

// Declaring a property of class T whose C++ type is V, from a getter and a
// setter (member functions or any callables taking T).
template <class T, class V, class Get, class Set>
PropertyDef property(std::string name, V defaultValue, Get get, Set set, bool alwaysWritten = false) {
  return publish<T>(member<T, V>(std::move(name), std::move(defaultValue), get, set, alwaysWritten),
                    [](auto& t) -> auto& { return t; });
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
