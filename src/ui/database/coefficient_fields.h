#pragma once
// The conductivity polynomial of a product dialog: "3.grads koeffisient:"
// to "0.grads koeffisient:". A coefficient whose text is still the one the
// dialog showed keeps its exact value; a typed one is read from the text.
#include <QGridLayout>
#include <QString>
#include <array>

class QWidget;

namespace kav {

class CIsoProdukt;
class NumberField;

class CoefficientFields final {
 public:
  // The four fields, as rows of `grid`, showing the product's c3..c0.
  CoefficientFields(QWidget* parent, QGridLayout& grid, const CIsoProdukt& product);

  // Shows c3, c2, c1 as "%.3e" and c0 as "%.3f": the product then gets
  // the values as shown.
  void Show(const std::array<float, 4>& coefficients);
  // c3..c0 as the fields have them.
  void ReadInto(CIsoProdukt& product) const;

  NumberField& Field(int power) const { return *fields_[static_cast<std::size_t>(3 - power)]; }

 private:
  std::array<NumberField*, 4> fields_{};
  std::array<float, 4> shown_{};
  std::array<QString, 4> shownText_{};
};

}  // namespace kav
