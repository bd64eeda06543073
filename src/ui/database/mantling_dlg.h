#pragma once
// The three surface rows: jacketing ("Mantling isolasjon"), bare pipe and
// duct surfaces ("Overflate rør/kanaler") and the facing of internally
// insulated ducts ("Mantling innv. isolasjon"). Each has a name, an
// emissivity with its slider and a drawing colour.
#include <QScrollBar>

#include "core/colour.h"
#include "data/mantling.h"
#include "ui/widgets/item_dlg.h"

namespace kav {

class CColorBtn;
class NumberField;
class ObjectList;
class TextField;

class SurfaceRowDlg : public CItemDlg {
  Q_OBJECT

 public:
  NumberField& EmissivityField() const { return *emissivity_; }
  QScrollBar& EmissivityBar() const { return *bar_; }
  TextField& NameField() const { return *name_; }

 protected:
  struct Row {
    std::string& name;
    float& emissivity;
    Colour& colour;
  };
  // `names`: the list in which the name must be unique.
  SurfaceRowDlg(const QString& caption, std::string helpTopic, const Row& row,
                const ObjectList& names, QWidget* parent);

  bool AcceptInput() override;

 private:
  Row row_;
  TextField* name_;
  NumberField* emissivity_;
  QScrollBar* bar_;
  CColorBtn* swatch_;
};

class CMantlingDlg final : public SurfaceRowDlg {
  Q_OBJECT

 public:
  explicit CMantlingDlg(CMantling& row, QWidget* parent = nullptr);
};

class COverflateDlg final : public SurfaceRowDlg {
  Q_OBJECT

 public:
  explicit COverflateDlg(COverflate& row, QWidget* parent = nullptr);
};

class CInnvMantlingDlg final : public SurfaceRowDlg {
  Q_OBJECT

 public:
  explicit CInnvMantlingDlg(CInnvMantling& row, QWidget* parent = nullptr);
};

}  // namespace kav
