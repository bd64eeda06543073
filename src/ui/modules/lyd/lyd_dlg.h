#pragma once
// The sound-trap dialog ("Lydfelleberegning"): the duct type ("Kanaltype"
// picture), the duct's dimensions, and the lining: an absorption product of
// the database with one of its thicknesses, or the user's own product with
// its name, thickness and absorption coefficients per octave band.
#include <array>

#include "modules/lyd/lyd_inputs.h"
#include "ui/widgets/item_dlg.h"

class QComboBox;
class QGroupBox;
class QRadioButton;

namespace kav {

class ChoiceBinder;
class CMultiButton;
class NumberField;
class TextField;

class CLydDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // Edits `inputs` (a copy: the module takes it back after OK).
  explicit CLydDlg(LydInputs& inputs, QWidget* parent = nullptr);

  CMultiButton& DuctTypeButton() const { return *ductType_; }
  QRadioButton& DatabaseRadio() const { return *database_; }
  QRadioButton& OwnRadio() const { return *own_; }
  QComboBox& ProductBox() const { return *productBox_; }
  QComboBox& ThicknessBox() const { return *thicknessBox_; }
  TextField& NameField() const { return *ownName_; }

 protected:
  bool AcceptInput() override;

 private:
  code::DuctType DuctTypeChosen() const;
  // The fields into the inputs (a field that does not hold a number keeps
  // its value).
  void ReadFields();
  void UpdateEnabling();
  void UpdatePicture();
  void DuctTypeClicked();
  // Fills the thickness list of the product chosen, keeping a thickness of
  // the same name, else taking the first.
  void ProductPicked();
  // The free dimension the lining must leave room in, and its field.
  std::pair<float, NumberField*> FreeDimension() const;

  LydInputs& inputs_;

  CMultiButton* ductType_;
  NumberField* diameter_;
  NumberField* height_;
  NumberField* width_;
  QRadioButton* database_;
  QRadioButton* own_;
  QGroupBox* databaseGroup_;
  QComboBox* productBox_;
  QComboBox* thicknessBox_;
  ChoiceBinder* products_;
  ChoiceBinder* thicknesses_;
  QGroupBox* ownGroup_;
  TextField* ownName_;
  NumberField* ownThickness_;
  std::array<NumberField*, LydInputs::kBandCount> absorption_{};
};

}  // namespace kav
