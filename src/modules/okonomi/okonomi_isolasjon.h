#pragma once
// One insulation solution of the economic module: a product and thickness
// (standard, hose series or the user's own product) or no insulation, what
// covers it, and its installed price. The solution is a user of every row
// it refers to.
#include <memory>
#include <string>

#include "core/colour.h"
#include "core/item.h"
#include "modules/common/codes.h"
#include "modules/insulation/insulation_rows.h"

namespace kav {

// The solution's own values, with their defaults.
struct SolutionSettings {
  // 0 standard product, 1 hose product with series, 2 user product,
  // 3 uninsulated.
  int InsulationKind = 0;
  code::Geometry ObjectType = code::Geometry::Pipe;  // the module's object type
  int OwnThickness = 0;             // standard product: OwnThicknessValue instead of a row
  float OwnThicknessValue = 50.0f;  // mm
  int HoseOwnThickness = 0;
  float HoseOwnThicknessValue = 25.0f;  // mm
  int UserOwnThickness = 0;
  float UserOwnThicknessValue = 50.0f;  // mm
  int HasJacketing = 0;
  int OwnJacketingEmissivity = 0;  // JacketingEmissivity typed in
  float JacketingEmissivity = 0.94f;
  int OwnSurfaceEmissivity = 0;  // SurfaceEmissivityValue typed in
  float SurfaceEmissivityValue = 0.94f;
  int HasInnerJacketing = 0;
  int OwnInnerJacketingEmissivity = 0;  // InnerJacketingEmissivity typed in
  float InnerJacketingEmissivity = 0.94f;
  float Price = 100.0f;  // kr per m, or per m² for flat surfaces, installed
};

// The unit word of prices: "m²" for the flat object types, "m" otherwise.
std::string UnitWord(code::Geometry g);

class COkonomiIsolasjon final : public CListItem, public SolutionSettings, public InsulationRows {
 public:
  static constexpr const char* kClassName = "COkonomiIsolasjon";

  explicit COkonomiIsolasjon(code::Geometry objectType = code::Geometry::Pipe);
  // Every field and the user list; the copy registers with the same rows.
  COkonomiIsolasjon(const COkonomiIsolasjon& other);
  // The solution leaves its old rows and enters the other's.
  COkonomiIsolasjon& operator=(const COkonomiIsolasjon& other) = default;
  ~COkonomiIsolasjon() override = default;

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  void ReplaceReference(CItem* item) override;

  // The insulation thickness in mm on a pipe of diameter d (mm).
  float Thickness(float d) const;
  // The product of the kind; null for none and for no insulation.
  CIsoProdukt* InsulationProduct() const;
  // The emissivity of the outer surface.
  float SurfaceEmissivity() const;
  // Colours for the module picture: the insulation and its outer surface.
  Colour InsulationColour() const;
  Colour OuterColour() const;
  // "Uisolert", or product, thickness, price and unit word, as the
  // solution dialog names the solution on OK.
  void ComposeName();

  // Object types 4 and 5 are flat surfaces, priced per m².
  bool IsFlat() const { return code::IsFlat(ObjectType); }
  // Object types 3 and 5 are insulated inside.
  bool IsInternal() const { return code::IsInternal(ObjectType); }

 private:
  std::string ThicknessText() const;
};

}  // namespace kav
