#pragma once
// The names of the six object types, as the picture buttons that choose
// them show them in their tool tips.
#include <QStringList>

namespace kav {

QStringList GeometryNames();

}  // namespace kav
