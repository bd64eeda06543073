#pragma once
// The classes each data file may hold. Reading a file with a class that is
// not listed for it is an archive error.
#include "core/class_registry.h"

namespace kav {

// kav.dat: the eight row classes and their sub-row classes.
const ClassRegistry& DatabaseFileClasses();
// egendef.dat: user products and their thicknesses.
const ClassRegistry& UserDatabaseFileClasses();
// kav.cli: climate places.
const ClassRegistry& ClimateFileClasses();
// kav.cst: cost entries.
const ClassRegistry& CostFileClasses();

// Adds every data row class (documents store copies of database rows).
void AddDataRowClasses(ClassRegistry& registry);

}  // namespace kav
