#include "data/klima.h"

#include "core/archive.h"
#include "core/settings.h"
#include "core/strings.h"
#include "data/data_classes.h"
#include "data/data_file.h"
#include "data/row_edit.h"

namespace kav {

// ---- CKlimasted

void CKlimasted::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.String(DisplayText);
  ar.Float(MeanTemperature);
  ar.Float(MeanWindSpeed);
}

std::unique_ptr<CListItem> CKlimasted::Clone() const {
  return std::make_unique<CKlimasted>(*this);
}

bool CKlimasted::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CKlimasted*>(&other);
  return o != nullptr && MeanTemperature == o->MeanTemperature && MeanWindSpeed == o->MeanWindSpeed;
}

int CKlimasted::EditInput() {
  return EditRow(*this);
}

void CKlimasted::UpdateDisplayText() {
  DisplayText = FormatId(ids::ClimateDisplayLine, Name, MeanTemperature, MeanWindSpeed);
}

// ---- CKlima

CKlima::CKlima() : CKlima(CurrentSettings().GetString("KAV", "KAVClimate", "kav.cli")) {}

CKlima::CKlima(std::string fileName) : FileName(std::move(fileName)) {
  Load();
}

void CKlima::Load() {
  Selected = nullptr;
  ReadListFile(FileName, ClimateFileClasses(), Locations, ids::ClimateFileReadFailed,
               ids::ClimateFileReadFailed);
}

bool CKlima::Save() {
  return WriteListFile(FileName, Locations, ids::ClimateFileWriteFailed);
}

int CKlima::ChooseLocation() {
  bool changed = false;
  if (!RunListChoice(Locations, Selected, changed)) return 0;
  if (changed) Save();
  return 1;
}

}  // namespace kav
