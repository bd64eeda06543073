#include "data/data_file.h"

#include <filesystem>

#include "core/data_directory.h"
#include "core/file_io.h"
#include "core/platform.h"
#include "core/strings.h"

namespace kav {
namespace {

void ShowFileMessage(int messageId, const std::filesystem::path& path) {
  if (messageId != 0) ShowMessage(Substitute(Str(messageId), {path.string()}));
}

}  // namespace

DataFileRead ReadDataFile(const std::string& fileName, const ClassRegistry& classes,
                          const std::function<void(CArchive&)>& read, int missingMessage,
                          int damagedMessage) {
  const std::filesystem::path path = ResolveDataFile(fileName);
  std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) {
    ShowFileMessage(missingMessage, path);
    return DataFileRead::Missing;
  }
  try {
    DecodeDataFile(std::move(*bytes), classes, path.string(), read);
  } catch (const ArchiveError&) {
    ShowFileMessage(damagedMessage, path);
    return DataFileRead::Damaged;
  }
  return DataFileRead::Read;
}

std::size_t DecodeDataFile(std::vector<std::uint8_t> bytes, const ClassRegistry& classes,
                           const std::string& source, const std::function<void(CArchive&)>& read) {
  CArchive ar(std::move(bytes), classes, source);
  read(ar);
  return ar.Remaining();
}

std::vector<std::uint8_t> EncodeDataFile(const std::string& source,
                                         const std::function<void(CArchive&)>& write) {
  CArchive ar(source);
  write(ar);
  return ar.Bytes();
}

bool WriteDataFile(const std::string& fileName, const std::function<void(CArchive&)>& write,
                   int failedMessage) {
  const std::filesystem::path path = ResolveDataFile(fileName);
  if (WriteFileAtomically(path, EncodeDataFile(path.string(), write))) return true;
  ShowFileMessage(failedMessage, path);
  return false;
}

}  // namespace kav
