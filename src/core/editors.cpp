#include "core/editors.h"

#include <map>

#include "core/platform.h"
#include "core/strings.h"

namespace kav {
namespace {
std::map<std::type_index, std::function<bool(void*)>>& Registry() {
  static std::map<std::type_index, std::function<bool(void*)>> registry;
  return registry;
}
}  // namespace

void Editors::Set(std::type_index type, Erased edit) {
  if (edit) {
    Registry()[type] = std::move(edit);
  } else {
    Registry().erase(type);
  }
}

void Editors::TellNoDialog() {
  ShowMessage(Str(ids::DialogNotAvailable), Icon::Information);
}

std::optional<bool> Editors::RunErased(std::type_index type, void* object) {
  auto it = Registry().find(type);
  if (it == Registry().end()) return std::nullopt;
  return it->second(object);
}

}  // namespace kav
