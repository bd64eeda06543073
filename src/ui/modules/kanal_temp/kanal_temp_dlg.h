#pragma once
// The flowing-media dialog ("Temperaturendring i strømmende medie"): the run
// type on its picture button, the liquid of a pipe run, the segments with
// their description, the inlet temperature, the energy figures and the
// dew-point check of a duct run.
#include "ui/widgets/item_dlg.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace kav {

class CMultiButton;
class HumidityField;
class LiquidGroup;
class ListEditor;
class NumberField;
struct KanalTempInputs;

class CKanalTempDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy with its own segments: the module takes it back
  // after OK).
  explicit CKanalTempDlg(KanalTempInputs& inputs, QWidget* parent = nullptr);

  CMultiButton& RunTypeButton() const { return *runType_; }
  LiquidGroup& Liquid() const { return *liquid_; }
  QTreeWidget& SegmentList() const { return *list_; }
  ListEditor& Segments() const { return *editor_; }
  QPushButton& NewButton() const { return *new_; }
  QPushButton& CopyButton() const { return *copy_; }
  QPushButton& UpdateButton() const { return *update_; }
  QPushButton& DeleteButton() const { return *delete_; }
  QLabel& Description() const { return *description_; }
  QCheckBox& CalcEnergy() const { return *calcEnergy_; }
  QCheckBox& CheckDewPoint() const { return *checkDewPoint_; }
  HumidityField& Humidity() const { return *humidity_; }

 protected:
  bool AcceptInput() override;

 private:
  void ReadFields();
  bool Pipes() const;
  void UpdateEnabling();
  void UpdatePicture();
  void UpdateDescription();
  void RunTypeClicked();
  // "Nytt segment..." (a new one from the selected) or "Kopiér segment..."
  // (a copy of the selected, at the end), within the segment limit.
  void AddSegment(bool copy);

  KanalTempInputs& inputs_;
  int shownRunType_ = 0;  // the run type the button stood on

  CMultiButton* runType_;
  LiquidGroup* liquid_;
  QTreeWidget* list_;
  ListEditor* editor_;
  QPushButton* new_;
  QPushButton* copy_;
  QPushButton* update_;
  QPushButton* delete_;
  QLabel* description_;
  NumberField* inlet_;
  QCheckBox* calcEnergy_;
  NumberField* hours_;
  NumberField* price_;
  QCheckBox* checkDewPoint_;
  HumidityField* humidity_;
  bool copying_ = false;  // the segment being added is a copy
};

}  // namespace kav
