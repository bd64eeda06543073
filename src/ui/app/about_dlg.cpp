#include "ui/app/about_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "core/strings.h"
#include "ui/app/app_icons.h"
#include "ui/app/startup_settings.h"
#include "ui/platform/help_viewer.h"
#include "ui/render/qt_pictures.h"

namespace kav {
namespace {

QLabel* Paragraph(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  // Wrapped to this width, and as high as that needs.
  label->setFixedWidth(400);
  label->setMinimumHeight(label->heightForWidth(400));
  return label;
}

}  // namespace

CAboutDlg::CAboutDlg(Settings& settings, QWidget* parent)
    : CItemDlg(QStringLiteral("Om KAV"), HelpViewer::kContentsTopic, parent),
      settings_(settings),
      welcome_(new QCheckBox(QStringLiteral("Vis velkomstvindu ved oppstart"), this)),
      gettingStarted_(
          new QCheckBox(QStringLiteral("Vis hjelpevindu ved oppstart/nytt dokument"), this)) {
  setObjectName(QStringLiteral("aboutDialog"));
  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon().pixmap(64, 64));
  icon->setAlignment(Qt::AlignTop);

  auto* title = new QLabel(QString::fromStdString(Str(ids::ProgramTitle)), this);
  QFont font = title->font();
  font.setPointSizeF(font.pointSizeF() * 1.3);
  font.setBold(true);
  title->setFont(font);

  auto* text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(new QLabel(QStringLiteral("Versjon %1").arg(QStringLiteral(KAV_VERSION)), this));
  text->addSpacing(6);
  text->addWidget(Paragraph(
      QStringLiteral("Beregner varmetap, overflatetemperatur og nødvendig isolasjonstykkelse "
                     "etter EN ISO 12241 og NS-EN 12828, temperaturendring i strømmende "
                     "medier, temperatur over tid i tank, isolering mot utvendig og innvendig "
                     "kondens og mot frost, lyddemping i lydfeller og økonomisk isolasjon."),
      this));
  text->addSpacing(6);
  text->addWidget(Paragraph(QStringLiteral("Utgitt av KORBU. Brukergrensesnittet bygger på Qt %1.")
                                .arg(QString::fromLatin1(qVersion())),
                            this));

  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(icon);
  top->addLayout(text, 1);

  auto* logo = new QLabel(this);
  logo->setPixmap(QPixmap::fromImage(PictureImage("HEADER")));
  logo->setAlignment(Qt::AlignCenter);

  auto* startup = new QGroupBox(QStringLiteral("Ved oppstart"), this);
  auto* boxes = new QVBoxLayout(startup);
  boxes->addWidget(welcome_);
  boxes->addWidget(gettingStarted_);
  welcome_->setChecked(SwitchIsOn(settings, kHelpWindowKey));
  gettingStarted_->setChecked(SwitchIsOn(settings, kNewDocWindowKey));

  Body()->addLayout(top);
  Body()->addWidget(logo);
  Body()->addWidget(startup);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool CAboutDlg::AcceptInput() {
  SetSwitch(settings_, kHelpWindowKey, welcome_->isChecked());
  SetSwitch(settings_, kNewDocWindowKey, gettingStarted_->isChecked());
  return true;
}

}  // namespace kav
