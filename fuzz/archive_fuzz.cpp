// Reads arbitrary bytes as an archive holding a list of rows (each with a
// list of sub-rows), a list of nested nodes and a string. Damaged input may
// only end in an ArchiveError. Whatever was read must write back to bytes
// that read and write again to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/archive.h"
#include "test_rows.h"

namespace {

using kav::CArchive;
using kav::SerializeList;
using kav::TypedList;
using kav::test::TestNode;
using kav::test::TestRow;

struct Contents {
  TypedList<TestRow> rows;
  TypedList<TestNode> nodes;
  std::string text;
};

void Serialize(CArchive& ar, Contents& c) {
  SerializeList(ar, c.rows);
  SerializeList(ar, c.nodes);
  ar.String(c.text);
}

std::vector<std::uint8_t> Store(Contents& c) {
  CArchive out("fuzz.kav");
  Serialize(out, c);
  return out.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Contents read;
  try {
    CArchive in(std::vector<std::uint8_t>(data, data + size), kav::test::TestClasses(), "fuzz.kav");
    Serialize(in, read);
  } catch (const kav::ArchiveError&) {
    return 0;
  }

  const std::vector<std::uint8_t> stored = Store(read);
  Contents again;
  try {
    CArchive in(stored, kav::test::TestClasses(), "fuzz.kav");
    Serialize(in, again);
    if (in.Remaining() != 0) __builtin_trap();
  } catch (const kav::ArchiveError&) {
    __builtin_trap();  // what was written cannot be read
  }
  if (Store(again) != stored) __builtin_trap();
  return 0;
}
