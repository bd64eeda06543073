#include "modules/insulation/isolasjon.h"

#include "core/archive.h"
#include "core/platform.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"

namespace kav {
namespace {

// Asks whether to go on when d lies outside the thickness row's range.
bool AskThicknessRange(const CIsoTykkelse& row, const std::string& product, float d) {
  switch (row.CheckDiameter(d)) {
    case 1:
      return AskOkCancel(
          FormatId(ids::MinPipeDiameterForThickness, row.Thickness, product, row.MinDiameter));
    case 2:
      return AskOkCancel(
          FormatId(ids::MaxPipeDiameterForThickness, row.Thickness, product, row.MaxDiameter));
    default:
      return true;
  }
}

bool AskSeriesRange(const CKorbuFlexSerie& series, const std::string& product, float d) {
  switch (series.CheckDiameter(d)) {
    case 1:
      return AskOkCancel(
          FormatId(ids::MinPipeDiameterForSeries, product, series.Name, series.MinDiameter));
    case 2:
      return AskOkCancel(
          FormatId(ids::MaxPipeDiameterForSeries, product, series.Name, series.MaxDiameter));
    default:
      return true;
  }
}

}  // namespace

CIsolasjon::CIsolasjon() : CIsolasjon(code::Usage::Pipe, 1, 1) {}

CIsolasjon::CIsolasjon(code::Usage usage, int thicknessGiven, int firstLayer) {
  BindRows(this);
  Reset(usage, thicknessGiven, firstLayer);
}

CIsolasjon::CIsolasjon(const CIsolasjon& other)
    : CItem(other), LayerSettings(other), InsulationRows(other) {
  BindRows(this);
}

void CIsolasjon::Reset(code::Usage usage, int thicknessGiven, int firstLayer) {
  static_cast<LayerSettings&>(*this) = LayerSettings();
  static_cast<InsulationRows&>(*this) = InsulationRows();
  Usage = usage;
  ThicknessGiven = thicknessGiven;
  FirstLayer = firstLayer;
  Source = code::HasUseFlag(usage) ? code::Source::Standard : code::Source::User;
}

void CIsolasjon::Serialize(CArchive& ar) {
  ar.Word(Source);
  ar.Float(Thickness);
  ar.Word(Usage);
  ar.Word(ThicknessGiven);
  ar.Word(OwnHoseThickness);
  ar.Float(HoseThickness);
  ar.Word(HasJacketing);
  ar.Word(UserJacketing);
  ar.Float(JacketingEmissivity);
  ar.Word(OwnThickness);
  ar.Long(HasInnerJacketing);
  ar.Long(UserInnerJacketing);
  ar.Float(InnerJacketingEmissivity);
  ar.Long(UserSurface);
  ar.Float(SurfaceEmissivityValue);
  ar.Long(OwnUserThickness);
  ar.Float(UserThicknessValue);
  SerializeRows(ar);
}

void CIsolasjon::ReplaceReference(CItem* item) {
  ReplaceRow(item);
}

CIsoProdukt* CIsolasjon::ActiveProduct() const {
  switch (Source) {
    case code::Source::Standard:
      return Product;
    case code::Source::Hose:
      return HoseProduct;
    case code::Source::User:
      return UserProduct;
    default:
      return nullptr;
  }
}

bool CIsolasjon::HasProduct() const {
  if (!code::IsKnown(Source)) return true;
  return ActiveProduct() != nullptr;
}

std::string CIsolasjon::ProductName() const {
  const CIsoProdukt* product = ActiveProduct();
  return product != nullptr ? product->Name : std::string();
}

float CIsolasjon::ThicknessAt(float d) const {
  switch (Source) {
    case code::Source::Standard:
      if (OwnThickness != 0) return Thickness;
      return ThicknessRow != nullptr ? ThicknessRow->Thickness : 0.0f;
    case code::Source::Hose:
      if (OwnHoseThickness != 0) return HoseThickness;
      return HoseSeries != nullptr ? HoseSeries->ThicknessFor(d) : 0.0f;
    case code::Source::User:
      if (OwnUserThickness != 0) return UserThicknessValue;
      return UserThicknessRow != nullptr ? UserThicknessRow->Thickness : 0.0f;
    default:
      return 0.0f;
  }
}

float CIsolasjon::Emissivity() const {
  if (IsInternal()) return RowEmissivityOr(Surface, UserSurface, SurfaceEmissivityValue);
  if (HasJacketing != 0) return RowEmissivityOr(Jacketing, UserJacketing, JacketingEmissivity);
  const CIsoProdukt* product = ActiveProduct();
  return product != nullptr ? product->SurfaceEmissivity : 0.94f;
}

ConductivityPolynomial CIsolasjon::Conductivity() const {
  const CIsoProdukt* product = ActiveProduct();
  return product != nullptr ? product->Conductivity() : ConductivityPolynomial{};
}

std::optional<CIsolasjon::StandardThickness> CIsolasjon::LookUpStandardThickness(float required,
                                                                                 float d) const {
  const CIsoProdukt* product = ActiveProduct();
  if (!code::IsCatalogue(Source) || product == nullptr) return std::nullopt;
  StandardThickness found;
  found.thickness = product->SelectStandardThickness(required, found.text, d);
  return found;
}

Colour CIsolasjon::InsulationColour() const {
  if (const CIsoProdukt* product = ActiveProduct()) return product->InsulationColour;
  return Source == code::Source::Hose ? kNoHoseProductColour : kNoProductColour;
}

Colour CIsolasjon::OuterSurfaceColour() const {
  if (IsInternal()) return RowColourOr(Surface, UserSurface);
  if (HasJacketing != 0) return RowColourOr(Jacketing, UserJacketing);
  const CIsoProdukt* product = ActiveProduct();
  return product != nullptr ? product->SurfaceColour : kNoProductColour;
}

Colour CIsolasjon::FacingColour() const {
  if (HasInnerJacketing != 0) return RowColourOr(InnerJacketing, UserInnerJacketing);
  const CIsoProdukt* product = ActiveProduct();
  return product != nullptr ? product->SurfaceColour : kNoProductColour;
}

void CIsolasjon::AddPictureColours(ColourRecord& colours, Colour insulationKey,
                                   Colour surfaceKey) const {
  colours.Add(insulationKey, InsulationColour());
  colours.Add(surfaceKey, OuterSurfaceColour());
}

std::string CIsolasjon::ThicknessNote(float d) const {
  if (Source != code::Source::Hose || OwnHoseThickness != 0 || HoseSeries == nullptr) {
    return std::string();
  }
  return FormatId(ids::SeriesThicknessNote, HoseSeries->Name, HoseSeries->ThicknessFor(d));
}

std::string CIsolasjon::ThicknessText() const {
  auto typedOrRow = [](int typed, float value, const CListItem* row) {
    if (typed != 0) return FormatValue(ids::FmtNumber1, value);
    return row != nullptr ? row->Name : std::string();
  };
  switch (Source) {
    case code::Source::Standard:
      return typedOrRow(OwnThickness, Thickness, ThicknessRow);
    case code::Source::Hose:
      return typedOrRow(OwnHoseThickness, HoseThickness, HoseSeries);
    case code::Source::User:
      return typedOrRow(OwnUserThickness, UserThicknessValue, UserThicknessRow);
    default:
      return std::string();
  }
}

std::string CIsolasjon::Describe(bool withThickness) const {
  if (ActiveProduct() == nullptr) return std::string();
  if (!withThickness) return FormatId(ids::LayerSummary, ProductName());
  return FormatId(ids::LayerSummaryWithThickness, ProductName(), ThicknessText());
}

bool CIsolasjon::CheckDiameterRange(float d) const {
  if (Usage != code::Usage::Pipe) return true;
  switch (Source) {
    case code::Source::Standard:
      if (OwnThickness != 0 || ThicknessRow == nullptr) return true;
      return AskThicknessRange(*ThicknessRow, ProductName(), d);
    case code::Source::Hose:
      if (OwnHoseThickness != 0 || HoseSeries == nullptr) return true;
      return AskSeriesRange(*HoseSeries, ProductName(), d);
    case code::Source::User:
      if (OwnUserThickness != 0 || UserThicknessRow == nullptr) return true;
      return AskThicknessRange(*UserThicknessRow, ProductName(), d);
    default:
      return true;
  }
}

}  // namespace kav
