#include "ui/app/new_doc_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "core/strings.h"
#include "ui/app/startup_settings.h"
#include "ui/render/qt_pictures.h"

namespace kav {

CNewDocDlg::CNewDocDlg(Settings& settings, QWidget* parent)
    : CItemDlg(QString::fromStdString(Str(ids::GettingStartedCaption)),
               "::/html/contents.htm#kom_i_gang", parent, Buttons::OkHelp),
      settings_(settings),
      dontShow_(new QCheckBox(QString::fromStdString(Str(ids::DontShowAtStartupOrNewCalculation)),
                              this)) {
  setObjectName(QStringLiteral("gettingStartedDialog"));
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(PictureImage("HEADER")));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* lines = new QVBoxLayout;
  for (int id : {ids::GettingStartedLine1, ids::GettingStartedLine2, ids::GettingStartedLine3}) {
    auto* line = new QLabel(QString::fromStdString(Str(id)), this);
    line->setWordWrap(true);
    line->setMinimumWidth(360);
    lines->addWidget(line);
  }
  lines->addStretch(1);

  auto* row = new QHBoxLayout;
  row->setSpacing(16);
  row->addWidget(picture);
  row->addLayout(lines, 1);
  Body()->addLayout(row);
  Body()->addSpacing(4);
  Body()->addWidget(dontShow_);
  dontShow_->setChecked(!SwitchIsOn(settings, kNewDocWindowKey));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool CNewDocDlg::AcceptInput() {
  SetSwitch(settings_, kNewDocWindowKey, !dontShow_->isChecked());
  return true;
}

}  // namespace kav
