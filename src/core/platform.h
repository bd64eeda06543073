#pragma once
// What the program asks of its surroundings: message boxes, questions, a
// choice from a list, help topics, the clipboard. The desktop program
// answers through Qt dialogs, kavcalc on the console, tests from a script.
#include <string>
#include <vector>

namespace kav {

enum class Icon { None, Information, Exclamation, Question, Stop };

// A modal choice of one entry from a list, which cannot be left without a
// choice (the replacement of a database row that is gone).
struct ChoiceRequest {
  std::string title;
  std::string prompt;
  std::vector<std::string> entries;
  int initial = 0;
  std::string helpTopic;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void ShowMessage(const std::string& text, Icon icon = Icon::Exclamation) = 0;
  // True for OK.
  virtual bool AskOkCancel(const std::string& text, Icon icon = Icon::Exclamation) = 0;
  // True for Yes.
  virtual bool AskYesNo(const std::string& text, Icon icon = Icon::Question) = 0;
  // The index of the chosen entry; -1 only when there are no entries.
  virtual int Choose(const ChoiceRequest& request) = 0;
  // Opens a help topic such as "::/html/varmetap.htm"; false when the help
  // viewer cannot show it.
  virtual bool ShowHelp(const std::string& topic) = 0;
  // Replaces the clipboard's contents by plain text. The text comes as the
  // plain-text clipboard format holds it, ending with its NUL; a platform
  // whose clipboard takes strings without terminator drops it.
  virtual void SetClipboardText(const std::string& text) = 0;
  // The same text, and beside it the same contents as HTML for the programs
  // that take it (a table for spreadsheets). A platform without HTML on its
  // clipboard puts the text alone.
  virtual void SetClipboardTextAndHtml(const std::string& text, const std::string& /*html*/) {
    SetClipboardText(text);
  }
};

// The platform in use. Until one is installed, a silent one answers OK/Yes
// and picks the first entry.
Platform& CurrentPlatform();
// Installs a platform (not owned); null goes back to the silent one.
void SetPlatform(Platform* platform);

// Shorthands for the message of a string-table entry.
void ShowMessage(const std::string& text, Icon icon = Icon::Exclamation);
bool AskOkCancel(const std::string& text, Icon icon = Icon::Exclamation);
bool AskYesNo(const std::string& text, Icon icon = Icon::Question);
// Opens a help topic; tells the user when the viewer cannot.
void OpenHelp(const std::string& topic);

}  // namespace kav
