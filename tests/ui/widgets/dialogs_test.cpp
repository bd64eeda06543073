// The base of the input dialogs and its fields: help by button and F1, the
// name and range checks, numbers with a decimal point, text limits while
// typing and on OK; the project dialog and the replacement choice.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLocale>
#include <QTest>
#include <QVBoxLayout>

#include "core/editors.h"
#include "core/object_list.h"
#include "core/scripted_platform.h"
#include "core/strings.h"
#include "ui/app/project_dlg.h"
#include "ui/platform/replacement_dlg.h"
#include "ui/widgets/dialog_fields.h"
#include "ui/widgets/item_dlg.h"
#include "ui_test_support.h"

namespace kav::test {
namespace {

// A dialog with one number field that must lie between 1 and 10.
class RangeDlg final : public CItemDlg {
 public:
  explicit RangeDlg(const ObjectList* names = nullptr)
      : CItemDlg(QStringLiteral("Prøve"), "::/html/isolering.htm"),
        first(new NumberField(this)),
        number(new NumberField(this)) {
    Body()->addWidget(first);
    Body()->addWidget(number);
    first->SetValue(5.0f);
    number->SetValue(5.0f);
    SetNameList(names);
  }
  using CItemDlg::CheckName;

  NumberField* first;
  NumberField* number;

 protected:
  bool AcceptInput() override { return CheckRange(ids::LabelAbsorption, *number, 1.0f, 10.0f); }
};

class DialogTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform_;
};

TEST_F(DialogTest, CheckRangeTakesBothBoundsAndKeepsTheFocusOnTheField) {
  RangeDlg dialog;
  ShowActive(dialog);
  for (const char* bound : {"1", "10.00"}) {
    dialog.number->setText(QString::fromLatin1(bound));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << bound;
    dialog.setResult(QDialog::Rejected);
    ShowActive(dialog);
  }
  dialog.first->setFocus();
  dialog.number->setText(QStringLiteral("10.5"));
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(platform_.Texts().back(), "Verdien til lyddempingen må ligge mellom 1.00 og 10.00");
  EXPECT_EQ(QApplication::focusWidget(), dialog.number);
  EXPECT_EQ(dialog.number->selectedText(), QStringLiteral("10.5"));
}

TEST_F(DialogTest, ANumberFieldRefusesTextThatIsNoNumber) {
  RangeDlg dialog;
  ShowActive(dialog);
  dialog.first->setText(QStringLiteral("fem"));
  dialog.number->setFocus();
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(platform_.Texts(), std::vector<std::string>{"Skriv inn et tall."});
  EXPECT_EQ(QApplication::focusWidget(), dialog.first);  // the first field at fault

  dialog.first->setText(QString());
  EXPECT_FALSE(dialog.first->CheckInput());
}

TEST_F(DialogTest, ANumberFieldWithARangeNamesIt) {
  NumberField field;
  field.SetRange(0.0f, 1.0f);
  field.setText(QStringLiteral("1.2"));
  EXPECT_FALSE(field.CheckInput());
  EXPECT_EQ(platform_.Texts().back(), "Skriv inn et tall mellom 0 og 1");
  field.setText(QStringLiteral("1"));
  EXPECT_TRUE(field.CheckInput());
}

TEST_F(DialogTest, NumbersKeepTheirDecimalPointInANorwegianLocale) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
  NumberField field;
  field.SetValue(1234.5f);
  EXPECT_EQ(field.text(), QStringLiteral("1234.50"));
  field.SetValue(0.035f, "%.3f");
  EXPECT_EQ(field.text(), QStringLiteral("0.035"));
  EXPECT_EQ(ParseNumber(QStringLiteral(" 2.5 ")), 2.5f);
  EXPECT_EQ(ParseNumber(QStringLiteral("2,5")), 2.5f);  // as the user may type it
  EXPECT_EQ(ParseNumber(QStringLiteral("-1e3")), -1000.0f);
  EXPECT_FALSE(ParseNumber(QStringLiteral("1 000")).has_value());
  EXPECT_FALSE(ParseNumber(QStringLiteral("1.2.3")).has_value());
  EXPECT_FALSE(ParseNumber(QString()).has_value());
  QLocale::setDefault(previous);
}

TEST_F(DialogTest, HelpOpensByTheButtonAndByF1FromAnyField) {
  RangeDlg dialog;
  ShowActive(dialog);
  PressButton(dialog, QStringLiteral("Hjelp"));
  QTest::keyClick(dialog.number, Qt::Key_F1);
  QTest::keyClick(dialog.first, Qt::Key_F1);
  ASSERT_EQ(platform_.events.size(), 3u);
  for (const ScriptedPlatform::Event& event : platform_.events) {
    EXPECT_EQ(event.kind, ScriptedPlatform::Kind::Help);
    EXPECT_EQ(event.text, "::/html/isolering.htm");
  }
  EXPECT_TRUE(dialog.isVisible());

  platform_.Clear();
  platform_.helpWorks = false;
  dialog.OpenHelp();
  EXPECT_EQ(platform_.Texts().back(), "Kan ikke starte hjelpeprogrammet.");
}

TEST_F(DialogTest, CheckNameRefusesEmptyAndUsedNames) {
  ObjectList names;
  names.Append(std::make_unique<CListItem>(""));
  names.Append(std::make_unique<CListItem>("Steinull"));
  RangeDlg dialog(&names);
  EXPECT_FALSE(dialog.CheckName(""));
  EXPECT_FALSE(dialog.CheckName("Steinull"));
  EXPECT_TRUE(dialog.CheckName("steinull"));
  EXPECT_EQ(platform_.Texts(), (std::vector<std::string>{"Tomme navn er ulovlige!",
                                                         "Dette navnet er allerede brukt."}));
}

// --- the replacement choice ----------------------------------------------------

ChoiceRequest Request() {
  return {"Databaseverdi fjernet",
          "Mantlingen \"Gammel\" er fjernet.",
          {"Alu", "Stål", "PVC"},
          0,
          "::/html/dbverdiborte.htm"};
}

TEST_F(DialogTest, TheReplacementChoiceCannotBeLeftWithoutAChoice) {
  CDatabaseverdiBorteDlg dialog(Request());
  ShowActive(dialog);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Databaseverdi fjernet"));
  EXPECT_EQ(dialog.Chosen(), 0);  // the first entry is selected
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  dialog.close();  // the close box
  EXPECT_TRUE(dialog.isVisible());
  const std::string reminder = "Du må velge en verdi i dropplista og trykke OK for å komme videre";
  EXPECT_EQ(platform_.Texts(), (std::vector<std::string>{reminder, reminder}));

  auto* choices = dialog.findChild<QComboBox*>();
  choices->setCurrentIndex(2);
  PressButton(dialog, QStringLiteral("OK"));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Chosen(), 2);
}

TEST_F(DialogTest, TheReplacementChoiceHasNoCancelButton) {
  CDatabaseverdiBorteDlg dialog(Request());
  QStringList buttons;
  for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) buttons << button->text();
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("Hjelp"), QStringLiteral("OK")}));
}

// --- the project dialog --------------------------------------------------------

TEST_F(DialogTest, ProjectNamesStopAt60CharactersWhileTyping) {
  CProject project;
  CProjectDlg dialog(project);
  ShowActive(dialog);
  TextField& name = dialog.ProjectNameField();
  name.setFocus();
  QTest::keyClicks(&name, QString(60, QLatin1Char('a')));
  EXPECT_EQ(name.text().size(), 60);
  QTest::keyClick(&name, Qt::Key_B);
  EXPECT_EQ(name.text(), QString(60, QLatin1Char('a')));

  // A paste keeps what fits, where it went in.
  name.setText(QStringLiteral("Prosjekt "));
  name.setCursorPosition(9);
  QApplication::clipboard()->setText(QString(70, QLatin1Char('x')));
  QTest::keyClick(&name, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(name.text(), QStringLiteral("Prosjekt ") + QString(51, QLatin1Char('x')));
  EXPECT_EQ(dialog.EngineerField().Limit(), 60);
}

TEST_F(DialogTest, ALongerNameFromTheDocumentIsRefusedOnOk) {
  CProject project;
  project.ProjectName = std::string(70, 'p');
  CProjectDlg dialog(project);
  ShowActive(dialog);
  TextField& name = dialog.ProjectNameField();
  name.setFocus();
  name.end(false);
  QTest::keyClick(&name, Qt::Key_A);  // cannot get longer
  EXPECT_EQ(name.text().size(), 70);
  QTest::keyClick(&name, Qt::Key_Backspace);  // but shorter
  EXPECT_EQ(name.text().size(), 69);

  dialog.EngineerField().setFocus();
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(platform_.Texts(), std::vector<std::string>{"Ikke bruk mer enn 60 tegn."});
  EXPECT_EQ(QApplication::focusWidget(), &name);
  EXPECT_EQ(project.ProjectName, std::string(70, 'p'));  // unchanged until OK
}

TEST_F(DialogTest, ReferenceAndCommentStopAt255StoredCharacters) {
  CProject project;
  CProjectDlg dialog(project);
  ShowActive(dialog);
  MultiLineField& reference = dialog.ReferenceField();
  reference.setFocus();
  QTest::keyClicks(&reference, QString(252, QLatin1Char('r')));
  QTest::keyClick(&reference, Qt::Key_Return);  // a line break is CR LF: 254
  QTest::keyClick(&reference, Qt::Key_S);       // 255
  QTest::keyClick(&reference, Qt::Key_T);       // refused
  QTest::keyClick(&reference, Qt::Key_Return);  // refused
  EXPECT_EQ(reference.toPlainText(), QString(252, QLatin1Char('r')) + QStringLiteral("\ns"));
  EXPECT_EQ(reference.Text(), std::string(252, 'r') + "\r\ns");

  // A paste keeps what fits.
  dialog.CommentField().setFocus();
  QApplication::clipboard()->setText(QStringLiteral("ab\ncd") + QString(300, QLatin1Char('e')));
  QTest::keyClick(&dialog.CommentField(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(StoredLength(dialog.CommentField().toPlainText()), 255);
  EXPECT_EQ(dialog.CommentField().CheckInput(), true);
  EXPECT_EQ(dialog.CommentField().Limit(), 255);
}

TEST_F(DialogTest, OkWritesTheProjectBackWithItsLineBreaks) {
  CProject project;
  project.Reference = "Linje 1\r\nLinje 2";
  CProjectDlg dialog(project);
  EXPECT_EQ(dialog.ReferenceField().toPlainText(), QStringLiteral("Linje 1\nLinje 2"));
  dialog.ProjectNameField().setText(QStringLiteral("Kulvert øst"));
  dialog.EngineerField().setText(QStringLiteral("Åse"));
  dialog.CommentField().setPlainText(QStringLiteral("a\nb"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(project.ProjectName, "Kulvert øst");
  EXPECT_EQ(project.Engineer, "Åse");
  EXPECT_EQ(project.Reference, "Linje 1\r\nLinje 2");
  EXPECT_EQ(project.Comment, "a\r\nb");
}

TEST_F(DialogTest, TheProjectDialogIsRegisteredForTheDocument) {
  RegisterProjectDialog();
  CProject project;
  project.Engineer = "Per";
  ModalAnswers answers;
  answers.Then([](QWidget& window) {
    auto& dialog = static_cast<CProjectDlg&>(window);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Prosjektinformasjon"));
    EXPECT_EQ(dialog.HelpPath(), "::/html/prosjekt.htm");
    EXPECT_EQ(dialog.EngineerField().text(), QStringLiteral("Per"));
    dialog.ProjectNameField().setText(QStringLiteral("Ny hall"));
    dialog.accept();
  });
  EXPECT_EQ(project.EditInput(), 1);
  EXPECT_EQ(project.ProjectName, "Ny hall");
  EXPECT_EQ(answers.Seen(), std::vector<QString>{QStringLiteral("projectDialog")});
  Editors::Unregister<CProject>();
}

}  // namespace
}  // namespace kav::test
