#pragma once
// What covers an insulation layer, as the layer dialog asks for it: a row
// of the database ("Database") or an emissivity typed in ("Egendef.
// emissivitet:"). The groups for jacketing and inner facing are switched
// on and off by their title's check box.
#include <QGroupBox>

#include "core/object_list.h"

class QComboBox;
class QRadioButton;

namespace kav {

class ChoiceBinder;
class CItemDlg;
class NumberField;

class SurfaceChoiceGroup final : public QGroupBox {
  Q_OBJECT

 public:
  SurfaceChoiceGroup(const QString& title, bool switchable, QWidget* parent = nullptr);

  // Offers `rows`; shows the choice: on or off, the row or the typed value.
  void Show(const ObjectList& rows, CListItem* row, bool on, bool userValue, float emissivity);

  bool On() const;
  bool UserValue() const;
  CListItem* Row() const;
  // The typed emissivity into `emissivity` (unchanged when not a number).
  void ReadEmissivity(float& emissivity) const;

  // When on: the typed emissivity within 0 to 1 ("Verdien til <label>
  // ..."), or else a row (`selectMessage` when there is none).
  bool Check(CItemDlg& dialog, int selectMessage, int emissivityLabel) const;

  QRadioButton& DatabaseRadio() const { return *database_; }
  QComboBox& RowBox() const { return *rowBox_; }
  QRadioButton& UserRadio() const { return *user_; }
  NumberField& EmissivityField() const { return *emissivity_; }

 private:
  void UpdateEnabling();

  QRadioButton* database_;
  QComboBox* rowBox_;
  QRadioButton* user_;
  NumberField* emissivity_;
  ChoiceBinder* rows_;
};

}  // namespace kav
