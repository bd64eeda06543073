#include "data/korbuflex.h"

#include "core/archive.h"
#include "core/platform.h"
#include "core/strings.h"
#include "data/row_edit.h"
#include "data/row_name.h"

namespace kav {

// ---- CKorbuFlexTykkelse

CKorbuFlexTykkelse::CKorbuFlexTykkelse() {
  UpdateName();
}

void CKorbuFlexTykkelse::Serialize(CArchive& ar) {
  SerializeNameOnly(ar, *this);
  ar.Float(Thickness);
  ar.Float(MaxDiameter);
}

std::unique_ptr<CListItem> CKorbuFlexTykkelse::Clone() const {
  return std::make_unique<CKorbuFlexTykkelse>(*this);
}

bool CKorbuFlexTykkelse::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CKorbuFlexTykkelse*>(&other);
  return o != nullptr && Thickness == o->Thickness && MaxDiameter == o->MaxDiameter;
}

int CKorbuFlexTykkelse::EditInput() {
  return EditRow(*this);
}

void CKorbuFlexTykkelse::UpdateName() {
  Name = FormatId(ids::SeriesStepName, MaxDiameter, Thickness);
}

CKorbuFlexTykkelse* InsertInOrder(TypedList<CKorbuFlexTykkelse>& list,
                                  std::unique_ptr<CKorbuFlexTykkelse> row) {
  return InsertOrdered(list, std::move(row),
                       [](const CKorbuFlexTykkelse& s) { return s.Thickness; });
}

// ---- CKorbuFlexSerie

void CKorbuFlexSerie::Serialize(CArchive& ar) {
  SerializeNameOnly(ar, *this);
  ar.Float(MinDiameter);
  ar.Float(MaxDiameter);
  SerializeList(ar, SeriesThicknesses);
}

std::unique_ptr<CListItem> CKorbuFlexSerie::Clone() const {
  return std::make_unique<CKorbuFlexSerie>(*this);
}

bool CKorbuFlexSerie::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CKorbuFlexSerie*>(&other);
  return o != nullptr && MinDiameter == o->MinDiameter && MaxDiameter == o->MaxDiameter &&
         ListsEqual(SeriesThicknesses, o->SeriesThicknesses);
}

int CKorbuFlexSerie::EditInput() {
  return EditRow(*this);
}

void CKorbuFlexSerie::NotifyUsers() {
  CListItem::NotifyUsers();
  NotifyAll(SeriesThicknesses);
}

float CKorbuFlexSerie::ThicknessFor(float d) const {
  for (const CKorbuFlexTykkelse* step : SeriesThicknesses) {
    if (step->MaxDiameter >= d) return step->Thickness;
  }
  return SeriesThicknesses.empty() ? 0.0f : SeriesThicknesses.back()->Thickness;
}

int CKorbuFlexSerie::CheckDiameter(float d) const {
  if (d < MinDiameter) return 1;
  if (d > MaxDiameter) return 2;
  return 0;
}

bool CKorbuFlexSerie::HasThickness(float t) const {
  for (const CKorbuFlexTykkelse* step : SeriesThicknesses) {
    if (step->Thickness == t) return true;
  }
  return false;
}

CKorbuFlexSerie* InsertInOrder(TypedList<CKorbuFlexSerie>& list,
                               std::unique_ptr<CKorbuFlexSerie> row) {
  return InsertOrdered(list, std::move(row),
                       [](const CKorbuFlexSerie& s) { return s.ThicknessFor(0.0f); });
}

// ---- CKorbuFlex

CKorbuFlex::CKorbuFlex() {
  NotOuterLayer = 1;
  InsulationColour = 0;
  SurfaceColour = 0;
  SurfaceEmissivity = 0.86f;
}

std::unique_ptr<CListItem> CKorbuFlex::Clone() const {
  return std::make_unique<CKorbuFlex>(*this);
}

bool CKorbuFlex::IsEqual(const CListItem& other) const {
  return dynamic_cast<const CKorbuFlex*>(&other) != nullptr && CIsoProdukt::IsEqual(other);
}

int CKorbuFlex::EditInput() {
  return EditRow(*this);
}

void CKorbuFlex::SerializeSubRows(CArchive& ar) {
  SerializeList(ar, Series);
}

CKorbuFlexSerie* CKorbuFlex::FindSeries(const std::string& name) const {
  return Series.FindByName(name);
}

float CKorbuFlex::SelectStandardThickness(float required, std::string& text, float d) const {
  const float t = TruncatedThickness(required);
  float g = 0.0f;
  for (const CKorbuFlexSerie* series : Series) {
    g = series->ThicknessFor(d);
    if (!(t <= g)) continue;
    if (d < series->MinDiameter) {
      ShowMessage(FormatId(ids::RequiredThicknessBelowMinDiameter, t, d, Name, series->Name));
      text = Str(ids::PipeDiameterTooSmall);
      return -1.0f;
    }
    if (d <= series->MaxDiameter) {
      text = FormatId(ids::SeriesThicknessNote, series->Name, g);
      return g;
    }
  }
  // The last series was thick enough but the pipe is above its diameters.
  if (!Series.empty() && t <= g) {
    ShowMessage(FormatId(ids::RequiredThicknessAboveMaxDiameter, t, d, Name, Series.back()->Name));
    text = Str(ids::PipeDiameterTooLarge);
  } else {
    text = Str(ids::MustInsulateInSeveralLayers);
  }
  return -1.0f;
}

}  // namespace kav
