#pragma once
// The internal-condensation dialog ("Innvendig kondens"): the duct on the
// picture button (circular or rectangular, horizontal or vertical), its
// dimensions and length, the insulation, the surroundings, a user inner
// coefficient, the air flow in its unit, the inlet air and the hangers.
#include "ui/widgets/item_dlg.h"

class QCheckBox;

namespace kav {

class CMultiButton2;
class FlowGroup;
class PercentField;
class LayerButton;
class NumberField;
class SurroundingsGroup;
struct InnvendigKondensInputs;

class CInnvendigKondensDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy: the module takes it back after OK).
  explicit CInnvendigKondensDlg(InnvendigKondensInputs& inputs, QWidget* parent = nullptr);

  CMultiButton2& DuctButton() const { return *duct_; }
  LayerButton& Layer() const { return *layer_; }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  FlowGroup& Flow() const { return *flow_; }
  PercentField& Humidity() const { return *humidity_; }
  QCheckBox& UserInnerCoefficient() const { return *userInner_; }
  QCheckBox& Hangers() const { return *hangers_; }

 protected:
  bool AcceptInput() override;

 private:
  void ReadFields();
  bool Rectangular() const;
  // The inside cross-section in m² as the fields stand (0 when a field
  // does not hold a number).
  float CrossSection() const;
  void UpdateEnabling();
  void UpdatePicture();
  void EditLayer();

  InnvendigKondensInputs& inputs_;

  CMultiButton2* duct_;
  NumberField* diameter_;
  NumberField* height_;
  NumberField* width_;
  NumberField* length_;
  LayerButton* layer_;
  SurroundingsGroup* surroundings_;
  QCheckBox* userInner_;
  NumberField* innerCoefficient_;
  FlowGroup* flow_;
  NumberField* inlet_;
  PercentField* humidity_;
  QCheckBox* hangers_;
};

}  // namespace kav
