#pragma once
// A platform for tests: records everything the program shows or asks and
// what it puts on the clipboard, and answers questions and choices from
// queues (OK/Yes and the preselected entry when a queue is empty). Installs
// itself while it lives.
#include <deque>
#include <string>
#include <vector>

#include "core/platform.h"

namespace kav {

class ScriptedPlatform final : public Platform {
 public:
  enum class Kind { Message, OkCancel, YesNo, Choice, Help, Clipboard };
  struct Event {
    Kind kind;
    std::string text;  // the message, question, prompt, help topic or clipboard text
    Icon icon = Icon::None;
    std::vector<std::string> entries;  // a choice's entries
  };

  ScriptedPlatform();
  ~ScriptedPlatform() override;
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskOkCancel(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon) override;
  int Choose(const ChoiceRequest& request) override;
  bool ShowHelp(const std::string& topic) override;
  void SetClipboardText(const std::string& text) override;
  void SetClipboardTextAndHtml(const std::string& text, const std::string& html) override;

  // The texts of every event so far, in order.
  std::vector<std::string> Texts() const;
  void Clear() { events.clear(); }

  std::vector<Event> events;
  std::deque<bool> answers;  // for OK/Cancel and Yes/No questions
  std::deque<int> choices;   // for choices
  // The HTML last put on the clipboard beside its text.
  std::string clipboardHtml;
  bool helpWorks = true;

 private:
  Platform* previous_;
};

}  // namespace kav
