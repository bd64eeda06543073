#pragma once
// The welcome window shown at start-up: a picture of the season (winter
// from November to March, summer otherwise) and the check box that turns
// it off ("HelpWindow").
#include <string>

#include "core/settings.h"
#include "ui/widgets/item_dlg.h"

class QCheckBox;

namespace kav {

// "WELCOME_WINTER" for months 11, 12, 1, 2 and 3, else "WELCOME_SUMMER".
std::string WelcomePictureName(int month);

class CTitleDlg final : public CItemDlg {
  Q_OBJECT

 public:
  CTitleDlg(Settings& settings, int month, QWidget* parent = nullptr);

  QCheckBox& DontShowBox() const { return *dontShow_; }

 protected:
  bool AcceptInput() override;

 private:
  Settings& settings_;
  QCheckBox* dontShow_;
};

}  // namespace kav
