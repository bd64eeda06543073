#pragma once
// The classes a document may hold besides the data rows.
#include "core/class_registry.h"

namespace kav {

// Accessories, pipe segments, economic solutions and the older economic
// records.
void AddModuleClasses(ClassRegistry& registry);

// What a document archive may create: every data row class and the classes
// above.
const ClassRegistry& DocumentClasses();

}  // namespace kav
