#pragma once
// The base of every input dialog: a modal dialog with "OK", "Avbryt" and
// "Hjelp" below its fields, its help topic (opened by "Hjelp" and by F1
// from any of its controls), and the name and range checks every dialog
// uses. OK first runs the checks of the dialog's fields (dialog_fields.h)
// in tab order, then the dialog's own AcceptInput; the dialog stays open
// when any of them refuses.
#include <QDialog>
#include <QString>
#include <string>

class QVBoxLayout;

namespace kav {

class NumberField;
class ObjectList;

class CItemDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Buttons { OkCancelHelp, OkHelp };

  // `helpTopic` as "::/html/varmetap.htm".
  CItemDlg(const QString& caption, std::string helpTopic, QWidget* parent = nullptr,
           Buttons buttons = Buttons::OkCancelHelp);

  const std::string& HelpPath() const { return helpPath_; }

  // False, with 61209 "Tomme navn er ulovlige!" for an empty name or 61210
  // "Dette navnet er allerede brukt." for a name an item of the list to
  // check has; the focus then goes to `field` when one is given.
  bool CheckName(const std::string& name, QWidget* field = nullptr);
  // True when min <= value <= max; otherwise 61243 "Verdien til %s må
  // ligge mellom %.2f og %.2f" with the label text of `labelId`, and the
  // focus goes to `field` when one is given.
  bool CheckRange(int labelId, float value, float min, float max, QWidget* field = nullptr);
  // The same for the value of a number field (checked to be a number).
  bool CheckRange(int labelId, NumberField& field, float min, float max);
  // Opens the dialog's help topic; tells the user when the viewer cannot.
  void OpenHelp();

  // OK: the field checks, then AcceptInput.
  void accept() override;

 protected:
  // The layout above the buttons that the dialog's fields go into.
  QVBoxLayout* Body() const { return body_; }
  // The list in which a name must be unique (none: only empty names are
  // refused).
  void SetNameList(const ObjectList* list) { nameList_ = list; }
  // The dialog's own checks after its fields'; false keeps it open. This
  // is also where a dialog takes its values over.
  virtual bool AcceptInput() { return true; }

 private:
  bool CheckFields();

  std::string helpPath_;
  const ObjectList* nameList_ = nullptr;
  QVBoxLayout* body_;
};

}  // namespace kav
