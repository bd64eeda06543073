// Reads arbitrary bytes as a document through the document's own reading
// code, against the shipped product database. Damaged input may only end in
// an ArchiveError or the wrong-marker refusal, and must leave the document
// as it was. What was read writes bytes that, read again, write the very
// same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/archive.h"
#include "core/data_directory.h"
#include "core/project.h"
#include "modules/kav_doc.h"
#include "modules/module_classes.h"

namespace {

kav::CKavDoc& Document() {
  static kav::CKavDoc* doc = [] {
    kav::SetDataDirectory(KAV_FUZZ_DATA);
    auto* d = new kav::CKavDoc();
    d->NewDocument();
    return d;
  }();
  return *doc;
}

std::vector<std::uint8_t> Written(kav::CKavDoc& doc) {
  kav::CArchive ar("fuzz.kav");
  doc.Serialize(ar);
  return ar.Bytes();
}

bool Read(kav::CKavDoc& doc, std::vector<std::uint8_t> bytes) {
  try {
    kav::CArchive ar(std::move(bytes), kav::DocumentClasses(), "fuzz.kav");
    doc.Serialize(ar);
    return true;
  } catch (const kav::ArchiveError&) {
  } catch (const kav::WrongMarker&) {
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kav::CKavDoc& doc = Document();
  const std::vector<std::uint8_t> before = Written(doc);
  if (!Read(doc, std::vector<std::uint8_t>(data, data + size))) {
    if (Written(doc) != before) __builtin_trap();  // a refused file changed the document
    return 0;
  }
  const std::vector<std::uint8_t> first = Written(doc);
  if (!Read(doc, first)) __builtin_trap();  // what was written cannot be read
  if (Written(doc) != first) __builtin_trap();
  return 0;
}
