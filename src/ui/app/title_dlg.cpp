#include "ui/app/title_dlg.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "core/strings.h"
#include "ui/app/startup_settings.h"
#include "ui/platform/help_viewer.h"
#include "ui/render/qt_pictures.h"

namespace kav {

std::string WelcomePictureName(int month) {
  return month > 10 || month < 4 ? "WELCOME_WINTER" : "WELCOME_SUMMER";
}

CTitleDlg::CTitleDlg(Settings& settings, int month, QWidget* parent)
    : CItemDlg(QString::fromStdString(Str(ids::WelcomeCaption)), HelpViewer::kContentsTopic, parent,
               Buttons::OkHelp),
      settings_(settings),
      dontShow_(new QCheckBox(QString::fromStdString(Str(ids::DontShowAtStartup)), this)) {
  setObjectName(QStringLiteral("welcomeDialog"));
  const std::string name = WelcomePictureName(month);
  auto* picture = new QLabel(this);
  picture->setObjectName(QString::fromStdString(name));
  picture->setPixmap(QPixmap::fromImage(PictureImage(name)));
  picture->setFrameShape(QFrame::Box);
  picture->setFixedSize(picture->sizeHint());

  auto* title = new QLabel(QString::fromStdString(Str(ids::ProgramTitle)), this);
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);

  dontShow_->setChecked(!SwitchIsOn(settings, kHelpWindowKey));
  Body()->addWidget(title);
  Body()->addWidget(picture, 0, Qt::AlignHCenter);
  Body()->addSpacing(4);
  Body()->addWidget(dontShow_);
  // The caption is long: the window is wide enough to show it in a bold
  // title bar font.
  QFont captionFont = font();
  captionFont.setBold(true);
  title->setMinimumWidth(QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + 60);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool CTitleDlg::AcceptInput() {
  SetSwitch(settings_, kHelpWindowKey, !dontShow_->isChecked());
  return true;
}

}  // namespace kav
