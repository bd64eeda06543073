#pragma once
// The segment dialog ("Segment"): one stretch of a flowing-media run, its
// name, insulation (one or two layers, or the bare surface), accessories,
// dimensions, orientation, surroundings, inner coefficient, flow and
// hangers.
#include "ui/widgets/item_dlg.h"

class QCheckBox;
class QRadioButton;

namespace kav {

class CSegment;
class FlowGroup;
class LayerButton;
class ListPanel;
class NumberField;
class SurfaceChoiceGroup;
class SurroundingsGroup;
class TextField;

class CSegmentDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `segment` (a copy: the segment takes it back after OK).
  explicit CSegmentDlg(CSegment& segment, QWidget* parent = nullptr);

  TextField& NameField() const { return *name_; }
  LayerButton& Layer1() const { return *layer1_; }
  LayerButton& Layer2() const { return *layer2_; }
  QCheckBox& TwoLayers() const { return *twoLayers_; }
  SurfaceChoiceGroup& Bare() const { return *bare_; }
  QCheckBox& HasAccessories() const { return *hasAccessories_; }
  ListPanel& Accessories() const { return *accessories_; }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  QRadioButton& Vertical() const { return *vertical_; }
  QCheckBox& UserInnerCoefficient() const { return *userInner_; }
  FlowGroup& Flow() const { return *flow_; }
  QCheckBox& Hangers() const { return *hangers_; }

 protected:
  bool AcceptInput() override;

 private:
  void ReadFields();
  bool Circular() const;
  // The inside cross-section in m² as the fields stand.
  float CrossSection() const;
  void UpdateEnabling();
  void EditLayer(int layer);
  bool CheckDimensions();
  bool CheckLayers();

  CSegment& segment_;

  TextField* name_;
  LayerButton* layer1_;
  QCheckBox* twoLayers_;
  LayerButton* layer2_;
  SurfaceChoiceGroup* bare_;
  QCheckBox* hasAccessories_;
  ListPanel* accessories_;
  NumberField* height_;
  NumberField* width_;
  NumberField* diameter_;
  NumberField* length_;
  QRadioButton* horizontal_;
  QRadioButton* vertical_;
  SurroundingsGroup* surroundings_;
  QCheckBox* userInner_;
  NumberField* innerCoefficient_;
  FlowGroup* flow_;
  QCheckBox* hangers_;
};

}  // namespace kav
