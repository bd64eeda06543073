#pragma once
// The economic module's input dialog ("Økonomisk isolasjon"): the object
// on its picture button, its dimensions and medium temperature, the
// standard solution and up to 20 alternatives, the surroundings and the
// economic data.
#include "ui/widgets/item_dlg.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kav {

class CListItem;
class CMultiButton2;
class COkonomiIsolasjon;
class NumberField;
class SurroundingsGroup;
struct OkonomiInputs;

class COkonomiDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit COkonomiDlg(OkonomiInputs& inputs, QWidget* parent = nullptr);

  CMultiButton2& ObjectButton() const { return *object_; }
  NumberField& DiameterField() const { return *diameter_; }
  NumberField& HeightField() const { return *height_; }
  NumberField& WidthField() const { return *width_; }
  NumberField& MediumField() const { return *medium_; }
  QPushButton& StandardButton() const { return *standard_; }
  QLabel& StandardText() const { return *standardText_; }
  QListWidget& AlternativeList() const { return *alternatives_; }
  QPushButton& NewButton() const { return *new_; }
  QPushButton& EditButton() const { return *edit_; }
  QPushButton& DeleteButton() const { return *delete_; }
  SurroundingsGroup& Surroundings() const { return *surroundings_; }
  NumberField& EnergyPriceField() const { return *price_; }

 protected:
  bool AcceptInput() override;

 private:
  void ReadFields();
  void ObjectClicked();
  void UpdateEnabling();
  void UpdatePicture();
  void FillAlternatives(int selected);
  // The solution dialog on `solution`; `self` is the alternative edited.
  bool EditSolution(COkonomiIsolasjon& solution, const CListItem* self);
  void EditStandard();
  void NewAlternative();
  void EditAlternative();
  void DeleteAlternative();
  bool CheckProductTemperatures();
  bool CheckRanges();

  OkonomiInputs& inputs_;
  CMultiButton2* object_;
  NumberField* diameter_;
  NumberField* height_;
  NumberField* width_;
  NumberField* medium_;
  QPushButton* standard_;
  QLabel* standardText_;
  QListWidget* alternatives_;
  QPushButton* new_;
  QPushButton* edit_;
  QPushButton* delete_;
  SurroundingsGroup* surroundings_;
  NumberField* price_;
  NumberField* hours_;
  NumberField* co2_;
  NumberField* years_;
  NumberField* increase_;
  NumberField* interest_;
};

}  // namespace kav
