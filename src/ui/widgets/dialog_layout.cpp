#include "ui/widgets/dialog_layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/dialog_fields.h"

namespace kav {

QLabel* FieldLabel(const QString& text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  return label;
}

QLabel* AddFieldRow(QGridLayout& grid, const QString& label, QWidget* field, int indent) {
  const int row = grid.rowCount();
  QLabel* text = FieldLabel(label, field);
  text->setIndent(indent);
  grid.addWidget(text, row, 0);
  grid.addWidget(field, row, 1);
  return text;
}

NumberField* MakeNumberField(QWidget* parent, float value, const char* format) {
  auto* field = new NumberField(parent);
  field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 16);
  field->SetValue(value, format);
  return field;
}

NumberField* MakeRangedField(QWidget* parent, float value, float min, float max,
                             const char* format) {
  NumberField* field = MakeNumberField(parent, value, format);
  field->SetRange(min, max);
  return field;
}

void ReadNumber(const NumberField& field, float& value) {
  if (const std::optional<float> number = field.Value()) value = *number;
}

QVBoxLayout* Column(std::initializer_list<QWidget*> boxes) {
  auto* column = new QVBoxLayout;
  for (QWidget* box : boxes) column->addWidget(box);
  column->addStretch(1);
  return column;
}

QHBoxLayout* Columns(std::initializer_list<QLayout*> columns, int growing) {
  if (growing < 0) growing = static_cast<int>(columns.size()) - 1;
  auto* row = new QHBoxLayout;
  int index = 0;
  for (QLayout* column : columns) row->addLayout(column, index++ == growing ? 1 : 0);
  return row;
}

}  // namespace kav
