#pragma once
// The frost dialog ("Frostbeskyttelse vannledninger"): the pipe on the
// picture button (horizontal or vertical), its diameter, the insulation,
// the surroundings below 0 °C, the water's start temperature and the
// freezing degree with its scroll bar.
#include "ui/widgets/item_dlg.h"

namespace kav {

class CMultiButton2;
class LayerButton;
class NumberField;
class PercentField;
class SurroundingsGroup;
struct FrostInputs;

class CFrostDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy: the module takes it back after OK).
  explicit CFrostDlg(FrostInputs& inputs, QWidget* parent = nullptr);

  CMultiButton2& PipeButton() const { return *pipe_; }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  LayerButton& Layer() const { return *layer_; }
  PercentField& FreezingDegree() const { return *degree_; }

 protected:
  bool AcceptInput() override;

 private:
  // The fields into the inputs (a field that does not hold a number keeps
  // its value).
  void ReadFields();
  void UpdatePicture();
  void EditLayer();

  FrostInputs& inputs_;

  CMultiButton2* pipe_;
  NumberField* diameter_;
  LayerButton* layer_;
  SurroundingsGroup* surroundings_;
  NumberField* start_;
  PercentField* degree_;
};

}  // namespace kav
