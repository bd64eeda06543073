// The help pages in resources/help/html: every topic the program opens is
// there, loads in the help browser with a title and the shared style sheet,
// has balanced markup, and every link between pages leads to an existing
// page and anchor; every page can be reached from the contents.
#include <gtest/gtest.h>

#include <QBrush>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const QString kHelpDir = QStringLiteral(KAV_HELP_DIR);

// The topics the program opens, "::/html/<topic>".
const char* const kTopics[] = {
    "contents.htm",
    "varmetap.htm",
    "varmetap_restabell.htm",
    "varmetap_inputtabell.htm",
    "isolering.htm",
    "tilleggsutstyr.htm",
    "kanal.htm",
    "segment.htm",
    "tank.htm",
    "utvkond.htm",
    "innvkond.htm",
    "frost.htm",
    "lyd.htm",
    "lyd_restabell.htm",
    "lyd_inputtabell.htm",
    "lyd_kurve.htm",
    "reslyd.htm",
    "okoiso.htm",
    "okoiso_varmetaptabell.htm",
    "okoiso_energikosttabell.htm",
    "okoiso_tilbakebettabell.htm",
    "okoiso_tabell.htm",
    "okoiso_isolasjon.htm",
    "kostnad.htm",
    "prosjekt.htm",
    "klimasteder.htm",
    "klimasted.htm",
    "database.htm",
    "egendefdatabase.htm",
    "egendefisoprodukt.htm",
    "isoprodukt.htm",
    "isotykkelse.htm",
    "beregn_koeff.htm",
    "gummix.htm",
    "gummix_serie.htm",
    "gummix_tykkelse.htm",
    "mantling.htm",
    "overflate.htm",
    "tillegg.htm",
    "tillegglengde.htm",
    "vaeske.htm",
    "absorption.htm",
    "absorptiondlg.htm",
    "dbverdiborte.htm",
    "egendefdbverdiborte.htm",
    "header.htm",
    "footer.htm",
};

QStringList AllPages() {
  return QDir(kHelpDir).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
}

QString Read(const QString& page) {
  QFile file(QDir(kHelpDir).filePath(page));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

int LineOf(const QString& text, qsizetype offset) {
  return static_cast<int>(text.left(offset).count(QLatin1Char('\n'))) + 1;
}

// The link targets of a page: href attributes of links and style sheets.
QStringList Links(const QString& html) {
  static const QRegularExpression href(QStringLiteral("\\bhref\\s*=\\s*\"([^\"]*)\""),
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList links;
  for (const auto& match : href.globalMatch(html)) links << match.captured(1);
  return links;
}

bool IsExternal(const QString& link) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
  return scheme.match(link).hasMatch();
}

TEST(HelpPages, EveryTopicExists) {
  for (const char* topic : kTopics) {
    EXPECT_TRUE(QFile::exists(QDir(kHelpDir).filePath(QString::fromLatin1(topic)))) << topic;
  }
}

TEST(HelpPages, LoadInTheHelpBrowserWithATitle) {
  const QStringList pages = AllPages();
  ASSERT_FALSE(pages.isEmpty());
  for (const QString& page : pages) {
    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(QDir(kHelpDir).filePath(page)));
    const QTextDocument* document = browser.document();
    EXPECT_FALSE(document->metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty())
        << page.toStdString();
    const QString text = document->toPlainText();
    EXPECT_GT(text.size(), 200) << page.toStdString();
    // Read as UTF-8: no replacement characters and no doubly encoded letters.
    EXPECT_FALSE(text.contains(QChar(0xFFFD))) << page.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Ã"))) << page.toStdString();
  }
}

TEST(HelpPages, UseTheSharedStyleSheet) {
  QTextBrowser browser;
  browser.setSource(QUrl::fromLocalFile(QDir(kHelpDir).filePath(QStringLiteral("varmetap.htm"))));
  // The first block is the page heading; the style sheet colours it.
  const QTextBlock heading = browser.document()->firstBlock();
  ASSERT_TRUE(heading.isValid());
  const QColor colour = heading.charFormat().foreground().color();
  EXPECT_EQ(colour, QColor(0x00, 0x33, 0x66)) << colour.name().toStdString();
}

TEST(HelpPages, MarkupIsBalanced) {
  static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                          QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)\\b[^>]*>"));
  static const std::set<QString> empty = {"br", "hr", "img", "meta", "link", "col", "input"};
  for (const QString& page : AllPages()) {
    QString html = Read(page);
    // Blank out comments, keeping offsets for the line numbers.
    for (const auto& match : comment.globalMatch(html)) {
      html.replace(match.capturedStart(), match.capturedLength(),
                   QString(match.capturedLength(), QLatin1Char(' ')));
    }
    std::vector<std::pair<QString, qsizetype>> open;
    bool balanced = true;
    for (const auto& match : tag.globalMatch(html)) {
      const QString name = match.captured(2).toLower();
      if (empty.count(name)) continue;
      if (match.captured(1).isEmpty()) {
        open.emplace_back(name, match.capturedStart());
      } else if (open.empty() || open.back().first != name) {
        ADD_FAILURE() << page.toStdString() << ":" << LineOf(html, match.capturedStart()) << ": </"
                      << name.toStdString() << "> closes "
                      << (open.empty() ? std::string("nothing")
                                       : "<" + open.back().first.toStdString() + "> of line " +
                                             std::to_string(LineOf(html, open.back().second)));
        balanced = false;
        break;
      } else {
        open.pop_back();
      }
    }
    if (balanced && !open.empty()) {
      ADD_FAILURE() << page.toStdString() << ":" << LineOf(html, open.back().second) << ": <"
                    << open.back().first.toStdString() << "> is never closed";
    }
  }
}

TEST(HelpPages, LinksLeadToExistingPagesAndAnchors) {
  static const QRegularExpression anchor(QStringLiteral("<a\\s+name=\"([^\"]+)\""),
                                         QRegularExpression::CaseInsensitiveOption);
  std::map<QString, std::set<QString>> anchors;
  for (const QString& page : AllPages()) {
    for (const auto& match : anchor.globalMatch(Read(page)))
      anchors[page].insert(match.captured(1));
  }
  for (const QString& page : AllPages()) {
    for (const QString& link : Links(Read(page))) {
      if (IsExternal(link)) continue;
      const qsizetype hash = link.indexOf(QLatin1Char('#'));
      const QString target = hash < 0 ? link : link.left(hash);
      const QString fragment = hash < 0 ? QString() : link.mid(hash + 1);
      const QString file = target.isEmpty() ? page : target;
      // File names are matched exactly: the help files are read from disk.
      if (!QFile::exists(QDir(kHelpDir).filePath(file))) {
        ADD_FAILURE() << page.toStdString() << " links to missing " << link.toStdString();
        continue;
      }
      if (!fragment.isEmpty() && !anchors[file].count(fragment)) {
        ADD_FAILURE() << page.toStdString() << " links to missing anchor " << link.toStdString();
      }
    }
  }
}

TEST(HelpPages, EveryPageCanBeReachedFromTheContents) {
  std::set<QString> seen = {QStringLiteral("contents.htm")};
  std::vector<QString> queue = {QStringLiteral("contents.htm")};
  while (!queue.empty()) {
    const QString page = queue.back();
    queue.pop_back();
    for (const QString& link : Links(Read(page))) {
      if (IsExternal(link)) continue;
      const QString file = link.section(QLatin1Char('#'), 0, 0);
      if (file.endsWith(QStringLiteral(".htm")) && seen.insert(file).second) queue.push_back(file);
    }
  }
  for (const QString& page : AllPages()) {
    EXPECT_TRUE(seen.count(page)) << page.toStdString() << " cannot be reached from contents.htm";
  }
}

}  // namespace
