#pragma once
// The tank dialog ("Temperatur over tid i tank"): the shape on the picture
// button, the inside dimensions, the surroundings with a climate place, the
// liquid, the insulation, the start temperature and the storage time.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CMultiButton;
class LayerButton;
class LiquidGroup;
class NumberField;
class SurroundingsGroup;
struct TankTempInputs;

class CTankTempDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy: the module takes it back after OK).
  explicit CTankTempDlg(TankTempInputs& inputs, QWidget* parent = nullptr);

  CMultiButton& ShapeButton() const { return *shape_; }
  LayerButton& Layer() const { return *layer_; }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  LiquidGroup& Liquid() const { return *liquid_; }

 protected:
  bool AcceptInput() override;

 private:
  void ReadFields();
  void UpdateEnabling();
  void UpdatePicture();
  void EditLayer();
  bool CheckDimensions();

  TankTempInputs& inputs_;

  CMultiButton* shape_;
  NumberField* diameter_;
  NumberField* length_;
  NumberField* width_;
  NumberField* height_;
  NumberField* depth_;
  SurroundingsGroup* surroundings_;
  LiquidGroup* liquid_;
  LayerButton* layer_;
  NumberField* start_;
  NumberField* storage_;
};

}  // namespace kav
