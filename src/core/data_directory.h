#pragma once
// Where the data files (kav.dat, egendef.dat, kav.cli, kav.cst) live. A
// file name from the settings that has no directory resolves against the
// data directory, chosen in this order: the directory given on the command
// line; the environment variable KAV_DATA_DIR; the user's own data
// directory ($XDG_DATA_HOME/KORBU/KAV, or ~/.local/share/KORBU/KAV), which
// is created and filled with the shipped files on first use, since the
// program rewrites them.
#include <filesystem>
#include <string>

namespace kav {

// Fixes the data directory (kavcalc --data DIR, tests).
void SetDataDirectory(const std::filesystem::path& directory);
// The data directory, chosen as above on first use.
std::filesystem::path DataDirectory();
// An absolute name stays as it is; any other resolves against DataDirectory().
std::filesystem::path ResolveDataFile(const std::string& name);

// The shipped data files: share/kav beside the program's bin directory.
std::filesystem::path ShippedDataDirectory();
// Creates `directory` if needed and copies every shipped file that is not
// there yet into it.
void SeedDataDirectory(const std::filesystem::path& directory,
                       const std::filesystem::path& shipped);

}  // namespace kav
