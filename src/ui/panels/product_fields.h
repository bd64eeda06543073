#pragma once
// The fields an insulation product's dialog shows for every kind of
// product: "Produktets navn :", the thickness limits, the maximum
// temperature, the surface emissivity, the two colours with their
// swatches, the standard thicknesses ("Standard tykkelser [mm]") with
// their buttons, the fields of use ("Bruksområde") and "Kan ikke brukes
// som ytterste lag ved 2-lags isolasjon". The conductivity fields are the
// dialog's own.
#include <QWidget>
#include <array>

#include "data/iso_produkt.h"

class QCheckBox;

namespace kav {

class CColorBtn;
class CItemDlg;
class ListPanel;
class NumberField;
class TextField;

class ProductFields final : public QWidget {
  Q_OBJECT

 public:
  // The maximum temperature as the dialog words it, with its range.
  struct MaxTemperature {
    QString label;
    float min;
    float max;
  };

  // Shows `product` and edits its standard thicknesses in place.
  ProductFields(CIsoProdukt& product, const MaxTemperature& maxTemperature,
                QWidget* parent = nullptr);

  // A field of use, the thicknesses and the thickness limits (22, 61254,
  // 61257, 61256); then the name (61209, 61210) against the dialog's list.
  bool Check(CItemDlg& dialog) const;
  // The fields into the product (the thicknesses are edited in place).
  void ReadInto(CIsoProdukt& product) const;

  TextField& NameField() const { return *name_; }
  NumberField& MinThicknessField() const { return *minThickness_; }
  NumberField& MaxThicknessField() const { return *maxThickness_; }
  ListPanel& Thicknesses() const { return *thicknesses_; }
  QCheckBox& UseFlag(int flag) const { return *useFlags_[static_cast<std::size_t>(flag)]; }

 private:
  CIsoProdukt& product_;
  TextField* name_;
  NumberField* minThickness_;
  NumberField* maxThickness_;
  NumberField* maxTemperature_;
  NumberField* emissivity_;
  CColorBtn* insulationColour_;
  CColorBtn* surfaceColour_;
  ListPanel* thicknesses_;
  std::array<QCheckBox*, CIsoProdukt::kUseFlagCount> useFlags_{};
  QCheckBox* notOuterLayer_;
};

}  // namespace kav
