#pragma once
// The command line of kavcalc.
#include <optional>
#include <string>
#include <vector>

namespace kav::cli {

enum class ExportFormat { Text, Json };

struct KavcalcOptions {
  // One or more; each is opened, computed and exported in turn.
  std::vector<std::string> documents;
  std::optional<std::string> dataDirectory;
  std::optional<int> page;
  bool allPages = false;
  std::optional<std::string> output;
  std::optional<std::string> saveAs;
  bool answerOk = true;
  ExportFormat format = ExportFormat::Text;
  std::optional<std::string> pdf;
  bool version = false;
  bool help = false;
};

struct ParsedKavcalcArgs {
  std::optional<KavcalcOptions> options;
  std::string error;  // set when options is empty
};

ParsedKavcalcArgs ParseKavcalcArgs(const std::vector<std::string>& args);

extern const char* const kKavcalcUsage;

}  // namespace kav::cli
