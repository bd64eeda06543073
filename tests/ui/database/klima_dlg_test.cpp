// The climate places as the user edits and chooses them: the list, new,
// edit and delete with their dialogs and questions, the place taken over by
// "Velg klimasted...", and kav.cli written only when the list changed.
#include "ui/database/klima_dlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/data_directory.h"
#include "data/reference_data.h"
#include "input_dialog_fixture.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/database/klimasted_dlg.h"
#include "ui/modules/varme_tap/varmetap_dlg.h"
#include "ui/panels/surroundings_group.h"
#include "ui/widgets/list_editor.h"

namespace kav::test {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ClimateDialogTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    file = ResolveDataFile(Doc().Climate().FileName);
    shipped = FileBytes(file);
    ASSERT_FALSE(shipped.empty());
  }

  static CKlimaDlg& Places(QWidget& window) { return static_cast<CKlimaDlg&>(window); }
  // Selects the line of the place of that name.
  static void Select(CKlimaDlg& dialog, const char* name) {
    QTreeWidget& view = dialog.Places().View();
    const QList<QTreeWidgetItem*> found = view.findItems(QString::fromUtf8(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    view.setCurrentItem(found.front());
  }
  static std::vector<std::string> Names(const TypedList<CKlimasted>& places) {
    std::vector<std::string> names;
    for (const CKlimasted* place : places) names.push_back(place->Name);
    return names;
  }

  std::filesystem::path file;
  std::string shipped;
  ModalAnswers answers;
};

TEST_F(ClimateDialogTest, ChoosingAPlaceFillsTheFieldsAndLeavesTheFileAlone) {
  VarmeTapInputs inputs;
  inputs.Surroundings = code::Surroundings::Outdoors;
  CVarmetapDlg heatLoss(inputs);
  answers.Then([](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Klimasteder"));
    Select(Places(window), "Bergen");
    Places(window).accept();
  });
  heatLoss.Surroundings().ClimateButton()->click();
  EXPECT_EQ(heatLoss.Surroundings().Ambient().text(), QStringLiteral("7.6"));
  EXPECT_EQ(heatLoss.Surroundings().Wind().text(), QStringLiteral("3.0"));
  EXPECT_EQ(Climate()->Selected, Doc().Climate().Locations.FindByName("Bergen"));
  EXPECT_EQ(FileBytes(file), shipped) << "nothing changed: kav.cli is not written";
}

TEST_F(ClimateDialogTest, ANewPlaceNeedsANameOfItsOwnAndIsSaved) {
  answers.Then([this](QWidget& window) {
    CKlimaDlg& dialog = Places(window);
    answers.Then([this](QWidget& placeWindow) {
      auto& place = static_cast<CKlimastedDlg&>(placeWindow);
      place.NameField().setText(QStringLiteral("Oslo"));
      place.accept();
      EXPECT_TRUE(place.isVisible());
      EXPECT_EQ(platform.Texts().back(), "Dette navnet er allerede brukt.");
      place.NameField().setText(QStringLiteral("Ny-Ålesund"));
      place.TemperatureField().setText(QStringLiteral("-61"));
      place.accept();
      EXPECT_EQ(platform.Texts().back(), "Skriv inn et tall mellom -60 og 60");
      place.TemperatureField().setText(QStringLiteral("-4.2"));
      place.WindField().setText(QStringLiteral("5.5"));
      place.accept();
    });
    dialog.Places().NewButton().click();
    EXPECT_EQ(dialog.Places().Editor().SelectedRow()->Name, "Ny-Ålesund");
    dialog.accept();
  });
  ASSERT_EQ(Doc().Climate().ChooseLocation(), 1);
  const CKlimasted* place = Doc().Climate().Selected;
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->Name, "Ny-Ålesund");
  EXPECT_EQ(place->DisplayText, "Ny-Ålesund\t-4.2\t5.5");
  EXPECT_EQ(Doc().Climate().Locations.back(), place);
  EXPECT_NE(FileBytes(file), shipped);
  EXPECT_NE(FileBytes(file).find("Ny-"), std::string::npos) << "kav.cli written";
}

TEST_F(ClimateDialogTest, AnEditedPlaceMovesToTheEndEvenWhenTheEditIsCancelled) {
  const std::vector<std::string> before = Names(Doc().Climate().Locations);
  answers.Then([this](QWidget& window) {
    CKlimaDlg& dialog = Places(window);
    Select(dialog, "Oslo");
    answers.Then([](QWidget& place) { static_cast<CKlimastedDlg&>(place).reject(); });
    dialog.Places().UpdateButton().click();
    EXPECT_EQ(dialog.Places().Editor().SelectedRow()->Name, "Oslo");
    dialog.accept();
  });
  ASSERT_EQ(Doc().Climate().ChooseLocation(), 1);
  std::vector<std::string> expected = before;
  std::erase(expected, "Oslo");
  expected.push_back("Oslo");
  EXPECT_EQ(Names(Doc().Climate().Locations), expected);
  EXPECT_EQ(FileBytes(file), shipped) << "a cancelled edit changes nothing worth saving";

  // Renaming a place to its own name is no clash.
  answers.Then([this](QWidget& window) {
    CKlimaDlg& dialog = Places(window);
    Select(dialog, "Bergen");
    answers.Then([](QWidget& placeWindow) {
      auto& place = static_cast<CKlimastedDlg&>(placeWindow);
      place.WindField().setText(QStringLiteral("4.0"));
      place.accept();
    });
    dialog.Places().UpdateButton().click();
    dialog.accept();
  });
  ASSERT_EQ(Doc().Climate().ChooseLocation(), 1);
  EXPECT_EQ(Doc().Climate().Locations.back()->MeanWindSpeed, 4.0f);
  EXPECT_NE(FileBytes(file), shipped);
}

TEST_F(ClimateDialogTest, OkNeedsAPlaceAndCancelAfterChangesAsks) {
  ClimateChoice choice;
  CopyList(choice.Rows, Doc().Climate().Locations);
  CKlimaDlg dialog(choice);
  dialog.accept();
  EXPECT_EQ(platform.Texts().back(), "Du må velge et klimasted i lista.");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  dialog.Places().UpdateButton().click();
  EXPECT_EQ(platform.Texts().back(), "Du må velge et klimasted i lista.");

  Select(dialog, "Alta");
  platform.answers = {true};
  dialog.Places().DeleteButton().click();
  EXPECT_EQ(platform.Texts().back(), "\"Alta\" slettes nå!");
  EXPECT_EQ(choice.Rows.FindByName("Alta"), nullptr);

  QSignalSpy closed(&dialog, &QDialog::finished);
  platform.answers = {false};
  dialog.reject();
  EXPECT_EQ(platform.Texts().back(), "Forandringene i listen med klimasteder blir ikke lagret.");
  EXPECT_EQ(closed.count(), 0) << "Cancel on the question keeps the dialog open";
  Select(dialog, "Bergen");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(choice.Changed);
  EXPECT_EQ(choice.Selected, choice.Rows.FindByName("Bergen"));
}

}  // namespace
}  // namespace kav::test
