#pragma once
// Whole-file reading and crash-safe writing of the binary files.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kav {

// Why a file operation failed, for an errno value, as a Norwegian phrase
// ("filen eller mappen finnes ikke"): the system's own text is English.
std::string FileErrorText(int code);

// The whole file, or nothing when it cannot be opened or read; `error` then
// says why.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                       std::string* error = nullptr);

// Writes the bytes to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file is left untouched, the
// temporary file is removed, false is returned and `error` says why.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string* error = nullptr);

}  // namespace kav
