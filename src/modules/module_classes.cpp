#include "modules/module_classes.h"

#include "data/data_classes.h"
#include "modules/insulation/tilleggsutstyr.h"
#include "modules/kanal_temp/segment.h"
#include "modules/okonomi/okonomi_isolasjon.h"
#include "modules/okonomi/okonomi_legacy.h"

namespace kav {

void AddModuleClasses(ClassRegistry& registry) {
  registry.Add<CTilleggsutstyr>();
  registry.Add<CSegment>();
  registry.Add<COkonomiIsolasjon>();
  registry.Add<COkoIsolasjon>();
  registry.Add<COkoTykkelse>();
  registry.Add<COkoKorbuflex>();
}

const ClassRegistry& DocumentClasses() {
  static const ClassRegistry registry = [] {
    ClassRegistry r;
    AddDataRowClasses(r);
    AddModuleClasses(r);
    return r;
  }();
  return registry;
}

}  // namespace kav
