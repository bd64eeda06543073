// The rows a layer contributes to the modules' input tables.
#include <array>

#include "core/strings.h"
#include "modules/insulation/isolasjon.h"

namespace kav {

void CIsolasjon::JacketingRows(TableRows& rows) const {
  float emissivity = Emissivity();
  if (IsInternal()) {
    const bool typedIn = UserSurface != 0 || Surface == nullptr;
    rows.Add(ids::DuctOuterSurface, typedIn ? Str(ids::UserDefined) : Surface->Name);
  } else if (HasJacketing == 0) {
    rows.Add(ids::Jacketing, Str(ids::NoJacketing));
    const CIsoProdukt* product = ActiveProduct();
    emissivity = product != nullptr ? product->SurfaceEmissivity : 0.0f;
  } else {
    const bool typedIn = UserJacketing != 0 || Jacketing == nullptr;
    rows.Add(ids::Jacketing, typedIn ? Str(ids::UserDefined) : Jacketing->Name);
  }
  rows.Add(ids::SurfaceEmissivity, FormatValue(ids::FmtNumber2, emissivity));
}

void CIsolasjon::LambdaRows(TableRows& rows) const {
  if (Source != code::Source::User || UserProduct == nullptr) return;
  static constexpr std::array<int, 4> kLabels = {ids::LambdaTemperature1, ids::LambdaTemperature2,
                                                 ids::LambdaTemperature3, ids::LambdaTemperature4};
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    rows.Add(kLabels[i], FormatId(ids::LambdaAtTemperature, UserProduct->Lambdas[i],
                                  UserProduct->Temperatures[i]));
  }
}

void CIsolasjon::ProductRows(TableRows& rows, int standardLabel, int userLabel) const {
  rows.Add(Source == code::Source::User ? userLabel : standardLabel, ProductName());
  LambdaRows(rows);
}

void CIsolasjon::LayerRows(TableRows& rows, float d) const {
  rows.Add(Source == code::Source::User ? ids::InsulationProductUserDefined
                                        : ids::InsulationProductStandard,
           ProductName());
  if (ThicknessGiven != 0) {
    auto typedOrRow = [&rows](int typed, float value, const CListItem* row) {
      if (typed != 0) {
        rows.Add(ids::InsulationThicknessUserDefined, FormatValue(ids::FmtMillimetre1, value));
      } else {
        rows.Add(
            ids::InsulationThicknessStandard,
            FormatId(ids::ThicknessNameMillimetre, row != nullptr ? row->Name : std::string()));
      }
    };
    switch (Source) {
      case code::Source::Standard:
        typedOrRow(OwnThickness, Thickness, ThicknessRow);
        break;
      case code::Source::Hose:
        rows.Add(ids::InsulationThickness, OwnHoseThickness != 0
                                               ? FormatValue(ids::FmtMillimetre1, HoseThickness)
                                               : ThicknessNote(d));
        break;
      case code::Source::User:
        typedOrRow(OwnUserThickness, UserThicknessValue, UserThicknessRow);
        break;
      default:
        break;
    }
  }
  LambdaRows(rows);
}

}  // namespace kav
