#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>

#include "core/strings.h"

namespace kav {
namespace fs = std::filesystem;

namespace {
void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

struct InjectedFault {
  bool active = false;
  WriteStep step = WriteStep::Create;
  int code = 0;
  int occurrence = 0;
  int reached = 0;
};
InjectedFault injected;

// True (with errno set) when a test has made this step fail now.
bool Fails(WriteStep step) {
  if (!injected.active || injected.step != step) return false;
  if (injected.reached++ != injected.occurrence) return false;
  errno = injected.code;
  return true;
}
}  // namespace

ScopedWriteFault::ScopedWriteFault(WriteStep step, int code, int occurrence) {
  injected = {true, step, code, occurrence, 0};
}
ScopedWriteFault::~ScopedWriteFault() {
  injected = {};
}
int ScopedWriteFault::Reached() const {
  return injected.reached;
}

std::string FileErrorText(int code) {
  switch (code) {
    case ENOENT:
      return Str(ids::FileErrorNotFound);
    case EACCES:
    case EPERM:
      return Str(ids::FileErrorNoAccess);
    case EROFS:
      return Str(ids::FileErrorReadOnly);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return Str(ids::FileErrorDiskFull);
    case EISDIR:
      return Str(ids::FileErrorIsFolder);
    case ENOTDIR:
      return Str(ids::FileErrorNotAFolder);
    case ENAMETOOLONG:
      return Str(ids::FileErrorNameTooLong);
    case EIO:
      return Str(ids::FileErrorDevice);
    default:
      return Substitute(Str(ids::FileErrorOther), {std::to_string(code)});
  }
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& path, std::string* error) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SetError(error, FileErrorText(errno != 0 ? errno : ENOENT));
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.insert(bytes.end(), buffer, buffer + in.gcount());
  }
  if (in.bad()) {
    SetError(error, Str(ids::FileErrorDevice));
    return std::nullopt;
  }
  return bytes;
}

bool WriteFileAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string* error) {
  const fs::path directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::string hidden(".");
  hidden += path.filename().string();
  hidden += ".XXXXXX";
  std::string pattern = (directory / hidden).string();
  const int fd = Fails(WriteStep::Create) ? -1 : ::mkstemp(pattern.data());
  if (fd < 0) {
    SetError(error, FileErrorText(errno));
    return false;
  }
  const fs::path temporary(pattern);
  auto fail = [&](int code) {
    ::close(fd);
    std::error_code ignored;
    fs::remove(temporary, ignored);
    SetError(error, FileErrorText(code));
    return false;
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const std::size_t chunk = std::min(bytes.size() - written, kWriteChunk);
    if (Fails(WriteStep::Write)) {
      const int code = errno;
      [[maybe_unused]] const ssize_t half = ::write(fd, bytes.data() + written, chunk / 2);
      return fail(code);
    }
    const ssize_t n = ::write(fd, bytes.data() + written, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  // Keep the permissions an existing file had; new files get the usual ones.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  if (Fails(WriteStep::Sync) || ::fsync(fd) != 0) return fail(errno);
  int closeCode = Fails(WriteStep::Close) ? errno : 0;
  if (::close(fd) != 0 && closeCode == 0) closeCode = errno;
  if (closeCode != 0) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    SetError(error, FileErrorText(closeCode));
    return false;
  }
  if (Fails(WriteStep::Rename) || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int code = errno;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    SetError(error, FileErrorText(code));
    return false;
  }
  return true;
}

}  // namespace kav
