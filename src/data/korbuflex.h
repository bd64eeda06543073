#pragma once
// Cellular-rubber hose products: sold in series that each cover a range of
// pipe diameters, the wall thickness rising in steps with the diameter.
#include <memory>
#include <string>

#include "data/iso_produkt.h"
#include "data/sub_list.h"

namespace kav {

// One step of a series: pipes up to MaxDiameter (mm) get Thickness (mm).
class CKorbuFlexTykkelse final : public CListItem {
 public:
  static constexpr const char* kClassName = "CKorbuFlexTykkelse";

  CKorbuFlexTykkelse();

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  // "Diam. <= 10.0 - Iso. = 9.0".
  void UpdateName();

  float MaxDiameter = 10.0f;
  float Thickness = 9.0f;
};

CKorbuFlexTykkelse* InsertInOrder(TypedList<CKorbuFlexTykkelse>& list,
                                  std::unique_ptr<CKorbuFlexTykkelse> row);

class CKorbuFlexSerie final : public CListItem {
 public:
  static constexpr const char* kClassName = "CKorbuFlexSerie";

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;
  void NotifyUsers() override;

  // The thickness of the first step whose MaxDiameter is at least d, else
  // of the last step; 0 without steps.
  float ThicknessFor(float d) const;
  // 1 when d is below the series' pipe range, 2 when above, else 0.
  int CheckDiameter(float d) const;
  // Whether a step has exactly this thickness.
  bool HasThickness(float t) const;

  ObjectList& SubRows() { return SeriesThicknesses; }

  float MinDiameter = 0.0f;
  float MaxDiameter = 0.0f;
  SubList<CKorbuFlexTykkelse> SeriesThicknesses;
};

// Keeps a product's series ascending by their thinnest step.
CKorbuFlexSerie* InsertInOrder(TypedList<CKorbuFlexSerie>& list,
                               std::unique_ptr<CKorbuFlexSerie> row);

// A hose product keeps its series where an insulation product keeps its
// standard thicknesses; its Thicknesses list stays empty.
class CKorbuFlex final : public CIsoProdukt {
 public:
  static constexpr const char* kClassName = "CKorbuFlex";

  CKorbuFlex();

  const char* ClassName() const override { return kClassName; }
  std::unique_ptr<CListItem> Clone() const override;
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;
  // The first series thick enough for `required` at the pipe diameter d
  // decides; the text is "series (13.0mm)".
  float SelectStandardThickness(float required, std::string& text, float d) const override;

  CKorbuFlexSerie* FindSeries(const std::string& name) const;

  using CIsoProdukt::SubRows;
  ObjectList& SubRows() override { return Series; }

  SubList<CKorbuFlexSerie> Series;

 protected:
  void SerializeSubRows(CArchive& ar) override;
};

}  // namespace kav
