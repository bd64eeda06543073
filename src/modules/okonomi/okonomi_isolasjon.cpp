#include "modules/okonomi/okonomi_isolasjon.h"

#include "core/archive.h"
#include "core/strings.h"
#include "modules/common/module_picture.h"

namespace kav {

std::string UnitWord(code::Geometry g) {
  return Str(code::IsFlat(g) ? ids::UnitSquareMetre : ids::UnitMetre);
}

COkonomiIsolasjon::COkonomiIsolasjon(code::Geometry objectType) {
  ObjectType = objectType;
  BindRows(this);
}

COkonomiIsolasjon::COkonomiIsolasjon(const COkonomiIsolasjon& other)
    : CListItem(other), SolutionSettings(other), InsulationRows(other) {
  BindRows(this);
}

std::unique_ptr<CListItem> COkonomiIsolasjon::Clone() const {
  return std::make_unique<COkonomiIsolasjon>(*this);
}

void COkonomiIsolasjon::ReplaceReference(CItem* item) {
  ReplaceRow(item);
}

void COkonomiIsolasjon::Serialize(CArchive& ar) {
  ar.String(Name);
  if (ar.IsLoading()) Users.clear();
  ar.Word(InsulationKind);
  ar.Float(OwnThicknessValue);
  ar.Word(ObjectType);
  ar.Word(HoseOwnThickness);
  ar.Float(HoseOwnThicknessValue);
  ar.Word(HasJacketing);
  ar.Word(OwnJacketingEmissivity);
  ar.Float(JacketingEmissivity);
  ar.Word(OwnThickness);
  ar.Float(Price);
  ar.Long(OwnSurfaceEmissivity);
  ar.Float(SurfaceEmissivityValue);
  ar.Long(HasInnerJacketing);
  ar.Long(OwnInnerJacketingEmissivity);
  ar.Float(InnerJacketingEmissivity);
  ar.Long(UserOwnThickness);
  ar.Float(UserOwnThicknessValue);
  SerializeRows(ar);
}

float COkonomiIsolasjon::Thickness(float d) const {
  switch (InsulationKind) {
    case 0:
      if (OwnThickness != 0) return OwnThicknessValue;
      return ThicknessRow != nullptr ? ThicknessRow->Thickness : 0.0f;
    case 1:
      if (HoseOwnThickness != 0) return HoseOwnThicknessValue;
      return HoseSeries != nullptr ? HoseSeries->ThicknessFor(d) : 0.0f;
    case 2:
      return UserThicknessRow != nullptr ? UserThicknessRow->Thickness : UserOwnThicknessValue;
    default:
      return 0.0f;
  }
}

CIsoProdukt* COkonomiIsolasjon::InsulationProduct() const {
  switch (InsulationKind) {
    case 0:
      return Product;
    case 1:
      return HoseProduct;
    case 2:
      return UserProduct;
    default:
      return nullptr;
  }
}

float COkonomiIsolasjon::SurfaceEmissivity() const {
  if (IsInternal() || InsulationKind == 3) {
    return RowEmissivityOr(Surface, OwnSurfaceEmissivity, SurfaceEmissivityValue);
  }
  if (HasJacketing != 0) {
    return RowEmissivityOr(Jacketing, OwnJacketingEmissivity, JacketingEmissivity);
  }
  const CIsoProdukt* product = InsulationProduct();
  return product != nullptr ? product->SurfaceEmissivity : 0.94f;
}

Colour COkonomiIsolasjon::InsulationColour() const {
  if (const CIsoProdukt* product = InsulationProduct()) return product->InsulationColour;
  return InsulationKind == 1 ? kNoHoseProductColour : kNoProductColour;
}

Colour COkonomiIsolasjon::OuterColour() const {
  if (IsInternal()) return RowColourOr(Surface, OwnSurfaceEmissivity);
  if (HasJacketing != 0) return RowColourOr(Jacketing, OwnJacketingEmissivity);
  const CIsoProdukt* product = InsulationProduct();
  return product != nullptr ? product->SurfaceColour : kNoProductColour;
}

std::string COkonomiIsolasjon::ThicknessText() const {
  auto typedOrRow = [](int typed, float value, const CListItem* row) {
    if (typed != 0) return FormatValue(ids::FmtMillimetre1, value);
    return row != nullptr ? row->Name : std::string();
  };
  switch (InsulationKind) {
    case 0:
      return typedOrRow(OwnThickness, OwnThicknessValue, ThicknessRow);
    case 1:
      return typedOrRow(HoseOwnThickness, HoseOwnThicknessValue, HoseSeries);
    case 2:
      return typedOrRow(UserOwnThickness, UserOwnThicknessValue, UserThicknessRow);
    default:
      return std::string();
  }
}

void COkonomiIsolasjon::ComposeName() {
  if (InsulationKind == 3) {
    Name = Str(ids::Uninsulated);
    return;
  }
  const CIsoProdukt* product = InsulationProduct();
  Name = FormatId(ids::SolutionName, product != nullptr ? product->Name : std::string(),
                  ThicknessText(), Price, UnitWord(ObjectType));
}

}  // namespace kav
