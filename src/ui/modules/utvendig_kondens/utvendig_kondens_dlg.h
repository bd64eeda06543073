#pragma once
// The external-condensation dialog ("Isolering mot utvendig kondens"): the
// object on the picture button (seven types, horizontal or vertical), its
// dimensions, the medium temperature, the air (temperature, humidity,
// "Typisk romtemperatur...") and surroundings, and the insulation: the
// layer whose thickness is sought and, on ducts, a given outer layer.
#include "ui/widgets/item_dlg.h"

class QCheckBox;
class QPushButton;

namespace kav {

class CMultiButton2;
class PercentField;
class LayerButton;
class NumberField;
class SurroundingsGroup;
struct UtvendigKondensInputs;

class CUtvendigKondensDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy: the module takes it back after OK).
  explicit CUtvendigKondensDlg(UtvendigKondensInputs& inputs, QWidget* parent = nullptr);

  CMultiButton2& ObjectButton() const { return *object_; }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  PercentField& Humidity() const { return *humidity_; }
  LayerButton& Layer(int layer) const { return layer == 1 ? *layer1_ : *layer2_; }
  QCheckBox& TwoLayers() const { return *twoLayers_; }
  QPushButton& RoomTemperatureButton() const { return *roomTemperature_; }

 protected:
  bool AcceptInput() override;

 private:
  // The fields into the inputs (a field that does not hold a number keeps
  // its value).
  void ReadFields();
  void UpdateEnabling();
  void UpdatePicture();
  void UpdateSummaries();
  void ObjectClicked();
  void EditLayer(int layer);
  void ChooseRoomTemperature();

  UtvendigKondensInputs& inputs_;

  CMultiButton2* object_;
  NumberField* diameter_;
  NumberField* height_;
  NumberField* width_;
  NumberField* medium_;
  PercentField* humidity_;
  QPushButton* roomTemperature_;
  SurroundingsGroup* surroundings_;
  LayerButton* layer1_;
  QCheckBox* twoLayers_;
  LayerButton* layer2_;
};

}  // namespace kav
