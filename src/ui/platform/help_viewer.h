#pragma once
// The help viewer: a window of its own beside the program, with back,
// forward and contents, showing the bundled help pages. Topics are named
// as the program names them, "::/html/<page>.htm" with an optional
// "#anchor"; the pages live in share/kav/help/html beside the program's
// bin directory, in the build tree as when installed.
#include <QMainWindow>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <string>

class QTextBrowser;

namespace kav {

// The directory of the help pages.
std::filesystem::path HelpDirectory();
// The page of a topic in `directory`, with its anchor; an empty URL when
// the topic is not of the form "::/html/<page>[#anchor]" or the page does
// not exist.
QUrl HelpTopicUrl(const std::string& topic, const std::filesystem::path& directory);

class HelpViewer final : public QMainWindow {
  Q_OBJECT

 public:
  inline static const std::string kContentsTopic = "::/html/contents.htm";

  // Without a parent: the viewer stays usable while a dialog is open.
  explicit HelpViewer(std::filesystem::path directory = HelpDirectory());

  // Shows the topic and brings the window to the front; false when the
  // topic names no page.
  bool ShowTopic(const std::string& topic);
  QUrl CurrentPage() const;

 private:
  void UpdateTitle();

  std::filesystem::path directory_;
  QTextBrowser* browser_;
};

}  // namespace kav
