#pragma once
// The surroundings of an object as the module dialogs ask for them: the
// ambient temperature, the radios "I rom (fri konveksjon)", "Ute (tvungen
// konveksjon)" and "Ytre varmeovergangstall", the wind speed (outdoors) and
// the user's outer coefficient, and "Velg klimasted...", which takes the
// ambient temperature and wind speed of a climate place.
#include <QGroupBox>
#include <array>

#include "modules/common/codes.h"

class QPushButton;
class QRadioButton;

namespace kav {

class CItemDlg;
class NumberField;

class SurroundingsGroup final : public QGroupBox {
  Q_OBJECT

 public:
  // `ambientLabel` as the dialog words it ("Omgivelsestemp. [°C]:").
  SurroundingsGroup(const QString& ambientLabel, bool climateButton, QWidget* parent = nullptr);

  void SetValues(code::Surroundings surroundings, float ambient, float wind, float coefficient);
  code::Surroundings Surroundings() const;
  // The fields' numbers into the values (a field that does not hold a
  // number leaves its value as it was).
  void ReadValues(code::Surroundings& surroundings, float& ambient, float& wind,
                  float& coefficient) const;

  NumberField& Ambient() const { return *ambient_; }
  NumberField& Wind() const { return *wind_; }
  QPushButton* ClimateButton() const { return climate_; }

  // Outdoors "vindhastigheten" 0.1 to 50 m/s; with the user's coefficient
  // "det ytre varmeovergangstallet" 0.1 to 10000 W/m²K.
  bool CheckRanges(CItemDlg& dialog) const;

 signals:
  // With the radio's number (code::Surroundings as an integer).
  void surroundingsChanged(int surroundings);

 private:
  void ChooseClimate();
  void UpdateEnabling();

  NumberField* ambient_;
  std::array<QRadioButton*, 3> radios_{};
  NumberField* wind_;
  QPushButton* climate_ = nullptr;
  NumberField* coefficient_;
};

}  // namespace kav
