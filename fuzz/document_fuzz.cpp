// Reads arbitrary bytes as a document through the document's own reading
// code, against the shipped product database. Damaged input may only end in
// an ArchiveError or the wrong-marker refusal, and must leave the document
// as it was. What was read writes bytes that, read again, write the very
// same bytes; every page that shows something exports as text and JSON
// with no NaN or infinity in it (the document's own texts aside).
//
// Its mutator knows the document: most mutations replace one stored value
// of a readable document (NaN, an infinity, a denormal, zero, a negative or
// huge number, a random pattern, an out-of-range code or count, an empty or
// long text), so that the calculations of every module see hostile values,
// not only the archive layer.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "cli/page_json.h"
#include "core/archive.h"
#include "core/data_directory.h"
#include "modules/kav_doc.h"
#include "modules/module_classes.h"
#include "non_finite_text.h"
#include "stored_fields.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

using Bytes = std::vector<std::uint8_t>;
using FieldKind = kav::CArchive::FieldKind;

kav::CKavDoc& Document() {
  static kav::CKavDoc* doc = [] {
    kav::SetDataDirectory(KAV_FUZZ_DATA);
    auto* d = new kav::CKavDoc();
    d->NewDocument();
    return d;
  }();
  return *doc;
}

Bytes Written(kav::CKavDoc& doc, std::vector<kav::CArchive::FieldMark>* marks = nullptr) {
  kav::CArchive ar("fuzz.kav");
  ar.LogFields(marks);
  doc.Serialize(ar);
  ar.LogFields(nullptr);
  return ar.Bytes();
}

bool Read(kav::CKavDoc& doc, Bytes bytes) {
  try {
    kav::CArchive ar(std::move(bytes), kav::DocumentClasses(), "fuzz.kav");
    doc.Serialize(ar);
    return true;
  } catch (const kav::ArchiveError&) {
  } catch (const kav::WrongMarker&) {
  }
  return false;
}

// The text and JSON export of the page shown and of every page with
// results, as the program and kavcalc make them.
std::string Exported(kav::CKavDoc& doc) {
  doc.DocumentChanged();
  std::string out;
  const int shown = doc.ActiveModule();
  for (int page = 0; page < 8; ++page) {
    if (page != shown && doc.Module(page).ResultsValid == 0) continue;
    doc.SetActiveModule(page);
    out += doc.ResultsText();
    nlohmann::json json = kav::cli::CurrentPageJson(page, doc.Header(page).PageTitle());
    const kav::ResultValues results = doc.Module(page).Results();
    if (!results.empty()) json["results"] = kav::cli::ResultsJson(results);
    out += json.dump();
  }
  doc.SetActiveModule(shown);
  return out;
}

// The document's own texts (names, descriptions) may spell "nan", "inf" or
// "value":null, which the export shows as they stand. Each such spelling
// gets its second letter changed to 'q', so that what is left to find in
// the export are numbers. False when no text needed it.
bool NeutraliseTexts(kav::CKavDoc& doc) {
  std::vector<kav::CArchive::FieldMark> marks;
  Bytes bytes = Written(doc, &marks);
  bool changed = false;
  for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {  // later offsets first
    if (mark->kind != FieldKind::String) continue;
    std::string text = kav::test::FieldReader(bytes, *mark).ReadString();
    bool spelt = false;
    for (std::size_t at = kav::test::NonFiniteAt(text); at != std::string::npos;
         at = kav::test::NonFiniteAt(text)) {
      text[at + 1] = 'q';
      spelt = true;
    }
    if (!spelt) continue;
    bytes = kav::test::WithStoredField(bytes, *mark, kav::test::StoredText(text));
    changed = true;
  }
  if (changed && !Read(doc, bytes)) __builtin_trap();  // a changed text made it unreadable
  return changed;
}

template <class T>
Bytes BytesOf(T value) {
  Bytes bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

float HostileFloat(std::mt19937& rng) {
  const auto& values = kav::test::kHostileFloats;
  const std::uint32_t pick = rng() % (std::size(values) + 1);
  if (pick < std::size(values)) return values[pick];
  return std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
}

// A stored value of the kind, no longer than `room` bytes allow.
Bytes HostileValue(FieldKind kind, std::mt19937& rng, std::size_t room) {
  switch (kind) {
    case FieldKind::Float:
      return BytesOf(std::bit_cast<std::uint32_t>(HostileFloat(rng)));
    case FieldKind::Word: {
      const std::uint16_t words[] = {0xFFFF, 0x8000, 100, 7, static_cast<std::uint16_t>(rng())};
      return BytesOf(words[rng() % std::size(words)]);
    }
    case FieldKind::Long: {
      const std::uint32_t longs[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0u,
                                     static_cast<std::uint32_t>(rng())};
      return BytesOf(longs[rng() % std::size(longs)]);
    }
    case FieldKind::String: {
      const std::size_t length = rng() % 3 == 0 ? 0 : rng() % (room / 2 + 1);
      return kav::test::StoredText(rng() % 2 == 0 ? std::string(length, 'x')
                                                  : "Finnes ikke i databasen");
    }
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kav::CKavDoc& doc = Document();
  const Bytes before = Written(doc);
  if (!Read(doc, Bytes(data, data + size))) {
    if (Written(doc) != before) __builtin_trap();  // a refused file changed the document
    return 0;
  }
  const Bytes first = Written(doc);
  if (!Read(doc, first)) __builtin_trap();  // what was written cannot be read
  if (Written(doc) != first) __builtin_trap();

  std::string out = Exported(doc);
  if (kav::test::NonFiniteAt(out) != std::string::npos && NeutraliseTexts(doc)) {
    out = Exported(doc);
  }
  if (const std::size_t at = kav::test::NonFiniteAt(out); at != std::string::npos) {
    std::fprintf(stderr, "non-finite output: %s\n",
                 out.substr(at < 200 ? 0 : at - 200, 400).c_str());
    __builtin_trap();
  }
  return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
  std::mt19937 rng(seed);
  if (rng() % 4 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  kav::CKavDoc& doc = Document();
  std::vector<kav::CArchive::FieldMark> marks;
  if (!Read(doc, Bytes(data, data + size))) return LLVMFuzzerMutate(data, size, maxSize);
  const Bytes good = Written(doc, &marks);
  if (marks.empty() || good.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);

  const kav::CArchive::FieldMark& mark = marks[rng() % marks.size()];
  const std::size_t room = maxSize - good.size() + kav::test::StoredFieldSize(good, mark);
  const Bytes hostile = kav::test::WithStoredField(good, mark, HostileValue(mark.kind, rng, room));
  if (hostile.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data, hostile.data(), hostile.size());
  return hostile.size();
}
