#pragma once
// The platform of the command-line programs: every message goes to the
// error stream as one line "<program>: <text>"; questions get the answer
// chosen on the command line and say so; a choice takes its preselected
// entry and says so; help is not available and the clipboard is ignored.
#include <ostream>
#include <string>

#include "core/platform.h"

namespace kav {

class ConsolePlatform final : public Platform {
 public:
  ConsolePlatform(std::string program, bool answerOk, std::ostream& err);

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskOkCancel(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon) override;
  int Choose(const ChoiceRequest& request) override;
  bool ShowHelp(const std::string& topic) override;
  void SetClipboardText(const std::string& text) override;

 private:
  void Line(const std::string& text);

  std::string program_;
  bool answerOk_;
  std::ostream& err_;
};

}  // namespace kav
