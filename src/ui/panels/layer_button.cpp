#include "ui/panels/layer_button.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform.h"
#include "core/strings.h"
#include "modules/insulation/isolasjon.h"

namespace kav {

LayerButton::LayerButton(const QString& text, QWidget* parent)
    : QWidget(parent), button_(new QPushButton(text, this)), summary_(new QLabel(this)) {
  button_->setAutoDefault(false);
  summary_->setWordWrap(true);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 3);
  summary_->setMinimumWidth(summary_->fontMetrics().averageCharWidth() * 30);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(button_);
  layout->addWidget(summary_);
  connect(button_, &QPushButton::clicked, this, &LayerButton::clicked);
}

void LayerButton::Show(const CIsolasjon& layer) {
  summary_->setText(QString::fromStdString(layer.Describe(layer.ThicknessGiven != 0)));
}

bool LayerButton::CheckChosen(const CIsolasjon& layer) const {
  if (layer.HasProduct()) return true;
  ShowMessage(Str(ids::SelectInsulationProduct));
  button_->setFocus();
  return false;
}

bool LayerButton::CheckProduct(const CIsolasjon& layer, float medium, float ambient) const {
  if (!CheckChosen(layer)) return false;
  const CIsoProdukt* product = layer.ActiveProduct();
  if (product == nullptr) return true;
  if (product->MaxTemperature < medium) {
    return AskOkCancel(Str(ids::MediumAboveProductMaxTemperature));
  }
  if (product->MaxTemperature < ambient) {
    return AskOkCancel(Str(ids::AmbientAboveProductMaxTemperature));
  }
  return true;
}

}  // namespace kav
