#pragma once
// The liquid a pipe run or a tank holds, as the module dialogs ask for it:
// a liquid of the database ("Medie fra databasen :" with the liquid list)
// or one the user describes ("Egendefinert medie :" with its name,
// density, heat capacity and freezing point). Choosing a liquid of the
// list writes its values into the user's fields.
#include <QGroupBox>
#include <QString>

class QComboBox;
class QRadioButton;

namespace kav {

class ChoiceBinder;
class CItemDlg;
class CListItem;
class NumberField;
class TextField;
struct LiquidInputs;

// The labels as each dialog words them.
struct LiquidLabels {
  QString database;
  QString user;
  QString density;
  QString heatCapacity;
  QString freezingPoint;

  // The flowing-media dialog's wording.
  static LiquidLabels FlowingMedia();
};

class LiquidGroup final : public QGroupBox {
  Q_OBJECT

 public:
  // With the flowing-media dialog's wording.
  explicit LiquidGroup(QWidget* parent = nullptr);
  explicit LiquidGroup(const LiquidLabels& labels, QWidget* parent = nullptr);

  // Offers the liquid list and shows the choice and the user's values.
  void SetValues(const LiquidInputs& liquid);
  // The choice and the fields' numbers into `liquid` (a field that does
  // not hold a number leaves its value as it was).
  void ReadValues(LiquidInputs& liquid) const;
  // The medium's checks of OK: a user liquid's "densiteten" 1 to 2500,
  // "varmekapasiteten" 1 to 5000 and "frysepunktet" −273 to 200, or 62532
  // when no liquid of the list is chosen; false, with the focus on the
  // field, when refused.
  bool CheckValues(CItemDlg& dialog) const;
  // The freezing point of the chosen liquid, or the one typed in, in °C.
  float FreezingPoint() const;

  QRadioButton& DatabaseRadio() const { return *database_; }
  QRadioButton& UserRadio() const { return *user_; }
  QComboBox& LiquidBox() const { return *liquidBox_; }
  TextField& NameField() const { return *name_; }
  NumberField& DensityField() const { return *density_; }
  NumberField& HeatCapacityField() const { return *heatCapacity_; }
  NumberField& FreezingPointField() const { return *freezingPoint_; }

 signals:
  // The user picked a liquid or switched between the list and his own.
  void liquidChanged();

 private:
  void LiquidPicked(CListItem* row);
  void UpdateEnabling();

  QRadioButton* database_;
  QComboBox* liquidBox_;
  QRadioButton* user_;
  TextField* name_;
  NumberField* density_;
  NumberField* heatCapacity_;
  NumberField* freezingPoint_;
  ChoiceBinder* liquids_;
  float setFreezingPoint_ = 0.0f;  // the user's, as SetValues showed it
};

}  // namespace kav
