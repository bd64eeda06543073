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

// The steps of WriteFileAtomically. The bytes go out in writes of at most
// kWriteChunk bytes, so a large file takes several Write steps.
enum class WriteStep { Create, Write, Sync, Close, Rename };
inline constexpr std::size_t kWriteChunk = 64 * 1024;

// A seam for tests: while the object lives, the `occurrence`-th time
// (counting from 0) that WriteFileAtomically reaches `step`, that step fails
// with the errno `code`, as the system would fail it (a failing write first
// writes half its bytes, as a filling disk does; a failing close has closed
// the file). One fault at a time; not for use by the programs themselves.
class ScopedWriteFault {
 public:
  ScopedWriteFault(WriteStep step, int code, int occurrence = 0);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
  // How often the step was reached since the fault was set.
  int Reached() const;
};

}  // namespace kav
