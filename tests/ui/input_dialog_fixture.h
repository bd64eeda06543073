#pragma once
// The input dialogs' tests run with the whole program set up: the document
// with the shipped data (a temporary copy), the registered dialogs, and a
// scripted platform for the messages and questions.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QWidget>
#include <memory>
#include <string>

#include "core/scripted_platform.h"
#include "data/iso_produkt.h"
#include "modules/kav_doc.h"
#include "ui/app/kav_app.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/panels/product_choice_group.h"
#include "ui/widgets/dialog_fields.h"
#include "ui_test_support.h"

namespace kav::test {

class InputDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_->SetString("Settings", "HelpWindow", "No");
    settings_->SetString("Settings", "NewDocWindow", "No");
    app_.InitInstance();
  }

  CKavDoc& Doc() { return app_.Document(); }

  // The number field of that object name in `dialog`.
  static NumberField& Field(const QWidget& dialog, const char* name) {
    auto* field = dialog.findChild<NumberField*>(QString::fromLatin1(name));
    EXPECT_NE(field, nullptr) << name;
    return *field;
  }
  // Picks the line with that text as the user does.
  static void Choose(QComboBox& box, const std::string& text) {
    const int index = box.findText(QString::fromStdString(text));
    ASSERT_GE(index, 0) << text;
    box.setCurrentIndex(index);
    emit box.activated(index);
  }

  // The database's first insulation product marked for that use (0 pipes,
  // 1 circular ducts, ..., 6 tanks), with standard thicknesses if asked.
  CIsoProdukt* FirstProductFor(int use, bool withThicknesses = false) {
    for (CIsoProdukt* product : Doc().Database().InsulationProducts) {
      if (product->UseFlags[static_cast<std::size_t>(use)] != 0 &&
          (!withThicknesses || !product->Thicknesses.empty())) {
        return product;
      }
    }
    ADD_FAILURE() << "no product for use " << use;
    return nullptr;
  }
  // In the insulation dialog: the first standard product offered and, if
  // asked, its first standard thickness.
  static void ChooseFirstProduct(CIsolasjonDlg& dialog, bool firstThickness = true) {
    ProductChoiceGroup& products = dialog.Products(0);
    dialog.SourceRadio(0).click();
    ASSERT_GT(products.ProductBox().count(), 0);
    products.ProductBox().setCurrentIndex(0);
    emit products.ProductBox().activated(0);
    if (!firstThickness) return;
    ASSERT_GT(products.RowBox().count(), 0);
    products.RowBox().setCurrentIndex(0);
    emit products.RowBox().activated(0);
  }

  UiEnvironment env_;
  ScriptedPlatform platform;
  std::unique_ptr<QtSettings> settings_ = env_.MakeSettings();
  CKavApp app_{*settings_};
};

}  // namespace kav::test
