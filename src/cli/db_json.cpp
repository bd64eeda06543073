#include "cli/db_json.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

#include "cli/json_float.h"
#include "core/archive.h"
#include "core/cp1252.h"
#include "data/absorpsjon.h"
#include "data/data_classes.h"
#include "data/data_file.h"
#include "data/iso_produkt.h"
#include "data/korbuflex.h"
#include "data/mantling.h"
#include "data/tillegg.h"
#include "data/veske.h"

namespace kav::cli {

// ---- File kinds

std::string_view KindWord(DataFileKind kind) {
  switch (kind) {
    case DataFileKind::Database:
      return "dat";
    case DataFileKind::UserDatabase:
      return "egendef";
    case DataFileKind::Climate:
      return "cli";
    case DataFileKind::Cost:
      return "cst";
  }
  return "dat";
}

std::optional<DataFileKind> KindFromWord(std::string_view word) {
  for (DataFileKind kind : {DataFileKind::Database, DataFileKind::UserDatabase,
                            DataFileKind::Climate, DataFileKind::Cost}) {
    if (KindWord(kind) == word) return kind;
  }
  return std::nullopt;
}

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

}  // namespace

std::optional<DataFileKind> KindFromFileName(const std::filesystem::path& path) {
  const std::string name = Lower(path.filename().string());
  const std::string extension = Lower(path.extension().string());
  if (name == "egendef.dat") return DataFileKind::UserDatabase;
  if (extension == ".dat") return DataFileKind::Database;
  if (extension == ".cli") return DataFileKind::Climate;
  if (extension == ".cst") return DataFileKind::Cost;
  return std::nullopt;
}

// ---- Reading and writing the bytes through the data layer

namespace {

const ClassRegistry& ClassesOf(DataFileKind kind) {
  switch (kind) {
    case DataFileKind::Database:
      return DatabaseFileClasses();
    case DataFileKind::UserDatabase:
      return UserDatabaseFileClasses();
    case DataFileKind::Climate:
      return ClimateFileClasses();
    case DataFileKind::Cost:
      return CostFileClasses();
  }
  return DatabaseFileClasses();
}

// What CDataBase, CEgendefDatabase, CKlima and CKostnad read and write.
void SerializeContents(CArchive& ar, DataFileContents& contents) {
  switch (contents.kind) {
    case DataFileKind::Database:
      contents.database.SerializeLists(ar);
      break;
    case DataFileKind::UserDatabase:
      SerializeList(ar, contents.userDatabase.UserProducts);
      break;
    case DataFileKind::Climate:
      SerializeList(ar, contents.locations);
      break;
    case DataFileKind::Cost:
      SerializeList(ar, contents.costs);
      break;
  }
}

const char* FileLabel(DataFileKind kind) {
  switch (kind) {
    case DataFileKind::Database:
      return "kav.dat";
    case DataFileKind::UserDatabase:
      return "egendef.dat";
    case DataFileKind::Climate:
      return "kav.cli";
    case DataFileKind::Cost:
      return "kav.cst";
  }
  return "kav.dat";
}

}  // namespace

std::size_t DecodeContents(DataFileContents& contents, std::vector<std::uint8_t> bytes,
                           const std::string& source) {
  return DecodeDataFile(std::move(bytes), ClassesOf(contents.kind), source,
                        [&contents](CArchive& ar) { SerializeContents(ar, contents); });
}

std::vector<std::uint8_t> EncodeContents(DataFileContents& contents) {
  return EncodeDataFile(FileLabel(contents.kind),
                        [&contents](CArchive& ar) { SerializeContents(ar, contents); });
}

// ---- Values

JsonMappingError::JsonMappingError(std::string path, const std::string& what)
    : std::runtime_error((path.empty() ? std::string() : path + ": ") + what),
      path_(std::move(path)) {}

namespace {

constexpr std::uint32_t kQuietNan = 0x7FC00000u;
constexpr std::uint32_t kNegativeQuietNan = 0xFFC00000u;

std::string Hex32(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

// The shortest decimal that reads back to the same float, as a double that
// the JSON writer prints shortest; non-finite values as text.
Json FloatJson(float value) {
  if (std::isnan(value)) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    if (bits == kQuietNan) return "nan";
    if (bits == kNegativeQuietNan) return "-nan";
    return "nan:" + Hex32(bits);
  }
  if (std::isinf(value)) return value > 0.0f ? "inf" : "-inf";
  return ShortestDouble(value);
}

std::string TypeName(const Json& json) {
  switch (json.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return "en sannhetsverdi";
    case Json::value_t::string:
      return "en tekst";
    case Json::value_t::array:
      return "en liste";
    case Json::value_t::object:
      return "et objekt";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
      return "et heltall";
    case Json::value_t::number_float:
      return "et desimaltall";
    default:
      return "en ukjent verdi";
  }
}

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
  throw JsonMappingError(path, what);
}

[[noreturn]] void WrongType(const std::string& path, const std::string& expected,
                            const Json& found) {
  Fail(path, "venter " + expected + ", fant " + TypeName(found));
}

bool ParseHex(std::string_view digits, std::uint32_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return result.ec == std::errc() && result.ptr == digits.data() + digits.size();
}

float FloatFrom(const Json& json, const std::string& path) {
  if (json.is_number()) {
    // From halfway between the largest float and 2^128 on, a double rounds
    // to infinity.
    constexpr double kFloatLimit = 0x1.ffffffp127;
    const double value = json.get<double>();
    if (!(std::fabs(value) < kFloatLimit)) {
      Fail(path, "tallet er utenfor området til et 32-bits flyttall");
    }
    return static_cast<float>(value);
  }
  if (json.is_string()) {
    const auto& text = json.get_ref<const std::string&>();
    if (text == "inf") return std::numeric_limits<float>::infinity();
    if (text == "-inf") return -std::numeric_limits<float>::infinity();
    if (text == "nan") return std::bit_cast<float>(kQuietNan);
    if (text == "-nan") return std::bit_cast<float>(kNegativeQuietNan);
    std::uint32_t bits = 0;
    const std::string_view prefix = "nan:0x";
    if (text.starts_with(prefix) && ParseHex(std::string_view(text).substr(prefix.size()), bits) &&
        std::isnan(std::bit_cast<float>(bits))) {
      return std::bit_cast<float>(bits);
    }
    Fail(path,
         "venter et tall, \"inf\", \"-inf\", \"nan\", \"-nan\" eller \"nan:0x...\" (bitene "
         "til en NaN), fant teksten \"" +
             text + "\"");
  }
  WrongType(path, "et tall", json);
}

long long IntegerFrom(const Json& json, const std::string& path, long long min, long long max) {
  const std::string range = "et heltall fra " + std::to_string(min) + " til " + std::to_string(max);
  if (!json.is_number_integer()) WrongType(path, range, json);
  if (json.is_number_unsigned()) {
    const auto value = json.get<unsigned long long>();
    if (value > static_cast<unsigned long long>(max)) Fail(path, "venter " + range);
    return static_cast<long long>(value);
  }
  const auto value = json.get<long long>();
  if (value < min || value > max) Fail(path, "venter " + range);
  return value;
}

std::uint32_t ColourFrom(const Json& json, const std::string& path) {
  const char* expected = "en farge som \"0x00BBGGRR\" (blå, grønn, rød) eller et heltall";
  if (json.is_string()) {
    const auto& text = json.get_ref<const std::string&>();
    std::uint32_t value = 0;
    if ((text.starts_with("0x") || text.starts_with("0X")) &&
        ParseHex(std::string_view(text).substr(2), value)) {
      return value;
    }
    Fail(path, std::string("venter ") + expected + ", fant teksten \"" + text + "\"");
  }
  if (json.is_number_integer()) {
    return static_cast<std::uint32_t>(IntegerFrom(json, path, 0, 0xFFFFFFFFLL));
  }
  WrongType(path, expected, json);
}

std::string StringFrom(const Json& json, const std::string& path) {
  if (!json.is_string()) WrongType(path, "en tekst", json);
  const auto& text = json.get_ref<const std::string&>();
  // The files hold code page 1252; anything else would come back as '?'.
  if (Cp1252ToUtf8(Utf8ToCp1252(text)) != text) {
    Fail(path, "teksten har tegn som ikke finnes i tegnsettet Windows-1252");
  }
  return text;
}

std::string Child(const std::string& path, std::string_view key) {
  return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string Element(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

// ---- The row classes a list may hold: its own class and the subclasses
// that the data files know.

template <class T>
struct RowClasses {
  using type = std::tuple<T>;
};
template <>
struct RowClasses<CIsoProdukt> {
  using type = std::tuple<CIsoProdukt, CKorbuFlex, CEgendefIsoProdukt>;
};

constexpr const char* kClassKey = "$class";

// ---- Writing JSON from the fields

class Writer {
 public:
  explicit Writer(Json& out) : out_(out) {}

  void String(const char* key, std::string& value) { out_[key] = value; }
  void Float(const char* key, float& value) { out_[key] = FloatJson(value); }
  // As stored: the low 16 bits.
  void Word(const char* key, int& value) { out_[key] = static_cast<std::uint16_t>(value); }
  void Long(const char* key, int& value) { out_[key] = value; }
  void Colour(const char* key, std::uint32_t& value) { out_[key] = Hex32(value); }
  template <std::size_t N>
  void Longs(const char* key, std::array<int, N>& values) {
    Json array = Json::array();
    for (int value : values) array.push_back(value);
    out_[key] = std::move(array);
  }
  template <std::size_t N>
  void Floats(const char* key, std::array<float, N>& values) {
    Json array = Json::array();
    for (float value : values) array.push_back(FloatJson(value));
    out_[key] = std::move(array);
  }
  template <class T>
  void List(const char* key, TypedList<T>& rows) {
    Json array = Json::array();
    for (T* row : rows)
      array.push_back(RowJson(*row, static_cast<typename RowClasses<T>::type*>(nullptr)));
    out_[key] = std::move(array);
  }
  // Derived values and input-only fields are written as the fields they are.
  void Required(const char*, const ObjectList&) {}
  template <class F>
  void Derived(const char*, F&&) {}
  template <class F>
  void DerivedAll(std::initializer_list<const char*>, const char*, F&&) {}
  template <class F>
  void InputOnly(const char*, const char*, F&&) {}

 private:
  template <class Base, class... Rows>
  static Json RowJson(Base& row, std::tuple<Rows...>*) {
    Json json = Json::object();
    bool written = false;
    auto writeAs = [&](auto* tag) {
      using Row = std::remove_pointer_t<decltype(tag)>;
      if (written || std::string_view(row.ClassName()) != Row::kClassName) return;
      if constexpr (!std::is_same_v<Row, Base>) json[kClassKey] = Row::kClassName;
      Writer writer(json);
      Map(writer, static_cast<Row&>(row));
      written = true;
    };
    (writeAs(static_cast<Rows*>(nullptr)), ...);
    if (!written) {
      throw std::logic_error(std::string("no JSON form for class ") + row.ClassName());
    }
    return json;
  }

  Json& out_;
};

// ---- Reading the fields from JSON

class Reader {
 public:
  Reader(const Json& in, std::string path, std::string owner, const ClassRegistry& classes)
      : in_(in), path_(std::move(path)), owner_(std::move(owner)), classes_(classes) {
    if (!in_.is_object()) WrongType(path_, "et objekt", in_);
  }

  void String(const char* key, std::string& value) {
    if (const Json* json = Find(key)) value = StringFrom(*json, Child(path_, key));
  }
  void Float(const char* key, float& value) {
    if (const Json* json = Find(key)) value = FloatFrom(*json, Child(path_, key));
  }
  void Word(const char* key, int& value) {
    if (const Json* json = Find(key)) {
      value = static_cast<int>(IntegerFrom(*json, Child(path_, key), 0, 0xFFFF));
    }
  }
  void Long(const char* key, int& value) {
    if (const Json* json = Find(key)) value = LongFrom(*json, Child(path_, key));
  }
  void Colour(const char* key, std::uint32_t& value) {
    if (const Json* json = Find(key)) value = ColourFrom(*json, Child(path_, key));
  }
  template <std::size_t N>
  void Longs(const char* key, std::array<int, N>& values) {
    if (const Json* json = FindArray(key, N)) {
      for (std::size_t i = 0; i < N; ++i)
        values[i] = LongFrom((*json)[i], Element(Child(path_, key), i));
    }
  }
  template <std::size_t N>
  void Floats(const char* key, std::array<float, N>& values) {
    if (const Json* json = FindArray(key, N)) {
      for (std::size_t i = 0; i < N; ++i)
        values[i] = FloatFrom((*json)[i], Element(Child(path_, key), i));
    }
  }
  template <class T>
  void List(const char* key, TypedList<T>& rows) {
    const Json* json = Find(key);
    if (json == nullptr) return;
    const std::string path = Child(path_, key);
    if (!json->is_array()) WrongType(path, "en liste", *json);
    rows.Clear();
    for (std::size_t i = 0; i < json->size(); ++i) {
      rows.Append(ReadRow<T>((*json)[i], Element(path, i), classes_,
                             static_cast<typename RowClasses<T>::type*>(nullptr)));
    }
  }
  // A list the row cannot be without (the program's dialogs refuse it
  // empty, and the calculations would have nothing to choose from); checked
  // by Finish, once the row's fields are known to be right.
  void Required(const char* key, const ObjectList& rows) { required_.emplace_back(key, &rows); }
  // A field the program makes from others: made when the JSON leaves it out.
  template <class F>
  void Derived(const char* key, F&& derive) {
    Known(key);
    if (!in_.contains(key)) derive();
  }
  // Fields made together (false: they cannot be made from these values).
  template <class F>
  void DerivedAll(std::initializer_list<const char*> keys, const char* failure, F&& derive) {
    for (const char* key : keys) {
      Known(key);
      if (in_.contains(key)) return;
    }
    if (!derive()) Fail(path_, failure);
  }
  // A text field that builds `field` and is not stored itself.
  template <class F>
  void InputOnly(const char* key, const char* field, F&& build) {
    const Json* json = Find(key);
    if (json == nullptr) return;
    if (in_.contains(field)) {
      Fail(Child(path_, key),
           std::string("oppgi enten ") + field + " eller " + key + ", ikke begge");
    }
    build(StringFrom(*json, Child(path_, key)));
  }

  void Known(const char* key) { known_.push_back(key); }

  // Every field of the JSON object must have been taken, and every
  // required list must have rows.
  void Finish() const {
    for (const auto& [key, value] : in_.items()) {
      if (std::find(known_.begin(), known_.end(), key) == known_.end()) {
        Fail(Child(path_, key), "ukjent felt i " + owner_);
      }
    }
    for (const auto& [key, rows] : required_) {
      if (rows->empty()) {
        throw EmptyRequiredListError(Child(path_, key), "listen kan ikke være tom");
      }
    }
  }

 private:
  const Json* Find(const char* key) {
    Known(key);
    const auto it = in_.find(key);
    return it == in_.end() ? nullptr : &*it;
  }

  const Json* FindArray(const char* key, std::size_t size) {
    const Json* json = Find(key);
    if (json == nullptr) return nullptr;
    const std::string path = Child(path_, key);
    if (!json->is_array())
      WrongType(path, "en liste med " + std::to_string(size) + " verdier", *json);
    if (json->size() != size) {
      Fail(path,
           "venter " + std::to_string(size) + " verdier, fant " + std::to_string(json->size()));
    }
    return json;
  }

  static int LongFrom(const Json& json, const std::string& path) {
    return static_cast<int>(IntegerFrom(json, path, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max()));
  }

  template <class Base, class... Rows>
  static std::unique_ptr<Base> ReadRow(const Json& json, const std::string& path,
                                       const ClassRegistry& classes, std::tuple<Rows...>*) {
    if (!json.is_object()) WrongType(path, "et objekt", json);
    std::string className = Base::kClassName;
    if (const auto it = json.find(kClassKey); it != json.end()) {
      if (!it->is_string()) WrongType(Child(path, kClassKey), "et klassenavn", *it);
      className = it->template get<std::string>();
    }
    std::unique_ptr<Base> row;
    auto readAs = [&](auto* tag) {
      using Row = std::remove_pointer_t<decltype(tag)>;
      if (row || className != Row::kClassName) return;
      if (classes.Find(className) == nullptr) {
        Fail(Child(path, kClassKey), "klassen " + className + " kan ikke stå i denne filen");
      }
      auto made = std::make_unique<Row>();
      Reader reader(json, path, className, classes);
      reader.Known(kClassKey);
      Map(reader, *made);
      reader.Finish();
      row = std::move(made);
    };
    (readAs(static_cast<Rows*>(nullptr)), ...);
    if (!row) {
      Fail(Child(path, kClassKey),
           "klassen " + className + " kan ikke stå i en liste av " + Base::kClassName);
    }
    return row;
  }

  const Json& in_;
  std::string path_;
  std::string owner_;
  const ClassRegistry& classes_;
  std::vector<std::string> known_;
  std::vector<std::pair<const char*, const ObjectList*>> required_;
};

// ---- One mapping per row class, in stored order, for both directions

template <class V>
void MapListItem(V& v, CListItem& row) {
  v.String("Name", row.Name);
  v.String("Description", row.Description);
}

template <class V>
void Map(V& v, CIsoTykkelse& row) {
  v.String("Name", row.Name);
  v.Float("Thickness", row.Thickness);
  v.Word("DiameterLimited", row.DiameterLimited);
  v.Float("MinDiameter", row.MinDiameter);
  v.Float("MaxDiameter", row.MaxDiameter);
  v.Derived("Name", [&row] { row.UpdateName(); });
}

// A product's fields up to its list of standard rows.
template <class V>
void MapProductFields(V& v, CIsoProdukt& row) {
  MapListItem(v, row);
  v.Float("MaxTemperature", row.MaxTemperature);
  v.Float("MinThickness", row.MinThickness);
  v.Float("MaxThickness", row.MaxThickness);
  v.Float("SurfaceEmissivity", row.SurfaceEmissivity);
  v.Word("NotOuterLayer", row.NotOuterLayer);
  v.Float("C3", row.C3);
  v.Float("C2", row.C2);
  v.Float("C1", row.C1);
  v.Float("C0", row.C0);
  v.Colour("InsulationColour", row.InsulationColour);
  v.Colour("SurfaceColour", row.SurfaceColour);
  v.Longs("UseFlags", row.UseFlags);
}

template <class V>
void Map(V& v, CIsoProdukt& row) {
  MapProductFields(v, row);
  v.List("Thicknesses", row.Thicknesses);
  v.Required("Thicknesses", row.Thicknesses);
}

template <class V>
void Map(V& v, CEgendefIsoProdukt& row) {
  Map(v, static_cast<CIsoProdukt&>(row));
  v.Floats("Temperatures", row.Temperatures);
  v.Floats("Lambdas", row.Lambdas);
  v.DerivedAll({"C3", "C2", "C1", "C0"},
               "to av temperaturene er like, så C3, C2, C1 og C0 må oppgis",
               [&row] { return row.FitCoefficients(); });
}

template <class V>
void Map(V& v, CKorbuFlexTykkelse& row) {
  v.String("Name", row.Name);
  v.Float("Thickness", row.Thickness);
  v.Float("MaxDiameter", row.MaxDiameter);
  v.Derived("Name", [&row] { row.UpdateName(); });
}

template <class V>
void Map(V& v, CKorbuFlexSerie& row) {
  v.String("Name", row.Name);
  v.Float("MinDiameter", row.MinDiameter);
  v.Float("MaxDiameter", row.MaxDiameter);
  v.List("SeriesThicknesses", row.SeriesThicknesses);
  v.Required("SeriesThicknesses", row.SeriesThicknesses);
}

template <class V>
void Map(V& v, CKorbuFlex& row) {
  MapProductFields(v, row);
  v.List("Series", row.Series);
  v.Required("Series", row.Series);
}

template <class V>
void Map(V& v, CAbsorpsjonTykkelse& row) {
  MapListItem(v, row);
  v.Float("Thickness", row.Thickness);
  v.Floats("Coefficients", row.Coefficients);
  v.Derived("Name", [&row] { row.UpdateName(); });
}

template <class V>
void Map(V& v, CAbsorpsjon& row) {
  MapListItem(v, row);
  v.Colour("InsulationColour", row.InsulationColour);
  v.Colour("SurfaceColour", row.SurfaceColour);
  v.List("AbsorptionThicknesses", row.AbsorptionThicknesses);
  v.Required("AbsorptionThicknesses", row.AbsorptionThicknesses);
}

template <class V, class Row>
void MapSurface(V& v, EmissiveSurface<Row>& row) {
  MapListItem(v, row);
  v.Float("Emissivity", row.Emissivity);
  v.Colour("Colour", row.Colour);
}
template <class V>
void Map(V& v, CMantling& row) {
  MapSurface(v, row);
}
template <class V>
void Map(V& v, COverflate& row) {
  MapSurface(v, row);
}
template <class V>
void Map(V& v, CInnvMantling& row) {
  MapSurface(v, row);
}

template <class V>
void Map(V& v, CTilleggslengde& row) {
  MapListItem(v, row);
  v.Float("AdditionalLength", row.AdditionalLength);
  v.Float("MinDiameter", row.MinDiameter);
  v.Float("MaxDiameter", row.MaxDiameter);
  v.Derived("Name", [&row] { row.UpdateName(); });
}

template <class V>
void Map(V& v, CTillegg2& row) {
  MapListItem(v, row);
  v.List("Lengths", row.Lengths);
  v.Required("Lengths", row.Lengths);
}

template <class V>
void Map(V& v, CVeske& row) {
  MapListItem(v, row);
  v.Float("Density", row.Density);
  v.Float("HeatCapacity", row.HeatCapacity);
  v.Float("FreezingPoint", row.FreezingPoint);
}

template <class V>
void Map(V& v, CKlimasted& row) {
  MapListItem(v, row);
  v.String("DisplayText", row.DisplayText);
  v.Float("MeanTemperature", row.MeanTemperature);
  v.Float("MeanWindSpeed", row.MeanWindSpeed);
  v.Derived("DisplayText", [&row] { row.UpdateDisplayText(); });
}

template <class V>
void Map(V& v, CIsoKostnad& row) {
  v.String("Name", row.Name);
  v.String("DisplayText", row.DisplayText);
  v.Float("Price", row.Price);
  v.InputOnly("UnitWord", "DisplayText",
              [&row](const std::string& unitWord) { row.UpdateDisplayText(unitWord); });
}

// The lists of each file under the names of their fields.
template <class V>
void MapFile(V& v, DataFileContents& contents) {
  switch (contents.kind) {
    case DataFileKind::Database: {
      DatabaseLists& d = contents.database;
      v.List("InsulationProducts", d.InsulationProducts);
      v.List("HoseProducts", d.HoseProducts);
      v.List("AbsorptionProducts", d.AbsorptionProducts);
      v.List("Jacketings", d.Jacketings);
      v.List("Surfaces", d.Surfaces);
      v.List("InnerJacketings", d.InnerJacketings);
      v.List("AccessoryTypes", d.AccessoryTypes);
      v.List("Liquids", d.Liquids);
      break;
    }
    case DataFileKind::UserDatabase:
      v.List("UserProducts", contents.userDatabase.UserProducts);
      break;
    case DataFileKind::Climate:
      v.List("Locations", contents.locations);
      break;
    case DataFileKind::Cost:
      v.List("Entries", contents.costs);
      break;
  }
}

// ---- Text

bool IsPlain(const Json& json) {
  return !json.is_object() && !json.is_array();
}

std::string Scalar(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::strict);
}

// `prefix` characters stand before the value on its line.
void WriteText(std::string& out, const Json& json, std::size_t indent, std::size_t prefix) {
  constexpr std::size_t kLineWidth = 120;
  if (IsPlain(json)) {
    out += Scalar(json);
    return;
  }
  const bool object = json.is_object();
  if (json.empty()) {
    out += object ? "{}" : "[]";
    return;
  }
  if (std::all_of(json.begin(), json.end(), IsPlain)) {
    std::string line = object ? "{" : "[";
    bool first = true;
    for (const auto& [key, value] : json.items()) {
      if (!first) line += ", ";
      first = false;
      if (object) line += Scalar(Json(key)) + ": ";
      line += Scalar(value);
    }
    line += object ? "}" : "]";
    if (prefix + line.size() <= kLineWidth) {
      out += line;
      return;
    }
  }
  out += object ? "{" : "[";
  const std::string inner(indent + 2, ' ');
  bool first = true;
  for (const auto& [key, value] : json.items()) {
    out += first ? "\n" : ",\n";
    first = false;
    out += inner;
    std::size_t at = inner.size();
    if (object) {
      const std::string name = Scalar(Json(key)) + ": ";
      out += name;
      at += name.size();
    }
    WriteText(out, value, indent + 2, at);
  }
  out += "\n" + std::string(indent, ' ') + (object ? "}" : "]");
}

}  // namespace

Json ContentsToJson(DataFileContents& contents) {
  Json json = Json::object();
  json[kKindKey] = std::string(KindWord(contents.kind));
  Writer writer(json);
  MapFile(writer, contents);
  return json;
}

std::optional<DataFileKind> KindInJson(const Json& json) {
  if (!json.is_object() || !json.contains(kKindKey)) return std::nullopt;
  const Json& word = json[kKindKey];
  const std::optional<DataFileKind> kind =
      word.is_string() ? KindFromWord(word.get<std::string>()) : std::nullopt;
  if (!kind) {
    throw JsonMappingError(kKindKey,
                           "filtypen må være \"dat\", \"egendef\", \"cli\" eller \"cst\"");
  }
  return kind;
}

void ContentsFromJson(DataFileContents& contents, const Json& json) {
  if (const std::optional<DataFileKind> stated = KindInJson(json);
      stated && *stated != contents.kind) {
    throw JsonMappingError(kKindKey, "filen er \"" + std::string(KindWord(*stated)) +
                                         "\", ikke \"" + std::string(KindWord(contents.kind)) +
                                         "\"");
  }
  Reader reader(json, "", FileLabel(contents.kind), ClassesOf(contents.kind));
  reader.Known(kKindKey);
  MapFile(reader, contents);
  reader.Finish();
}

std::string JsonText(const Json& json) {
  std::string out;
  WriteText(out, json, 0, 0);
  out += "\n";
  return out;
}

}  // namespace kav::cli
