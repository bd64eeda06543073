#include "data/data_classes.h"

#include "data/absorpsjon.h"
#include "data/iso_produkt.h"
#include "data/klima.h"
#include "data/korbuflex.h"
#include "data/kostnad.h"
#include "data/mantling.h"
#include "data/tillegg.h"
#include "data/veske.h"

namespace kav {
namespace {

void AddDatabaseFileClasses(ClassRegistry& registry) {
  registry.Add<CIsoProdukt>();
  registry.Add<CIsoTykkelse>();
  registry.Add<CKorbuFlex>();
  registry.Add<CKorbuFlexSerie>();
  registry.Add<CKorbuFlexTykkelse>();
  registry.Add<CAbsorpsjon>();
  registry.Add<CAbsorpsjonTykkelse>();
  registry.Add<CMantling>();
  registry.Add<COverflate>();
  registry.Add<CInnvMantling>();
  registry.Add<CTillegg2>();
  registry.Add<CTilleggslengde>();
  registry.Add<CVeske>();
}

template <void (*Fill)(ClassRegistry&)>
const ClassRegistry& Registry() {
  static const ClassRegistry registry = [] {
    ClassRegistry r;
    Fill(r);
    return r;
  }();
  return registry;
}

void AddUserDatabaseFileClasses(ClassRegistry& registry) {
  registry.Add<CEgendefIsoProdukt>();
  registry.Add<CIsoTykkelse>();
}

void AddClimateFileClasses(ClassRegistry& registry) {
  registry.Add<CKlimasted>();
}

void AddCostFileClasses(ClassRegistry& registry) {
  registry.Add<CIsoKostnad>();
}

}  // namespace

const ClassRegistry& DatabaseFileClasses() {
  return Registry<AddDatabaseFileClasses>();
}
const ClassRegistry& UserDatabaseFileClasses() {
  return Registry<AddUserDatabaseFileClasses>();
}
const ClassRegistry& ClimateFileClasses() {
  return Registry<AddClimateFileClasses>();
}
const ClassRegistry& CostFileClasses() {
  return Registry<AddCostFileClasses>();
}

void AddDataRowClasses(ClassRegistry& registry) {
  AddDatabaseFileClasses(registry);
  AddUserDatabaseFileClasses(registry);
  AddClimateFileClasses(registry);
  AddCostFileClasses(registry);
}

}  // namespace kav
