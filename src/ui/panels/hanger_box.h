#pragma once
// The box with "Uisolerte opphengninger" and the note on how hangers are
// counted, as the segment and internal-condensation dialogs show it.
#include <QGroupBox>

class QCheckBox;

namespace kav {

class HangerBox final : public QGroupBox {
  Q_OBJECT

 public:
  explicit HangerBox(QWidget* parent = nullptr);
  QCheckBox& Check() const { return *check_; }

 private:
  QCheckBox* check_;
};

}  // namespace kav
