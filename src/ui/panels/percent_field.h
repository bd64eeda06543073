#pragma once
// A percentage as the module dialogs ask for it (the relative humidity, the
// freezing degree): a field limited to its range and a scroll bar beside it
// that steps by 1 % (10 % a page).
#include <QWidget>

class QScrollBar;

namespace kav {

class NumberField;
class SliderField;

class PercentField final : public QWidget {
  Q_OBJECT

 public:
  // From `min` to `max` %, shown with `format` ("%.0f" or "%.1f").
  PercentField(float min, float max, const char* format, QWidget* parent = nullptr);

  void SetValue(float percent);
  NumberField& Field() const { return *field_; }
  QScrollBar& Bar() const { return *bar_; }

 private:
  NumberField* field_;
  QScrollBar* bar_;
  SliderField* slider_;
};

}  // namespace kav
