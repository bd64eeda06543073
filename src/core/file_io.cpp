#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace kav {
namespace fs = std::filesystem;

namespace {
void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}
}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SetError(error, std::strerror(errno));
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.insert(bytes.end(), buffer, buffer + in.gcount());
  }
  if (in.bad()) {
    SetError(error, "lesefeil");
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
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    SetError(error, std::strerror(errno));
    return false;
  }
  const fs::path temporary(pattern);
  auto fail = [&](int code) {
    ::close(fd);
    std::error_code ignored;
    fs::remove(temporary, ignored);
    SetError(error, std::strerror(code));
    return false;
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
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
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int code = errno;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    SetError(error, std::strerror(code));
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int code = errno;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    SetError(error, std::strerror(code));
    return false;
  }
  return true;
}

}  // namespace kav
