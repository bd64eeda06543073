#include "data/iso_produkt.h"

#include <cmath>

#include "core/archive.h"
#include "core/platform.h"
#include "core/strings.h"
#include "data/row_edit.h"
#include "data/row_name.h"

namespace kav {

// ---- CIsoTykkelse

CIsoTykkelse::CIsoTykkelse() {
  UpdateName();
}

void CIsoTykkelse::Serialize(CArchive& ar) {
  SerializeNameOnly(ar, *this);
  ar.Float(Thickness);
  ar.Word(DiameterLimited);
  ar.Float(MinDiameter);
  ar.Float(MaxDiameter);
}

std::unique_ptr<CListItem> CIsoTykkelse::Clone() const {
  return std::make_unique<CIsoTykkelse>(*this);
}

bool CIsoTykkelse::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CIsoTykkelse*>(&other);
  return o != nullptr && Thickness == o->Thickness && DiameterLimited == o->DiameterLimited &&
         MinDiameter == o->MinDiameter && MaxDiameter == o->MaxDiameter;
}

int CIsoTykkelse::EditInput() {
  return EditRow(*this);
}

int CIsoTykkelse::CheckDiameter(float d) const {
  if (DiameterLimited == 0) return 0;
  if (MaxDiameter < d) return 2;
  if (d < MinDiameter) return 1;
  return 0;
}

void CIsoTykkelse::UpdateName() {
  Name = FormatId(ids::FmtNumber1, Thickness);
}

CIsoTykkelse* InsertInOrder(TypedList<CIsoTykkelse>& list, std::unique_ptr<CIsoTykkelse> row) {
  return InsertOrdered(list, std::move(row), [](const CIsoTykkelse& t) { return t.Thickness; });
}

// ---- CIsoProdukt

void CIsoProdukt::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Float(MaxTemperature);
  ar.Float(MinThickness);
  ar.Float(MaxThickness);
  ar.Float(SurfaceEmissivity);
  ar.Word(NotOuterLayer);
  ar.Float(C3);
  ar.Float(C2);
  ar.Float(C1);
  ar.Float(C0);
  ar.Dword(InsulationColour);
  ar.Dword(SurfaceColour);
  for (int& flag : UseFlags) ar.Long(flag);
  SerializeSubRows(ar);
}

void CIsoProdukt::SerializeSubRows(CArchive& ar) {
  SerializeList(ar, Thicknesses);
}

std::unique_ptr<CListItem> CIsoProdukt::Clone() const {
  return std::make_unique<CIsoProdukt>(*this);
}

bool CIsoProdukt::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CIsoProdukt*>(&other);
  return o != nullptr && ListsEqual(SubRows(), o->SubRows()) &&
         MaxTemperature == o->MaxTemperature && C3 == o->C3 && C2 == o->C2 && C1 == o->C1 &&
         C0 == o->C0 && SurfaceEmissivity == o->SurfaceEmissivity &&
         MinThickness == o->MinThickness && MaxThickness == o->MaxThickness;
}

int CIsoProdukt::EditInput() {
  return EditRow(*this);
}

void CIsoProdukt::NotifyUsers() {
  CListItem::NotifyUsers();
  NotifyAll(SubRows());
}

void CIsoProdukt::LambdaCoefficients(float& c3, float& c2, float& c1, float& c0) const {
  c3 = C3;
  c2 = C2;
  c1 = C1;
  c0 = C0;
}

float CIsoProdukt::Lambda(float t) const {
  return Conductivity().At(t);
}

float CIsoProdukt::LambdaIntegral(float ta, float tb) const {
  return Conductivity().Integral(ta, tb);
}

const ObjectList& CIsoProdukt::ThicknessLimits(float& min, float& max) const {
  min = MinThickness;
  max = MaxThickness;
  return SubRows();
}

CIsoTykkelse* CIsoProdukt::FindThickness(const std::string& name) const {
  if (CIsoTykkelse* row = Thicknesses.FindByName(name)) return row;
  return Thicknesses.empty() ? nullptr : Thicknesses.front();
}

float TruncatedThickness(float required) {
  return std::trunc(required * 10000.0f) / 10.0f;
}

float CIsoProdukt::SelectStandardThickness(float required, std::string& text, float d) const {
  const float t = TruncatedThickness(required);
  auto choose = [&text](const CIsoTykkelse& row) {
    text = FormatId(ids::FmtNumber1, row.Thickness);
    return row.Thickness;
  };
  for (std::size_t i = 0; i < Thicknesses.size(); ++i) {
    const CIsoTykkelse& row = *Thicknesses[i];
    if (row.Thickness < t) continue;
    if (row.DiameterLimited == 0 || !(d > 0.0f)) return choose(row);
    const std::string phrase = FormatId(ids::StandardThicknessPhrase, row.Thickness);
    if (d < row.MinDiameter) {
      ShowMessage(FormatId(ids::RequiredThicknessBelowMinDiameter, t, d, Name, phrase));
      text = Str(ids::PipeDiameterTooSmall);
      return -1.0f;
    }
    if (d <= row.MaxDiameter) return choose(row);
    // Above this row's diameters: a thicker row may still fit.
    if (i + 1 == Thicknesses.size()) {
      ShowMessage(FormatId(ids::RequiredThicknessAboveMaxDiameter, t, d, Name, phrase));
      text = Str(ids::PipeDiameterTooLarge);
      return -1.0f;
    }
  }
  text = Str(ids::MustInsulateInSeveralLayers);
  return -1.0f;
}

// ---- CEgendefIsoProdukt

void CEgendefIsoProdukt::Serialize(CArchive& ar) {
  CIsoProdukt::Serialize(ar);
  for (std::size_t i = 0; i < Temperatures.size(); ++i) {
    ar.Float(Temperatures[i]);
    ar.Float(Lambdas[i]);
  }
}

std::unique_ptr<CListItem> CEgendefIsoProdukt::Clone() const {
  return std::make_unique<CEgendefIsoProdukt>(*this);
}

bool CEgendefIsoProdukt::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CEgendefIsoProdukt*>(&other);
  return o != nullptr && CIsoProdukt::IsEqual(other) && Temperatures == o->Temperatures &&
         Lambdas == o->Lambdas;
}

int CEgendefIsoProdukt::EditInput() {
  return EditRow(*this);
}

bool CEgendefIsoProdukt::FitCoefficients() {
  return FitCubic(Temperatures, Lambdas, C3, C2, C1, C0);
}

namespace {

using Matrix4 = std::array<std::array<float, 4>, 4>;

float Det3(float a, float b, float c, float d, float e, float f, float g, float h, float i) {
  return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
}

// Expansion along the first row.
float Det4(const Matrix4& m) {
  float det = 0.0f;
  float sign = 1.0f;
  for (std::size_t col = 0; col < 4; ++col) {
    std::array<float, 9> minor{};
    std::size_t k = 0;
    for (std::size_t row = 1; row < 4; ++row) {
      for (std::size_t c = 0; c < 4; ++c) {
        if (c != col) minor[k++] = m[row][c];
      }
    }
    det += sign * m[0][col] *
           Det3(minor[0], minor[1], minor[2], minor[3], minor[4], minor[5], minor[6], minor[7],
                minor[8]);
    sign = -sign;
  }
  return det;
}

}  // namespace

bool FitCubic(const std::array<float, 4>& t, const std::array<float, 4>& lambda, float& c3,
              float& c2, float& c1, float& c0) {
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t j = i + 1; j < 4; ++j) {
      if (t[i] == t[j]) return false;
    }
  }
  Matrix4 a{};
  for (std::size_t i = 0; i < 4; ++i) a[i] = {t[i] * t[i] * t[i], t[i] * t[i], t[i], 1.0f};
  const float det = Det4(a);
  if (det == 0.0f || !std::isfinite(det)) return false;
  std::array<float, 4> solution{};
  for (std::size_t col = 0; col < 4; ++col) {
    Matrix4 replaced = a;
    for (std::size_t i = 0; i < 4; ++i) replaced[i][col] = lambda[i];
    solution[col] = Det4(replaced) / det;
  }
  c3 = solution[0];
  c2 = solution[1];
  c1 = solution[2];
  c0 = solution[3];
  return true;
}

}  // namespace kav
