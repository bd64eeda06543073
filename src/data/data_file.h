#pragma once
// Reading and writing the data files (kav.dat, egendef.dat, kav.cli,
// kav.cst). A file is read whole and decoded in memory, so that a damaged
// file changes nothing; it is written to a temporary file that is then
// renamed over the old one, so that a failed write never destroys it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/class_registry.h"

namespace kav {

enum class DataFileRead { Read, Missing, Damaged };

// Decodes the file `fileName` (resolved against the data directory) with
// `read`. On a missing or damaged file the message `missingMessage` or
// `damagedMessage` (0: none) is shown with the file name for %1; whatever
// `read` filled in before the damage was found must then be thrown away.
DataFileRead ReadDataFile(const std::string& fileName, const ClassRegistry& classes,
                          const std::function<void(CArchive&)>& read, int missingMessage,
                          int damagedMessage);

// Decodes a data file held in memory with `read`, exactly as ReadDataFile
// does once it has the file's bytes; damage throws ArchiveError. Returns the
// number of bytes left after what `read` took (reading ignores them).
std::size_t DecodeDataFile(std::vector<std::uint8_t> bytes, const ClassRegistry& classes,
                           const std::string& source, const std::function<void(CArchive&)>& read);

// The bytes WriteDataFile puts on disk for `write`.
std::vector<std::uint8_t> EncodeDataFile(const std::string& source,
                                         const std::function<void(CArchive&)>& write);

// Encodes with `write` and puts the bytes on disk; on failure shows
// `failedMessage` (0: none) with the file name and returns false.
bool WriteDataFile(const std::string& fileName, const std::function<void(CArchive&)>& write,
                   int failedMessage);

// A file that holds one counted list: `list` gets its rows, or stays empty
// when the file is missing or damaged.
template <class T>
void ReadListFile(const std::string& fileName, const ClassRegistry& classes, TypedList<T>& list,
                  int missingMessage, int damagedMessage) {
  TypedList<T> read;
  const DataFileRead result = ReadDataFile(
      fileName, classes, [&read](CArchive& ar) { SerializeList(ar, read); }, missingMessage,
      damagedMessage);
  if (result != DataFileRead::Read) read.Clear();
  TakeList(list, read, false);
}

template <class T>
bool WriteListFile(const std::string& fileName, TypedList<T>& list, int failedMessage) {
  return WriteDataFile(
      fileName, [&list](CArchive& ar) { SerializeList(ar, list); }, failedMessage);
}

}  // namespace kav
