#pragma once
// Fitting a standard product's conductivity polynomial ("Beregning av
// koeffisienter"): four (conductivity, temperature) points, the curve
// through them, and its coefficients as read-only texts. OK hands the
// fitted coefficients back.
#include <QLabel>
#include <array>

#include "ui/database/curve_points.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class CKoeffBeregningDlg final : public CItemDlg {
  Q_OBJECT

 public:
  // The starting points: 0, Tmax/3, Tmax/1.5 and Tmax with the
  // conductivity of the cubic c3..c0 at each.
  static CurvePoints::Points StartingPoints(float maxTemperature,
                                            const std::array<float, 4>& coefficients);

  // `fitted` gets the curve's c3, c2, c1, c0 on OK.
  CKoeffBeregningDlg(const CurvePoints::Points& start, std::array<float, 4>& fitted,
                     QWidget* parent = nullptr);

  CurvePoints& Points() const { return *points_; }
  // The text of the coefficient of that power.
  QString CoefficientText(int power) const {
    return texts_[static_cast<std::size_t>(3 - power)]->text();
  }

 protected:
  bool AcceptInput() override;

 private:
  void ShowCoefficients();

  std::array<float, 4>& fitted_;
  CurvePoints* points_;
  std::array<QLabel*, 4> texts_{};
};

}  // namespace kav
