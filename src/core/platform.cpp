#include "core/platform.h"

#include "core/strings.h"

namespace kav {
namespace {

class SilentPlatform final : public Platform {
 public:
  void ShowMessage(const std::string&, Icon) override {}
  bool AskOkCancel(const std::string&, Icon) override { return true; }
  bool AskYesNo(const std::string&, Icon) override { return true; }
  int Choose(const ChoiceRequest& request) override {
    return request.entries.empty() ? -1 : request.initial;
  }
  bool ShowHelp(const std::string&) override { return false; }
  void SetClipboardText(const std::string&) override {}
};

SilentPlatform gSilent;
Platform* gPlatform = &gSilent;

}  // namespace

Platform& CurrentPlatform() {
  return *gPlatform;
}

void SetPlatform(Platform* platform) {
  gPlatform = platform ? platform : &gSilent;
}

void ShowMessage(const std::string& text, Icon icon) {
  gPlatform->ShowMessage(text, icon);
}

bool AskOkCancel(const std::string& text, Icon icon) {
  return gPlatform->AskOkCancel(text, icon);
}

bool AskYesNo(const std::string& text, Icon icon) {
  return gPlatform->AskYesNo(text, icon);
}

void OpenHelp(const std::string& topic) {
  if (!gPlatform->ShowHelp(topic)) gPlatform->ShowMessage(Str(ids::HelpViewerFailed), Icon::Stop);
}

}  // namespace kav
