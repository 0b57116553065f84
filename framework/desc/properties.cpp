#include "framework/desc/properties.h"

#include <algorithm>

namespace fw {

ClassInfo::ClassInfo(std::string name, const std::type_info& type, const ClassInfo* base, Factory create,
                     std::vector<PropertyDef> properties)
    : type_(type), base_(base), create_(create), properties_(std::move(properties)) {
  schema_.name = std::move(name);
  schema_.base = base ? &base->schema() : nullptr;
  for (const PropertyDef& p : properties_) schema_.properties.push_back(p.schema);
}

const PropertyDef* ClassInfo::find(std::string_view property) const {
  for (const ClassInfo* c = this; c; c = c->base_)
    for (const PropertyDef& p : c->properties_)
      if (p.schema.name == property) return &p;
  return nullptr;
}

std::vector<const PropertyDef*> ClassInfo::allProperties() const {
  std::vector<const PropertyDef*> all = base_ ? base_->allProperties() : std::vector<const PropertyDef*>{};
  for (const PropertyDef& p : properties_) all.push_back(&p);
  return all;
}

Registry& Registry::instance() {
  static Registry registry;
  return registry;
}

void Registry::add(const ClassInfo& info) {
  if (std::find(classes_.begin(), classes_.end(), &info) == classes_.end()) classes_.push_back(&info);
}

const ClassInfo* Registry::info(std::string_view className) const {
  for (const ClassInfo* c : classes_)
    if (c->name() == className) return c;
  return nullptr;
}

const desc::ClassSchema* Registry::find(std::string_view className) const {
  const ClassInfo* c = info(className);
  return c ? &c->schema() : nullptr;
}

}  // namespace fw
