#pragma once
// The classes an archive may create by name, each with schema 1.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/item.h"

namespace kav {

class ClassRegistry {
 public:
  using Factory = std::unique_ptr<CObject> (*)();

  template <class T>
  void Add() {
    Add(T::kClassName, [] { return std::unique_ptr<CObject>(std::make_unique<T>()); });
  }
  void Add(std::string name, Factory factory);
  // Null for a class that is not registered.
  const Factory* Find(std::string_view name) const;

  static constexpr std::uint16_t kSchema = 1;

 private:
  std::map<std::string, Factory, std::less<>> factories_;
};

}  // namespace kav
