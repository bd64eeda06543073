#pragma once
// The heat-loss dialog ("Varmetapsberegning"): the object ("Materialtype"
// picture, its dimensions), the calculation criterion, the temperatures,
// the surroundings, the insulation layers, energy and cost, the
// accessories and the pipe hangers.
#include <array>

#include "modules/common/codes.h"
#include "ui/widgets/item_dlg.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kav {

class CIsolasjon;
class CMultiButton2;
class ListPanel;
class NumberField;
class SurroundingsGroup;
struct VarmeTapInputs;

class CVarmetapDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy: the module takes it back after OK).
  explicit CVarmetapDlg(VarmeTapInputs& inputs, QWidget* parent = nullptr);

  CMultiButton2& GeometryButton() const { return *geometry_; }
  QRadioButton& CriterionRadio(int criterion) const {
    return *criteria_[static_cast<std::size_t>(criterion)];
  }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  QPushButton& LayerButton(int layer) const { return *layerButtons_[layer == 1 ? 0 : 1]; }
  QLabel& LayerSummary(int layer) const { return *layerSummaries_[layer == 1 ? 0 : 1]; }
  QLabel& HeatLossLabel() const { return *heatLossLabel_; }
  ListPanel& Accessories() const { return *accessories_; }

 protected:
  bool AcceptInput() override;

 private:
  // The fields into the inputs (a field that does not hold a number keeps
  // its value).
  void ReadFields();
  code::Criterion Criterion() const;
  code::Geometry GeometryChosen() const;
  void UpdateEnabling();
  void UpdatePicture();
  void UpdateSummaries();
  void GeometryClicked();
  void EditLayer(int layer);
  // A layer's product and its maximum temperature; false after Cancel.
  bool CheckLayerProduct(const CIsolasjon& layer, int number, float temperature, int warning);

  VarmeTapInputs& inputs_;
  bool layersChosen_ = false;  // a layer dialog was confirmed since the dialog opened

  CMultiButton2* geometry_;
  NumberField* diameter_;
  NumberField* height_;
  NumberField* width_;
  NumberField* length_;
  NumberField* area_;
  QCheckBox* hangers_;
  std::array<QRadioButton*, 4> criteria_{};
  NumberField* medium_;
  NumberField* surface_;
  QLabel* heatLossLabel_;
  NumberField* heatLoss_;
  SurroundingsGroup* surroundings_;
  QCheckBox* twoLayers_;
  std::array<QPushButton*, 2> layerButtons_{};
  std::array<QLabel*, 2> layerSummaries_{};
  QCheckBox* calcEnergy_;
  NumberField* hours_;
  NumberField* price_;
  NumberField* co2_;
  QCheckBox* hasAccessories_;
  ListPanel* accessories_;
};

}  // namespace kav
