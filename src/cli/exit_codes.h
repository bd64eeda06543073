#pragma once
// The exit status of the command-line programs.

namespace kav::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;  // a file could not be read, written or understood
inline constexpr int kExitUsage = 2;      // the command line is wrong

}  // namespace kav::cli
