#include "core/console_platform.h"

namespace kav {

ConsolePlatform::ConsolePlatform(std::string program, bool answerOk, std::ostream& err)
    : program_(std::move(program)), answerOk_(answerOk), err_(err) {}

void ConsolePlatform::Line(const std::string& text) {
  std::string flat = text;
  for (char& c : flat) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  err_ << program_ << ": " << flat << '\n';
}

void ConsolePlatform::ShowMessage(const std::string& text, Icon) {
  Line(text);
}

bool ConsolePlatform::AskOkCancel(const std::string& text, Icon) {
  Line(text + (answerOk_ ? " [svar: OK]" : " [svar: Avbryt]"));
  return answerOk_;
}

bool ConsolePlatform::AskYesNo(const std::string& text, Icon) {
  Line(text + (answerOk_ ? " [svar: Ja]" : " [svar: Nei]"));
  return answerOk_;
}

int ConsolePlatform::Choose(const ChoiceRequest& request) {
  if (request.entries.empty()) {
    Line(request.prompt + " [ingen å velge]");
    return -1;
  }
  const int index =
      request.initial >= 0 && request.initial < static_cast<int>(request.entries.size())
          ? request.initial
          : 0;
  Line(request.prompt + " [valgte: " + request.entries[static_cast<std::size_t>(index)] + "]");
  return index;
}

bool ConsolePlatform::ShowHelp(const std::string&) {
  return false;
}

void ConsolePlatform::SetClipboardText(const std::string&) {}

}  // namespace kav
