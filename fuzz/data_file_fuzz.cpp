// Reads arbitrary bytes as one of the data files (KAV_FUZZ_KIND: Database,
// UserDatabase, Climate or Cost) through the data layer's own reading code.
// Damaged input may only end in an ArchiveError. Whatever was read must
// write bytes that read and write again to the very same bytes, and that
// kavdb's JSON form (dump, then build from the printed text) reproduces,
// unless the build refuses a row without its required sub-rows. The JSON
// round trip costs twice the rest together, so it is tried on one input in
// four, chosen by the input's bytes so that a finding reproduces.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/db_json.h"
#include "core/archive.h"

namespace {

using kav::cli::DataFileContents;
using kav::cli::DataFileKind;

constexpr DataFileKind kKind = DataFileKind::KAV_FUZZ_KIND;

// FNV-1a over the input.
bool TakesJsonRoundTrip(const std::uint8_t* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  return (hash & 3u) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DataFileContents read(kKind);
  try {
    kav::cli::DecodeContents(read, std::vector<std::uint8_t>(data, data + size), "fuzz");
  } catch (const kav::ArchiveError&) {
    return 0;
  }

  const std::vector<std::uint8_t> stored = kav::cli::EncodeContents(read);
  DataFileContents again(kKind);
  try {
    if (kav::cli::DecodeContents(again, stored, "fuzz") != 0) __builtin_trap();
  } catch (const kav::ArchiveError&) {
    __builtin_trap();  // what was written cannot be read
  }
  if (kav::cli::EncodeContents(again) != stored) __builtin_trap();
  if (!TakesJsonRoundTrip(data, size)) return 0;

  DataFileContents built(kKind);
  try {
    const std::string text = kav::cli::JsonText(kav::cli::ContentsToJson(read));
    kav::cli::ContentsFromJson(built, kav::cli::Json::parse(text));
  } catch (const kav::cli::EmptyRequiredListError&) {
    return 0;  // such a row can be read, but is refused when built
  } catch (const std::exception&) {
    __builtin_trap();  // the dump cannot be built
  }
  if (kav::cli::EncodeContents(built) != stored) __builtin_trap();
  return 0;
}
