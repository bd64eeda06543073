#pragma once
// A horizontal scroll bar bound to a number field (the emissivity and
// percentage fields): the thumb's position is the value times a factor. The
// arrows and the page areas step by the field's line and page steps and stop
// at the ends, Home and End go to the ends, and dragging sets the position
// directly; whenever the thumb moves, the field shows the value it stands
// for. Typing in the field does not move the thumb: the typed value is
// what the dialog takes.
#include <QObject>
#include <string>

class QScrollBar;

namespace kav {

class NumberField;

class SliderField final : public QObject {
  Q_OBJECT

 public:
  struct Scale {
    float factor = 100.0f;  // positions per unit
    float min = 0.0f;
    float max = 1.0f;
    float line = 0.05f;
    float page = 0.2f;
    const char* format = "%.2f";
  };

  SliderField(QScrollBar& bar, NumberField& field, const Scale& scale, QObject* parent = nullptr);

  // Shows the value in the field and puts the thumb there.
  void SetValue(float value);

 private:
  void ThumbMoved(int position);

  QScrollBar& bar_;
  NumberField& field_;
  Scale scale_;
};

}  // namespace kav
