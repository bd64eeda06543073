#pragma once
// The input dialogs, seen from the model: an object's EditInput hands a
// copy of its inputs to the dialog registered for that type and takes the
// copy back when the dialog returns true (OK). The desktop program
// registers its dialogs at start-up; without one, nothing can be edited.
#include <functional>
#include <optional>
#include <typeindex>

namespace kav {

class Editors {
 public:
  template <class T>
  static void Register(std::function<bool(T&)> edit) {
    Set(std::type_index(typeid(T)),
        [edit = std::move(edit)](void* object) { return edit(*static_cast<T*>(object)); });
  }
  template <class T>
  static void Unregister() {
    Set(std::type_index(typeid(T)), nullptr);
  }
  // The dialog's answer (true for OK), or nothing when no dialog edits T.
  template <class T>
  static std::optional<bool> Run(T& object) {
    return RunErased(std::type_index(typeid(T)), &object);
  }
  // Runs the dialog for T on `copy`; true after OK. Without a dialog for T
  // the user is told so and the answer is false.
  template <class T>
  static bool Edit(T& copy) {
    const std::optional<bool> accepted = Run(copy);
    if (!accepted) TellNoDialog();
    return accepted.value_or(false);
  }

 private:
  using Erased = std::function<bool(void*)>;
  static void Set(std::type_index type, Erased edit);
  static void TellNoDialog();
  static std::optional<bool> RunErased(std::type_index type, void* object);
};

}  // namespace kav
