#pragma once
// The data files (kav.dat, egendef.dat, kav.cli, kav.cst) as JSON, for
// kavdb: every stored field of every row under the field name of its class,
// so that a file read, turned into JSON and built again gives the same
// bytes.
//
//   kav.dat      {"InsulationProducts": [...], "HoseProducts": [...], ...
//                 the eight lists of DatabaseLists in file order}
//   egendef.dat  {"UserProducts": [...]}
//   kav.cli      {"Locations": [...]}
//   kav.cst      {"Entries": [...]}
//
// A row is an object of its fields in stored order; sub-rows are arrays of
// objects; fixed arrays (UseFlags, Coefficients, Temperatures, Lambdas) are
// arrays of numbers. A float is the shortest decimal that reads back to the
// same float, or "inf", "-inf", "nan", "-nan" or "nan:0xXXXXXXXX" (the bits
// of any other NaN). A colour is the stored 32-bit value as "0x00BBGGRR".
// A row of a subclass of its list's class (a hose product among the
// insulation products) names its class first: "$class": "CKorbuFlex".
//
// Building from JSON: a missing field keeps the class default; a missing
// derived text is made as the program makes it (a thickness, step or band
// row's Name, a climate place's DisplayText, a user product's coefficients
// from its four points); a cost entry may give "UnitWord" ("m" or "m²")
// instead of its DisplayText. An unknown field, a wrong type, a value out of
// range or a character outside code page 1252 is a JsonMappingError naming
// the JSON path ("InsulationProducts[2].Thicknesses[0].Thickness").
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/object_list.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/klima.h"
#include "data/kostnad.h"

namespace kav::cli {

using Json = nlohmann::ordered_json;

enum class DataFileKind { Database, UserDatabase, Climate, Cost };

// "dat", "egendef", "cli", "cst".
std::string_view KindWord(DataFileKind kind);
std::optional<DataFileKind> KindFromWord(std::string_view word);
// egendef.dat is the user database, any other *.dat the product database,
// *.cli climate places, *.cst costs; nothing for other names.
std::optional<DataFileKind> KindFromFileName(const std::filesystem::path& path);

// The rows of one data file of the given kind; only the member of that kind
// is used.
struct DataFileContents {
  explicit DataFileContents(DataFileKind k) : kind(k) {}

  DataFileKind kind;
  DatabaseLists database;
  UserDatabaseLists userDatabase;
  TypedList<CKlimasted> locations;
  TypedList<CIsoKostnad> costs;
};

// Reads the file's bytes through the data layer, as the program reads the
// file; damage throws ArchiveError naming `source`. Returns the number of
// bytes after the data, which the program ignores.
std::size_t DecodeContents(DataFileContents& contents, std::vector<std::uint8_t> bytes,
                           const std::string& source);
// The bytes the program writes for the contents.
std::vector<std::uint8_t> EncodeContents(DataFileContents& contents);

// The JSON of a data file names its kind under this key ("dat", "egendef",
// "cli" or "cst"), so that it builds the same kind of file under any name.
inline constexpr const char* kKindKey = "Kind";

Json ContentsToJson(DataFileContents& contents);

class JsonMappingError : public std::runtime_error {
 public:
  JsonMappingError(std::string path, const std::string& what);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A row without the sub-rows it cannot be without (a product without
// thicknesses, a hose series without steps): the files can hold such a row,
// but building one from JSON is refused as the program's dialogs refuse it.
class EmptyRequiredListError : public JsonMappingError {
 public:
  using JsonMappingError::JsonMappingError;
};

// The kind `json` states, if it states one; a JsonMappingError for a kind
// that is not one of the four.
std::optional<DataFileKind> KindInJson(const Json& json);

// Replaces the contents' rows by those of `json`; a JsonMappingError when
// `json` states another kind than the contents'.
void ContentsFromJson(DataFileContents& contents, const Json& json);

// JSON text as kavdb writes it: two-space indentation, UTF-8, a short array
// or object of plain values on one line, and a final newline.
std::string JsonText(const Json& json);

}  // namespace kav::cli
