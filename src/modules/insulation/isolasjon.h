#pragma once
// One insulation layer as a module or a pipe segment uses it: the product
// (standard, cellular-rubber hose or the user's own), its thickness (a
// standard row, a hose series or a typed-in value) and what covers it
// (jacketing, an inner facing, or the duct's own surface for insulation
// inside a duct). The layer is a user of every row it refers to; a copy
// registers itself with the same rows, and a destroyed layer leaves them.
#include <optional>
#include <string>

#include "core/formulas.h"
#include "core/item.h"
#include "core/kav_modul.h"
#include "modules/common/codes.h"
#include "modules/common/table_rows.h"
#include "modules/insulation/insulation_rows.h"

namespace kav {

// The layer's own values, with their defaults.
struct LayerSettings {
  code::Source Source = code::Source::Standard;
  // Field of use; for internal ones the outside is the duct's surface.
  code::Usage Usage = code::Usage::Pipe;
  int OwnThickness = 0;              // standard product: Thickness typed in
  int OwnUserThickness = 0;          // user product: UserThicknessValue typed in
  int ThicknessGiven = 1;            // the thickness is an input (0: the module finds it)
  float Thickness = 50.0f;           // mm
  float UserThicknessValue = 50.0f;  // mm
  float HoseThickness = 25.0f;       // mm
  int OwnHoseThickness = 0;          // hose product: HoseThickness typed in
  int FirstLayer = 1;                // the inner or only layer; not stored
  int HasJacketing = 0;
  int UserJacketing = 0;  // JacketingEmissivity typed in
  float JacketingEmissivity = 0.94f;
  int HasInnerJacketing = 0;
  int UserInnerJacketing = 0;  // InnerJacketingEmissivity typed in
  float InnerJacketingEmissivity = 0.94f;
  int UserSurface = 0;  // SurfaceEmissivityValue typed in
  float SurfaceEmissivityValue = 0.94f;
};

class CIsolasjon : public CItem, public LayerSettings, public InsulationRows {
 public:
  static constexpr const char* kClassName = "CIsolasjon";

  // A layer for pipes, thickness given, first layer.
  CIsolasjon();
  CIsolasjon(code::Usage usage, int thicknessGiven, int firstLayer);
  CIsolasjon(const CIsolasjon& other);
  // Copies every field; the layer leaves its old rows and enters the
  // other's.
  CIsolasjon& operator=(const CIsolasjon& other) = default;
  ~CIsolasjon() override = default;

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  // The layer dialog without a pipe diameter for its range texts.
  int EditInput() override;
  // The layer dialog (IsolasjonEdit) on a copy; after OK the copy's fields
  // come back and the result is 1.
  int EditInputAt(float pipeDiameter);
  void ReplaceReference(CItem* item) override;

  // Every value to its default for `usage`; the layer leaves all its rows.
  void Reset(code::Usage usage, int thicknessGiven, int firstLayer);

  bool IsInternal() const { return code::IsInternal(Usage); }
  // The product of the current source; null for none.
  CIsoProdukt* ActiveProduct() const;
  // Whether the current source has its product (an unknown source counts
  // as having one).
  bool HasProduct() const;
  std::string ProductName() const;
  // The thickness in mm on a pipe of outer diameter d (mm); 0 without one.
  float ThicknessAt(float d) const;
  // The emissivity of the layer's outer surface.
  float Emissivity() const;
  // The active product's conductivity; a constant 0.036 W/mK without one.
  ConductivityPolynomial Conductivity() const;

  // What a database product (standard or hose) offers for a required
  // thickness: its nearest standard thickness in mm, or a value <= 0 and
  // the text that says why.
  struct StandardThickness {
    float thickness = -1.0f;
    std::string text;
  };
  // The lookup for `required` (m) at the pipe diameter d (mm; <= 0 for
  // none); nothing for a user product or without a product.
  std::optional<StandardThickness> LookUpStandardThickness(float required, float d) const;

  // Colours for the module pictures: the insulation, its outer surface and
  // the inner facing of internal insulation.
  Colour InsulationColour() const;
  Colour OuterSurfaceColour() const;
  Colour FacingColour() const;
  // The two pairs most pictures use: insulation and outer surface.
  void AddPictureColours(ColourRecord& colours, Colour insulationKey, Colour surfaceKey) const;

  // "series (13.0mm)" for a hose product whose thickness comes from its
  // series; empty otherwise.
  std::string ThicknessNote(float d) const;
  // The product and, if asked, the thickness, as the dialog buttons show
  // it; empty without a product.
  std::string Describe(bool withThickness) const;
  // For pipes with a thickness taken from a row: asks whether to go on when
  // the pipe diameter d (mm) is outside the row's range; false on Cancel.
  bool CheckDiameterRange(float d) const;

  // Input-table rows: the outer surface and its emissivity; the user
  // product's four measured points; the product, its thickness (when it is
  // an input) and the measured points.
  void JacketingRows(TableRows& rows) const;
  void LambdaRows(TableRows& rows) const;
  // The product's name under `standardLabel`, or for a user product under
  // `userLabel` followed by its measured points.
  void ProductRows(TableRows& rows, int standardLabel, int userLabel) const;
  void LayerRows(TableRows& rows, float d) const;

 private:
  // The thickness as Describe shows it.
  std::string ThicknessText() const;
};

}  // namespace kav
