// kavcalc: opens a KAV document, computes its modules and exports a module
// page as the program's text export, as JSON or as a printed PDF.
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/kavcalc_options.h"
#include "cli/page_json.h"
#include "core/console_platform.h"
#include "core/data_directory.h"
#include "core/file_io.h"
#include "core/platform.h"
#include "modules/kav_doc.h"
#include "output/page_layout.h"
#include "ui/render/page_render.h"
#include "ui/render/qt_device.h"
#include "ui/render/qt_pictures.h"

namespace {

using kav::cli::ExportFormat;
using kav::cli::KavcalcOptions;

using kav::cli::kExitFileError;
using kav::cli::kExitOk;
using kav::cli::kExitUsage;

std::vector<int> PagesToExport(const KavcalcOptions& options, const kav::CKavDoc& doc) {
  if (options.allPages) return {0, 1, 2, 3, 4, 5, 6, 7};
  return {options.page.value_or(doc.ActiveModule())};
}

// Makes the page the current one; the active page is already, and was
// refreshed when the document was opened.
void ShowPage(kav::CKavDoc& doc, int page) {
  if (page != doc.ActiveModule()) doc.SetActiveModule(page);
}

// The text export holds what the items say, not where they are: it needs
// no text measured and no pictures. JSON gives the items' places, a PDF
// draws them, and a saved document is written as the desktop program would.
bool NeedsQt(const KavcalcOptions& options) {
  return options.format != ExportFormat::Text || options.pdf || options.saveAs;
}

nlohmann::json ExportJson(kav::CKavDoc& doc, const std::vector<int>& pages) {
  nlohmann::json json = nlohmann::json::array();
  for (int page : pages) {
    ShowPage(doc, page);
    nlohmann::json pageJson = kav::cli::CurrentPageJson(page, doc.Header(page).PageTitle());
    const kav::ResultValues results = doc.Module(page).Results();
    if (!results.empty()) pageJson["results"] = kav::cli::ResultsJson(results);
    json.push_back(std::move(pageJson));
  }
  return pages.size() == 1 && !json.empty() ? nlohmann::json(json[0]) : json;
}

std::string ExportText(kav::CKavDoc& doc, const std::vector<int>& pages) {
  std::string text;
  for (int page : pages) {
    ShowPage(doc, page);
    text += doc.ResultsText();
  }
  return text;
}

// Opens one document and adds its export to `text` or `json`; false (said
// on stderr) when it cannot be opened, saved or printed.
bool RunDocument(const KavcalcOptions& options, kav::CKavDoc& doc, const std::string& document,
                 std::string& text, nlohmann::json& json) {
  if (!doc.Open(document)) return false;
  if (options.saveAs && !doc.Save(*options.saveAs)) return false;
  const std::vector<int> pages = PagesToExport(options, doc);
  if (options.pdf) {
    const bool printed =
        kav::PrintPagesToPdf(*options.pdf, pages, [&doc](int page) { ShowPage(doc, page); });
    if (!printed) {
      std::cerr << "kavcalc: kan ikke skrive PDF-filen " << *options.pdf << "\n";
      return false;
    }
  }
  if (options.format == ExportFormat::Text) {
    text += ExportText(doc, pages);
  } else {
    json.push_back(ExportJson(doc, pages));
  }
  return true;
}

int Run(const KavcalcOptions& options) {
  kav::ConsolePlatform platform("kavcalc", options.answerOk, std::cerr);
  kav::SetPlatform(&platform);
  if (options.dataDirectory) kav::SetDataDirectory(*options.dataDirectory);
  std::optional<kav::QtScreenDevice> screen;
  if (NeedsQt(options)) {
    kav::SetScreenDevice(&screen.emplace());
    kav::InstallQtPictures();
  }

  // Every document read replaces the whole document, so the new one is
  // not set up first.
  kav::CKavDoc doc;
  std::string text;
  nlohmann::json json = nlohmann::json::array();
  bool allRead = true;
  for (const std::string& document : options.documents) {
    if (RunDocument(options, doc, document, text, json)) continue;
    allRead = false;
    // The list keeps one place per document: null for one that failed.
    if (options.format == ExportFormat::Json) json.push_back(nullptr);
  }
  if (options.documents.size() == 1 && !allRead) return kExitFileError;
  // Saving or printing alone exports nothing unless a file is named for it.
  if (!options.output && (options.saveAs || options.pdf)) return allRead ? kExitOk : kExitFileError;

  if (options.format == ExportFormat::Json) {
    // One document gives its own export; several give a list of them.
    const nlohmann::json& out = options.documents.size() == 1 ? json[0] : json;
    text = out.dump(2) + "\n";
  }
  if (options.output) {
    std::string error;
    if (!kav::WriteFileAtomically(*options.output,
                                  std::vector<std::uint8_t>(text.begin(), text.end()), &error)) {
      std::cerr << "kavcalc: kan ikke skrive til " << *options.output << " (" << error << ")\n";
      return kExitFileError;
    }
  } else {
    std::cout << text;
  }
  return allRead ? kExitOk : kExitFileError;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const kav::cli::ParsedKavcalcArgs parsed = kav::cli::ParseKavcalcArgs(args);
  if (!parsed.options) {
    std::cerr << "kavcalc: " << parsed.error << "\n"
              << "Se kavcalc --help.\n";
    return kExitUsage;
  }
  const KavcalcOptions& options = *parsed.options;
  if (options.help) {
    std::cout << kav::cli::kKavcalcUsage;
    return kExitOk;
  }
  if (options.version) {
    std::cout << "kavcalc " << KAV_VERSION << "\n";
    return kExitOk;
  }
  // The page layout measures text with Qt; no display is needed, and Qt's
  // own notes about the session are no business of the user's.
  std::optional<QGuiApplication> app;
  if (NeedsQt(options)) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "kavcalc: " << text.toStdString() << "\n";
    });
    app.emplace(argc, argv);
  }
  std::setlocale(LC_NUMERIC, "C");
  return Run(options);
}
