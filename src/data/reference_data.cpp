#include "data/reference_data.h"

namespace kav {
namespace {

CDataBase* gDatabase = nullptr;
CEgendefDatabase* gUserDatabase = nullptr;
CKlima* gClimate = nullptr;
CKostnad* gCosts = nullptr;

}  // namespace

void SetReferenceData(CDataBase* database, CEgendefDatabase* userDatabase, CKlima* climate,
                      CKostnad* costs) {
  gDatabase = database;
  gUserDatabase = userDatabase;
  gClimate = climate;
  gCosts = costs;
}

CDataBase* Database() {
  return gDatabase;
}
CEgendefDatabase* UserDatabase() {
  return gUserDatabase;
}
CKlima* Climate() {
  return gClimate;
}
CKostnad* Costs() {
  return gCosts;
}

}  // namespace kav
