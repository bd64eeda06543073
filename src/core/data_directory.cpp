#include "core/data_directory.h"

#include <cstdlib>
#include <optional>
#include <system_error>

namespace kav {
namespace fs = std::filesystem;

namespace {

std::optional<fs::path> gDataDirectory;

fs::path UserDataDirectory() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    return fs::path(xdg) / "KORBU" / "KAV";
  }
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : ".") / ".local" / "share" / "KORBU" / "KAV";
}

}  // namespace

void SetDataDirectory(const fs::path& directory) {
  gDataDirectory = directory;
}

fs::path DataDirectory() {
  if (!gDataDirectory) {
    if (const char* env = std::getenv("KAV_DATA_DIR"); env && *env) {
      gDataDirectory = fs::path(env);
    } else {
      gDataDirectory = UserDataDirectory();
      SeedDataDirectory(*gDataDirectory, ShippedDataDirectory());
    }
  }
  return *gDataDirectory;
}

fs::path ResolveDataFile(const std::string& name) {
  const fs::path path(name);
  if (path.is_absolute()) return path;
  return DataDirectory() / path;
}

fs::path ShippedDataDirectory() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::path("share") / "kav";
  return exe.parent_path().parent_path() / "share" / "kav";
}

void SeedDataDirectory(const fs::path& directory, const fs::path& shipped) {
  std::error_code ec;
  fs::create_directories(directory, ec);
  if (!fs::is_directory(shipped, ec)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator(shipped, ec)) {
    if (!entry.is_regular_file(ec)) continue;
    const fs::path target = directory / entry.path().filename();
    if (!fs::exists(target, ec)) fs::copy_file(entry.path(), target, ec);
  }
}

}  // namespace kav
