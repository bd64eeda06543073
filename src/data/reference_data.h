#pragma once
// The reference data the whole program shares: the product database, the
// user's products, the climate places and the cost list. The document owns
// them and installs them here, so that modules and dialogs reach them.
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/klima.h"
#include "data/kostnad.h"

namespace kav {

// Installs the containers (not owned); nulls take them away again.
void SetReferenceData(CDataBase* database, CEgendefDatabase* userDatabase, CKlima* climate,
                      CKostnad* costs);

// The installed containers; null while none is installed.
CDataBase* Database();
CEgendefDatabase* UserDatabase();
CKlima* Climate();
CKostnad* Costs();

}  // namespace kav
