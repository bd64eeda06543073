#include "data/kostnad.h"

#include <utility>

#include "core/archive.h"
#include "core/settings.h"
#include "core/strings.h"
#include "data/data_classes.h"
#include "data/data_file.h"
#include "data/row_edit.h"
#include "data/row_name.h"

namespace kav {

namespace {

std::string& UnitWordInUse() {
  static std::string word = Str(ids::UnitMetre);
  return word;
}

}  // namespace

const std::string& CostUnitWord() {
  return UnitWordInUse();
}

void SetCostUnitWord(std::string word) {
  UnitWordInUse() = std::move(word);
}

// ---- CIsoKostnad

void CIsoKostnad::Serialize(CArchive& ar) {
  SerializeNameOnly(ar, *this);
  ar.String(DisplayText);
  ar.Float(Price);
}

std::unique_ptr<CListItem> CIsoKostnad::Clone() const {
  return std::make_unique<CIsoKostnad>(*this);
}

bool CIsoKostnad::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CIsoKostnad*>(&other);
  return o != nullptr && Price == o->Price;
}

int CIsoKostnad::EditInput() {
  return EditRow(*this);
}

void CIsoKostnad::UpdateDisplayText(const std::string& unitWord) {
  DisplayText = Name + FormatId(ids::CostDisplaySuffix, Price, unitWord);
}

// ---- CKostnad

CKostnad::CKostnad() : CKostnad(CurrentSettings().GetString("KAV", "KAVCost", "kav.cst")) {}

CKostnad::CKostnad(std::string fileName) : FileName(std::move(fileName)) {
  Load();
}

void CKostnad::Load() {
  Selected = nullptr;
  ReadListFile(FileName, CostFileClasses(), Entries, ids::CostFileFailed, ids::CostFileFailed);
}

bool CKostnad::Save() {
  return WriteListFile(FileName, Entries, ids::CostFileFailed);
}

int CKostnad::EditInput() {
  bool changed = false;
  if (!RunListChoice(Entries, Selected, changed)) return 0;
  if (changed) Save();
  return 1;
}

}  // namespace kav
