#pragma once
// Small pieces the input dialogs are laid out with: labels that lead to
// their fields, rows of a field grid, number fields of a width for numbers,
// reading a field's number into a value, and columns of boxes.
#include <QString>
#include <initializer_list>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QVBoxLayout;
class QWidget;

namespace kav {

class NumberField;

// A label whose mnemonic and clicks lead to `field`.
QLabel* FieldLabel(const QString& text, QWidget* field);
// Adds the label and the field as the next row of a two-column grid, the
// label indented by `indent` pixels; returns the label.
QLabel* AddFieldRow(QGridLayout& grid, const QString& label, QWidget* field, int indent = 0);
// A number field as wide as numbers need, showing `value` ("%g").
NumberField* MakeNumberField(QWidget* parent, float value, const char* format = "%g");
// The same with a range checked on OK, both ends included.
NumberField* MakeRangedField(QWidget* parent, float value, float min, float max,
                             const char* format = "%g");
// The field's number into `value`; a text that is not a number leaves
// `value` as it was.
void ReadNumber(const NumberField& field, float& value);

// Boxes top to bottom with the free height below them.
QVBoxLayout* Column(std::initializer_list<QWidget*> boxes);
// Columns side by side; the one numbered `growing` (from 0; the last if
// negative) takes the width to spare.
QHBoxLayout* Columns(std::initializer_list<QLayout*> columns, int growing = -1);

}  // namespace kav
