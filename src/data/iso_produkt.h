#pragma once
// Insulation products: a conductivity polynomial, limits, colours and the
// standard thicknesses (CIsoProdukt with CIsoTykkelse rows), and the user's
// own products whose polynomial is fitted through four measured points
// (CEgendefIsoProdukt).
#include <array>
#include <memory>
#include <string>

#include "core/colour.h"
#include "core/formulas.h"
#include "core/item.h"
#include "data/sub_list.h"

namespace kav {

class CIsoTykkelse final : public CListItem {
 public:
  static constexpr const char* kClassName = "CIsoTykkelse";

  CIsoTykkelse();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // Equal thickness and diameter range; the names are not compared.
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  // 0 when the diameter d (mm) may have this thickness, 1 when it is below
  // the range, 2 when above; always 0 for a thickness without a range.
  int CheckDiameter(float d) const;
  // The name is always the thickness with one decimal.
  void UpdateName();

  int DiameterLimited = 0;
  float MinDiameter = 0.0f;
  float MaxDiameter = 100.0f;
  float Thickness = 25.0f;
};

// Keeps a product's thicknesses ascending.
CIsoTykkelse* InsertInOrder(TypedList<CIsoTykkelse>& list, std::unique_ptr<CIsoTykkelse> row);

class CIsoProdukt : public CListItem {
 public:
  static constexpr const char* kClassName = "CIsoProdukt";
  static constexpr int kUseFlagCount = 7;

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // Equal standard rows, maximum temperature, polynomial, surface emissivity
  // and thickness limits; fields of use, colours and the outer-layer flag
  // are not compared.
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;
  void NotifyUsers() override;

  void LambdaCoefficients(float& c3, float& c2, float& c1, float& c0) const;
  ConductivityPolynomial Conductivity() const { return {C3, C2, C1, C0}; }
  // Conductivity in W/mK at T in °C.
  float Lambda(float t) const;
  // The integral of the conductivity from ta to tb, in W/m.
  float LambdaIntegral(float ta, float tb) const;
  // The thickness limits in mm, and the standard rows.
  const ObjectList& ThicknessLimits(float& min, float& max) const;
  // The thickness of that name, else the first one; null without any.
  CIsoTykkelse* FindThickness(const std::string& name) const;
  // The standard thickness in mm that covers `required` (m) at the pipe
  // diameter d (mm; 0 or less for none), with its display text; -1 with an
  // explanation in `text` when there is none.
  virtual float SelectStandardThickness(float required, std::string& text, float d) const;

  // The rows in the place of the standard thicknesses (a hose product keeps
  // its series there).
  virtual ObjectList& SubRows() { return Thicknesses; }
  const ObjectList& SubRows() const { return const_cast<CIsoProdukt*>(this)->SubRows(); }

  std::array<int, kUseFlagCount> UseFlags{};
  float MaxTemperature = 200.0f;
  float C3 = 1.51e-9f;
  float C2 = 1.31e-7f;
  float C1 = 1.74e-4f;
  float C0 = 0.034f;
  float SurfaceEmissivity = 0.94f;
  SubList<CIsoTykkelse> Thicknesses;
  float MinThickness = 10.0f;
  float MaxThickness = 1000.0f;
  Colour InsulationColour = Rgb(255, 255, 0);
  Colour SurfaceColour = Rgb(255, 255, 0);
  int NotOuterLayer = 0;

 protected:
  // The standard rows in their stored place.
  virtual void SerializeSubRows(CArchive& ar);
};

// The required thickness in mm, truncated to 0.1 mm.
float TruncatedThickness(float required);

class CEgendefIsoProdukt final : public CIsoProdukt {
 public:
  static constexpr const char* kClassName = "CEgendefIsoProdukt";

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  // Sets the polynomial to the cubic through the four points; false (and
  // the polynomial unchanged) when two temperatures are equal.
  bool FitCoefficients();

  std::array<float, 4> Temperatures{0.0f, 35.0f, 70.0f, 125.0f};
  std::array<float, 4> Lambdas{0.034f, 0.044f, 0.059f, 0.077f};
};

// The cubic λ = c3·T³ + c2·T² + c1·T + c0 through four points, by Cramer's
// rule in single precision. With two equal temperatures there is none: the
// coefficients stay as they are and the result is false.
bool FitCubic(const std::array<float, 4>& t, const std::array<float, 4>& lambda, float& c3,
              float& c2, float& c1, float& c0);

}  // namespace kav
