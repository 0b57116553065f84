// A small schema for the description tests and the fuzz target: a base class
// with the common properties and three classes on it, covering every kind.
#pragma once

#include <string_view>

#include "framework/desc/description.h"

namespace desc_test {

class TestSchema final : public desc::Schema {
 public:
  TestSchema() = default;
  TestSchema(const TestSchema&) = delete;  // the classes point at their base
  TestSchema& operator=(const TestSchema&) = delete;

  const desc::ClassSchema* find(std::string_view className) const override {
    for (const desc::ClassSchema* c : {&form_, &radioGroup_, &image_})
      if (c->name == className) return c;
    return nullptr;
  }

 private:
  using K = desc::Kind;
  desc::ClassSchema control_{"TControl", nullptr,
                             {{"Left", K::Integer, std::int64_t{0}},
                              {"Top", K::Integer, std::int64_t{0}},
                              {"Anchors", K::Set, desc::Set{{"akLeft", "akTop"}}},
                              {"Font.Name", K::String, std::string("Tahoma")},
                              {"Font.Height", K::Integer, std::int64_t{-11}},
                              {"Font.Color", K::Color, desc::Ident{"clWindowText"}},
                              {"OnClick", K::Ident, desc::Ident{}}}};
  desc::ClassSchema form_{"TForm", &control_,
                          {{"Caption", K::String, std::string()},
                           {"Color", K::Color, desc::Ident{"clBtnFace"}},
                           {"OnCreate", K::Ident, desc::Ident{}}}};
  desc::ClassSchema radioGroup_{"TRadioGroup", &control_,
                                {{"Caption", K::String, std::string()},
                                 {"Items", K::StringList, desc::StringList{}},
                                 {"Columns", K::Integer, std::int64_t{1}},
                                 {"ItemIndex", K::Integer, std::int64_t{-1}, true},
                                 {"Zoom", K::Number, desc::Number{"0"}}}};
  desc::ClassSchema image_{"TImage", &control_,
                           {{"Picture.Data", K::Binary, desc::Bytes{}},
                            {"Stretch", K::Ident, desc::Ident{"false"}}}};
};

inline const TestSchema& testSchema() {
  static const TestSchema schema;
  return schema;
}

}  // namespace desc_test
