#pragma once
// The relative humidity as the condensation dialogs ask for it: a field of
// 1 to 99 % and a scroll bar beside it that steps by 1 % (10 % a page).
#include <QWidget>

class QScrollBar;

namespace kav {

class NumberField;
class SliderField;

class HumidityField final : public QWidget {
  Q_OBJECT

 public:
  // `format` shows the value ("%.0f" or "%.1f").
  explicit HumidityField(const char* format, QWidget* parent = nullptr);

  void SetValue(float humidity);
  NumberField& Field() const { return *field_; }
  QScrollBar& Bar() const { return *bar_; }

 private:
  NumberField* field_;
  QScrollBar* bar_;
  SliderField* slider_;
};

}  // namespace kav
