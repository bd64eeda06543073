#include "core/scripted_platform.h"

namespace kav {

ScriptedPlatform::ScriptedPlatform() : previous_(&CurrentPlatform()) {
  SetPlatform(this);
}

ScriptedPlatform::~ScriptedPlatform() {
  SetPlatform(previous_);
}

void ScriptedPlatform::ShowMessage(const std::string& text, Icon icon) {
  events.push_back({Kind::Message, text, icon, {}});
}

bool ScriptedPlatform::AskOkCancel(const std::string& text, Icon icon) {
  events.push_back({Kind::OkCancel, text, icon, {}});
  if (answers.empty()) return true;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedPlatform::AskYesNo(const std::string& text, Icon icon) {
  events.push_back({Kind::YesNo, text, icon, {}});
  if (answers.empty()) return true;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

int ScriptedPlatform::Choose(const ChoiceRequest& request) {
  events.push_back({Kind::Choice, request.prompt, Icon::None, request.entries});
  if (request.entries.empty()) return -1;
  if (choices.empty()) return request.initial;
  const int choice = choices.front();
  choices.pop_front();
  return choice;
}

bool ScriptedPlatform::ShowHelp(const std::string& topic) {
  events.push_back({Kind::Help, topic, Icon::None, {}});
  return helpWorks;
}

void ScriptedPlatform::SetClipboardText(const std::string& text) {
  events.push_back({Kind::Clipboard, text, Icon::None, {}});
  clipboardHtml.clear();
}

void ScriptedPlatform::SetClipboardTextAndHtml(const std::string& text, const std::string& html) {
  events.push_back({Kind::Clipboard, text, Icon::None, {}});
  clipboardHtml = html;
}

std::vector<std::string> ScriptedPlatform::Texts() const {
  std::vector<std::string> texts;
  for (const Event& event : events) texts.push_back(event.text);
  return texts;
}

}  // namespace kav
