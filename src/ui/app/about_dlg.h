#pragma once
// The About window ("Om KAV"): what the program does, its version and
// credits, and the two start-up switches ("HelpWindow", "NewDocWindow").
#include "core/settings.h"
#include "ui/widgets/item_dlg.h"

class QCheckBox;

namespace kav {

class CAboutDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CAboutDlg(Settings& settings, QWidget* parent = nullptr);

  QCheckBox& WelcomeBox() const { return *welcome_; }
  QCheckBox& GettingStartedBox() const { return *gettingStarted_; }

 protected:
  bool AcceptInput() override;

 private:
  Settings& settings_;
  QCheckBox* welcome_;
  QCheckBox* gettingStarted_;
};

}  // namespace kav
