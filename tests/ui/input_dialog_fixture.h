#pragma once
// The input dialogs' tests run with the whole program set up: the document
// with the shipped data (a temporary copy), the registered dialogs, and a
// scripted platform for the messages and questions.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QWidget>
#include <memory>
#include <string>

#include "core/scripted_platform.h"
#include "modules/kav_doc.h"
#include "ui/app/kav_app.h"
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

  UiEnvironment env_;
  ScriptedPlatform platform;
  std::unique_ptr<QtSettings> settings_ = env_.MakeSettings();
  CKavApp app_{*settings_};
};

}  // namespace kav::test
