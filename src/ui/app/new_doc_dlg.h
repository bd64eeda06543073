#pragma once
// The getting-started window shown after a new document is started
// ("Hvordan komme i gang"): three lines on how to begin and the check box
// that turns it off ("NewDocWindow").
#include "core/settings.h"
#include "ui/widgets/item_dlg.h"

class QCheckBox;

namespace kav {

class CNewDocDlg final : public CItemDlg {
  Q_OBJECT

 public:
  explicit CNewDocDlg(Settings& settings, QWidget* parent = nullptr);

  QCheckBox& DontShowBox() const { return *dontShow_; }

 protected:
  bool AcceptInput() override;

 private:
  Settings& settings_;
  QCheckBox* dontShow_;
};

}  // namespace kav
