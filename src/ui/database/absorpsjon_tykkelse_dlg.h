#pragma once
// A thickness of an absorption product ("Absorpsjon"): the thickness and
// its absorption coefficients in the six octave bands from 125 to 4000 Hz.
// The product may have each thickness once.
#include <array>

#include "ui/widgets/item_dlg.h"

namespace kav {

class CAbsorpsjonTykkelse;
class NumberField;

class CAbsorpsjonTykkelseDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CAbsorpsjonTykkelseDlg(CAbsorpsjonTykkelse& row, QWidget* parent = nullptr);

  NumberField& ThicknessField() const { return *thickness_; }
  NumberField& CoefficientField(int band) const {
    return *coefficients_[static_cast<std::size_t>(band)];
  }

 protected:
  bool AcceptInput() override;

 private:
  CAbsorpsjonTykkelse& row_;
  NumberField* thickness_;
  std::array<NumberField*, 6> coefficients_{};
};

}  // namespace kav
