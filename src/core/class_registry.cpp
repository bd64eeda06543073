#include "core/class_registry.h"

namespace kav {

void ClassRegistry::Add(std::string name, Factory factory) {
  factories_[std::move(name)] = factory;
}

const ClassRegistry::Factory* ClassRegistry::Find(std::string_view name) const {
  auto it = factories_.find(name);
  return it == factories_.end() ? nullptr : &it->second;
}

}  // namespace kav
