#include "ui/database/coefficient_fields.h"

#include "data/iso_produkt.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"

namespace kav {
namespace {

constexpr const char* kLabels[4] = {
    "3.grads koeffisient:", "2.grads koeffisient:", "1.grads koeffisient:", "0.grads koeffisient:"};
constexpr const char* kNames[4] = {"c3", "c2", "c1", "c0"};

}  // namespace

CoefficientFields::CoefficientFields(QWidget* parent, QGridLayout& grid, const CIsoProdukt& product)
    : shown_{product.C3, product.C2, product.C1, product.C0} {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = MakeNumberField(parent, shown_[i]);
    fields_[i]->setObjectName(QString::fromLatin1(kNames[i]));
    // The constant term is the conductivity at 0 °C, the others its slopes.
    fields_[i]->SetRange(-5.0f, i == 3 ? 500.0f : 10.0f);
    shownText_[i] = fields_[i]->text();
    AddFieldRow(grid, QString::fromLatin1(kLabels[i]), fields_[i]);
  }
}

void CoefficientFields::Show(const std::array<float, 4>& coefficients) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->SetValue(coefficients[i], i == 3 ? "%.3f" : "%.3e");
    shownText_[i] = fields_[i]->text();
    shown_[i] = fields_[i]->Value().value_or(coefficients[i]);
  }
}

void CoefficientFields::ReadInto(CIsoProdukt& product) const {
  std::array<float, 4> values = shown_;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i]->text() != shownText_[i]) ReadNumber(*fields_[i], values[i]);
  }
  product.C3 = values[0];
  product.C2 = values[1];
  product.C1 = values[2];
  product.C0 = values[3];
}

}  // namespace kav
