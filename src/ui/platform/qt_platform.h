#pragma once
// The platform of the desktop program: message boxes and questions with
// their icons, the replacement choice, the help viewer and the clipboard.
#include <memory>
#include <string>

#include "core/platform.h"

class QWidget;

namespace kav {

class HelpViewer;

class QtPlatform final : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskOkCancel(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon) override;
  int Choose(const ChoiceRequest& request) override;
  bool ShowHelp(const std::string& topic) override;
  // The text ends with the NUL of the plain-text clipboard format; Qt's
  // clipboard takes it without.
  void SetClipboardText(const std::string& text) override;
  void SetClipboardTextAndHtml(const std::string& text, const std::string& html) override;

  // The help viewer, created when first needed.
  HelpViewer& Help();

  // The window that the program's messages belong to: the open dialog, else
  // the active window (none: centred on the screen).
  static QWidget* DialogParent();

 private:
  std::unique_ptr<HelpViewer> help_;
};

}  // namespace kav
