#include "ui/database/mantling_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "data/active_list.h"
#include "ui/widgets/color_btn.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/dialog_layout.h"
#include "ui/widgets/slider_field.h"

namespace kav {
namespace {

constexpr int kNameLimit = 60;

}  // namespace

SurfaceRowDlg::SurfaceRowDlg(const QString& caption, std::string helpTopic, const Row& row,
                             const ObjectList& names, QWidget* parent)
    : CItemDlg(caption, std::move(helpTopic), parent),
      row_(row),
      name_(new TextField(kNameLimit, this)),
      emissivity_(MakeNumberField(this, row.emissivity, "%.2f")),
      bar_(new QScrollBar(Qt::Horizontal, this)),
      swatch_(new CColorBtn(this)) {
  setObjectName(QStringLiteral("surfaceDialog"));
  name_->SetText(row.name);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
  emissivity_->setObjectName(QStringLiteral("emissivity"));
  emissivity_->SetRange(0.0f, 1.0f);
  auto* slider = new SliderField(*bar_, *emissivity_, SliderField::Scale{}, this);
  slider->SetValue(row.emissivity);
  bar_->setMinimumWidth(bar_->fontMetrics().averageCharWidth() * 20);
  swatch_->SetColour(row.colour);

  auto* grid = new QGridLayout;
  AddFieldRow(*grid, QStringLiteral("Navn :"), name_);
  auto* emissivity = new QHBoxLayout;
  emissivity->addWidget(emissivity_);
  emissivity->addWidget(bar_, 1);
  const int line = grid->rowCount();
  grid->addWidget(FieldLabel(QStringLiteral("Emissivitet :"), emissivity_), line, 0);
  grid->addLayout(emissivity, line, 1);
  Body()->addLayout(grid);
  Body()->addLayout(
      ColourChoiceRow(new QPushButton(QStringLiteral("Sett oveflatefarge..."), this), swatch_));
  Body()->addStretch(1);
  // The row is out of the list while it is edited.
  SetNameList(&names);
  name_->setFocus();
}

bool SurfaceRowDlg::AcceptInput() {
  if (!CheckName(name_->Text(), name_)) return false;
  row_.name = name_->Text();
  ReadNumber(*emissivity_, row_.emissivity);
  row_.colour = swatch_->Colour();
  return true;
}

CMantlingDlg::CMantlingDlg(CMantling& row, QWidget* parent)
    : SurfaceRowDlg(QStringLiteral("Mantling isolasjon"), "::/html/mantling.htm",
                    {row.Name, row.Emissivity, row.Colour}, ActiveList<CMantling>(), parent) {}

COverflateDlg::COverflateDlg(COverflate& row, QWidget* parent)
    : SurfaceRowDlg(QString::fromUtf8("Overflate rør/kanaler"), "::/html/overflate.htm",
                    {row.Name, row.Emissivity, row.Colour}, ActiveList<COverflate>(), parent) {}

CInnvMantlingDlg::CInnvMantlingDlg(CInnvMantling& row, QWidget* parent)
    : SurfaceRowDlg(QStringLiteral("Mantling innv. isolasjon"), "::/html/mantling.htm",
                    {row.Name, row.Emissivity, row.Colour}, ActiveList<CInnvMantling>(), parent) {}

}  // namespace kav
