#pragma once
// Sound-absorbing linings for sound traps: per delivered thickness, the
// absorption coefficients in six octave bands.
#include <array>
#include <memory>

#include "core/colour.h"
#include "core/item.h"
#include "data/sub_list.h"

namespace kav {

class CAbsorpsjonTykkelse final : public CListItem {
 public:
  static constexpr const char* kClassName = "CAbsorpsjonTykkelse";
  static constexpr int kBandCount = 6;  // 125, 250, 500, 1000, 2000 and 4000 Hz

  CAbsorpsjonTykkelse();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // Thickness rows compare by name only (the CListItem rule); the sound
  // trap looks at the numbers itself through DiffersFrom.
  int EditInput() override;

  // Whether the thickness or any coefficient differs.
  bool DiffersFrom(const CAbsorpsjonTykkelse& other) const;
  // The name is the thickness with one decimal.
  void UpdateName();

  float Thickness = 50.0f;  // mm
  std::array<float, kBandCount> Coefficients{0.25f, 0.65f, 1.0f, 1.0f, 1.0f, 1.0f};
};

// Keeps a product's thicknesses ascending.
CAbsorpsjonTykkelse* InsertInOrder(TypedList<CAbsorpsjonTykkelse>& list,
                                   std::unique_ptr<CAbsorpsjonTykkelse> row);

class CAbsorpsjon final : public CListItem {
 public:
  static constexpr const char* kClassName = "CAbsorpsjon";

  // A new product has one thickness row with the defaults.
  CAbsorpsjon();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // Pairwise equal thickness rows; the colours are not compared.
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;
  void NotifyUsers() override;

  ObjectList& SubRows() { return AbsorptionThicknesses; }

  SubList<CAbsorpsjonTykkelse> AbsorptionThicknesses;
  Colour InsulationColour = Rgb(255, 255, 0);
  Colour SurfaceColour = Rgb(128, 128, 0);
};

}  // namespace kav
