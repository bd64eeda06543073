#pragma once
// A stand-in dialog for the tests: what the user would do in the dialog for
// T, registered while the object lives.
#include <functional>

#include "core/editors.h"

namespace kav::test {

// The program's own dialog comes back afterwards only if the test registers
// it again.
template <class T>
class ScopedEditor {
 public:
  explicit ScopedEditor(std::function<bool(T&)> edit) { Editors::Register<T>(std::move(edit)); }
  ~ScopedEditor() { Editors::Unregister<T>(); }
  ScopedEditor(const ScopedEditor&) = delete;
  ScopedEditor& operator=(const ScopedEditor&) = delete;
};

}  // namespace kav::test
