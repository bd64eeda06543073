#pragma once
// The main window of a started program, with no start-up windows and its
// file dialogs and save question answered by the test.
#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "core/scripted_platform.h"
#include "modules/kav_doc.h"
#include "ui/app/kav_app.h"
#include "ui/app/main_frame.h"
#include "ui_test_support.h"

namespace kav::test {

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_->SetString("Settings", "HelpWindow", "No");
    settings_->SetString("Settings", "NewDocWindow", "No");
    app_.InitInstance();
    FilePrompts prompts;
    prompts.askSave = [this](const QString& name) {
      asked.push_back(name);
      return answer;
    };
    prompts.openPath = [this](const QString&) {
      ++openAsked;
      return openPath;
    };
    prompts.savePath = [this](const QString& suggested) {
      suggestedSave = suggested;
      return savePath;
    };
    prompts.textPath = [this](const QString&) { return textPath; };
    Frame().Files().SetPrompts(std::move(prompts));
  }

  CMainFrame& Frame() { return app_.Frame(); }
  CKavDoc& Doc() { return app_.Document(); }
  const FrameActions& Actions() { return Frame().Actions(); }

  UiEnvironment env_;
  ScriptedPlatform platform_;
  std::unique_ptr<QtSettings> settings_ = env_.MakeSettings();
  CKavApp app_{*settings_};

  std::vector<QString> asked;
  SaveAnswer answer = SaveAnswer::Cancel;
  int openAsked = 0;
  QString openPath;
  QString savePath;
  QString suggestedSave;
  QString textPath;
};

}  // namespace kav::test
