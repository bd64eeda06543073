// The layers as the sources include them: each folder includes only its own
// headers and those of the folders below it, the model and calculations
// include no Qt at all, and the render library (which kavcalc links) no Qt
// Widgets or Print Support header.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = KAV_SOURCE_DIR;

struct Include {
  fs::path file;
  std::string target;  // as written between the quotes or angle brackets
  bool system = false;
};

std::vector<Include> IncludesUnder(const std::string& folder) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<Include> found;
  for (const auto& entry : fs::recursive_directory_iterator(kSource / folder)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    std::ifstream in(entry.path());
    std::string line;
    while (std::getline(in, line)) {
      std::smatch m;
      if (std::regex_search(line, m, kInclude)) {
        found.push_back({fs::relative(entry.path(), kSource), m[2].str(), m[1].str() == "<"});
      }
    }
  }
  return found;
}

// The folder of an include such as "modules/varme_tap/varme_tap_modul.h":
// "modules/varme_tap".
std::string FolderOf(const std::string& target) {
  return fs::path(target).parent_path().string();
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Each folder and the folders (prefixes) its files may include.
const std::map<std::string, std::vector<std::string>> kAllowed = {
    {"core", {"core"}},
    {"data", {"core", "data"}},
    {"output", {"core", "output"}},
    {"modules/common", {"core", "data", "output", "modules/common"}},
    {"modules/insulation", {"core", "data", "output", "modules/common", "modules/insulation"}},
    {"ui/render", {"core", "data", "output", "ui/render"}},
    {"ui/widgets", {"core", "data", "output", "ui/render", "ui/widgets"}},
    {"ui/platform", {"core", "data", "output", "ui/render", "ui/widgets", "ui/platform"}},
    {"ui/panels", {"core", "data", "output", "modules", "ui/render", "ui/widgets", "ui/panels"}},
    {"ui/modules",
     {"core", "data", "output", "modules", "ui/render", "ui/widgets", "ui/panels", "ui/modules"}},
    {"ui/database",
     {"core", "data", "output", "modules", "ui/render", "ui/widgets", "ui/panels", "ui/database"}},
};

// Where `file` lives in the table above; a module folder under src/modules
// (one per calculation module) may include common/, insulation/ and itself.
std::vector<std::string> AllowedFor(const fs::path& file) {
  const std::string path = file.string();
  std::string best;
  for (const auto& [folder, allowed] : kAllowed) {
    if (StartsWith(path, folder + "/") && folder.size() > best.size()) best = folder;
  }
  if (!best.empty()) return kAllowed.at(best);
  const std::string folder = file.parent_path().string();
  if (StartsWith(folder, "modules/")) {
    return {"core", "data", "output", "modules/common", "modules/insulation", folder};
  }
  return {};
}

TEST(LayeringTest, FoldersIncludeOnlyTheLayersBelowThem) {
  for (const char* top : {"core", "data", "output", "modules", "ui"}) {
    for (const Include& include : IncludesUnder(top)) {
      if (include.system) continue;
      const std::vector<std::string> allowed = AllowedFor(include.file);
      if (allowed.empty()) continue;  // the document and the app see everything below
      const std::string folder = FolderOf(include.target);
      const bool ok = std::any_of(allowed.begin(), allowed.end(), [&](const std::string& a) {
        return folder == a || StartsWith(folder, a + "/");
      });
      EXPECT_TRUE(ok) << include.file << " includes " << include.target;
    }
  }
}

TEST(LayeringTest, ModelAndCalculationsUseNoQt) {
  for (const char* folder : {"core", "data", "output", "modules"}) {
    for (const Include& include : IncludesUnder(folder)) {
      EXPECT_FALSE(include.system && StartsWith(include.target, "Q"))
          << include.file << " includes <" << include.target << ">";
    }
  }
}

TEST(LayeringTest, RenderAndModelIncludeNoQtWidgetsOrPrintSupport) {
  const fs::path widgets = KAV_QT_WIDGETS_DIR;
  const fs::path printSupport = KAV_QT_PRINT_SUPPORT_DIR;
  ASSERT_TRUE(fs::exists(widgets / "QWidget"));
  for (const char* folder : {"core", "data", "output", "modules", "ui/render"}) {
    for (const Include& include : IncludesUnder(folder)) {
      if (!include.system) continue;
      const std::string name = fs::path(include.target).filename().string();
      EXPECT_FALSE(fs::exists(widgets / name) || fs::exists(printSupport / name))
          << include.file << " includes <" << include.target << ">";
    }
  }
}

}  // namespace
