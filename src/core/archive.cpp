#include "core/archive.h"

#include <bit>

#include "core/cp1252.h"

namespace kav {
namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::uint32_t kMaxMapCount = 0x3FFFFFFEu;
constexpr std::size_t kMaxClassNameLength = 64;
// Stored classes nest a few levels at most (a segment holds a layer that
// holds a product that holds thickness rows); this only stops hostile input.
constexpr int kMaxDepth = 32;

}  // namespace

CArchive::CArchive(std::vector<std::uint8_t> bytes, const ClassRegistry& classes,
                   std::string source)
    : loading_(true), source_(std::move(source)), bytes_(std::move(bytes)), classes_(&classes) {
  loaded_.emplace_back();  // index 0: the null object
}

CArchive::CArchive(std::string source) : loading_(false), source_(std::move(source)) {}

CArchive::~CArchive() = default;

void CArchive::Fail(const std::string& what) const {
  throw ArchiveError(source_ + ": " + what + " (posisjon " + std::to_string(pos_) + ").");
}

void CArchive::Need(std::size_t count, const char* what) const {
  if (count > Remaining()) {
    Fail(std::string("filen slutter for tidlig: ") + what + " trenger " + std::to_string(count) +
         " byte, bare " + std::to_string(Remaining()) + " igjen");
  }
}

void CArchive::WriteByte(std::uint8_t value) {
  bytes_.push_back(value);
}

void CArchive::WriteWord(std::uint16_t value) {
  bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void CArchive::WriteDword(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    bytes_.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
  }
}

void CArchive::WriteFloat(float value) {
  WriteDword(std::bit_cast<std::uint32_t>(value));
}

void CArchive::WriteString(std::string_view utf8) {
  Mark(FieldKind::String);
  const std::string text = Utf8ToCp1252(utf8);
  const std::size_t length = text.size();
  if (length < 0xFF) {
    WriteByte(static_cast<std::uint8_t>(length));
  } else if (length < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(static_cast<std::uint16_t>(length));
  } else {
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(length));
  }
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

std::uint8_t CArchive::ReadByte() {
  Need(1, "en byte");
  return bytes_[pos_++];
}

std::uint16_t CArchive::ReadWord() {
  Need(2, "et 16-bits tall");
  const auto value = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
  pos_ += 2;
  return value;
}

std::uint32_t CArchive::ReadDword() {
  Need(4, "et 32-bits tall");
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[pos_ + static_cast<std::size_t>(i)];
  pos_ += 4;
  return value;
}

float CArchive::ReadFloat() {
  Need(4, "et flyttall");
  return std::bit_cast<float>(ReadDword());
}

std::string CArchive::ReadString() {
  bool wide = false;
  std::size_t length = ReadByte();
  if (length == 0xFF) {
    std::uint16_t word = ReadWord();
    if (word == 0xFFFE) {
      // A UTF-16 string: the length prefix starts over, counting 2-byte units.
      wide = true;
      length = ReadByte();
      if (length == 0xFF) word = ReadWord();
    }
    if (length == 0xFF) {
      if (word < 0xFFFF) {
        length = word;
      } else {
        const std::uint32_t dword = ReadDword();
        if (dword == 0xFFFFFFFFu) Fail("tekstlengden er for stor");
        length = dword;
      }
    }
  }
  if (wide) {
    if (length > Remaining() / 2) {
      Fail("tekstlengden " + std::to_string(length) + " (UTF-16) er større enn resten av filen");
    }
    std::vector<std::uint16_t> units(length);
    for (auto& unit : units) unit = ReadWord();
    return Utf16ToUtf8ViaCp1252(units);
  }
  if (length > Remaining()) {
    Fail("tekstlengden " + std::to_string(length) + " er større enn resten av filen (" +
         std::to_string(Remaining()) + " byte)");
  }
  const auto* start = reinterpret_cast<const char*>(bytes_.data() + pos_);
  pos_ += length;
  return Cp1252ToUtf8(std::string_view(start, length));
}

void CArchive::Word(int& value) {
  if (loading_) {
    value = ReadWord();
  } else {
    Mark(FieldKind::Word);
    WriteWord(static_cast<std::uint16_t>(value & 0xFFFF));
  }
}

void CArchive::Long(int& value) {
  if (loading_) {
    value = static_cast<int>(ReadDword());
  } else {
    Mark(FieldKind::Long);
    WriteDword(static_cast<std::uint32_t>(value));
  }
}

void CArchive::Dword(std::uint32_t& value) {
  if (loading_) {
    value = ReadDword();
  } else {
    WriteDword(value);
  }
}

void CArchive::Float(float& value) {
  if (loading_) {
    value = ReadFloat();
  } else {
    Mark(FieldKind::Float);
    WriteFloat(value);
  }
}

void CArchive::String(std::string& value) {
  if (loading_) {
    value = ReadString();
  } else {
    WriteString(value);
  }
}

void CArchive::WriteCount(std::size_t count) {
  if (count < 0xFFFF) {
    WriteWord(static_cast<std::uint16_t>(count));
  } else {
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(count));
  }
}

std::size_t CArchive::ReadCount() {
  std::size_t count = ReadWord();
  if (count == 0xFFFF) count = ReadDword();
  if (count > Remaining() / 2) {
    Fail("listen sier " + std::to_string(count) + " elementer, men bare " +
         std::to_string(Remaining()) + " byte er igjen");
  }
  return count;
}

std::uint32_t CArchive::NextIndex() {
  const std::uint32_t index = loading_ ? static_cast<std::uint32_t>(loaded_.size()) : storeCount_;
  if (index >= kMaxMapCount) Fail("for mange objekter");
  if (!loading_) ++storeCount_;
  return index;
}

void CArchive::WriteIndexTag(std::uint32_t index, bool isClass) {
  if (index < kBigObjectTag) {
    WriteWord(static_cast<std::uint16_t>(isClass ? (kClassTag | index) : index));
  } else {
    WriteWord(kBigObjectTag);
    WriteDword(isClass ? (kBigClassTag | index) : index);
  }
}

void CArchive::WriteObject(const CObject* object) {
  if (object == nullptr) {
    WriteWord(kNullTag);
    return;
  }
  if (auto it = storedObjects_.find(object); it != storedObjects_.end()) {
    WriteIndexTag(it->second, false);
    return;
  }
  const std::string name = object->ClassName();
  if (auto it = storedClasses_.find(name); it != storedClasses_.end()) {
    WriteIndexTag(it->second, true);
  } else {
    WriteWord(kNewClassTag);
    WriteWord(ClassRegistry::kSchema);
    WriteWord(static_cast<std::uint16_t>(name.size()));
    bytes_.insert(bytes_.end(), name.begin(), name.end());
    storedClasses_[name] = NextIndex();
  }
  storedObjects_[object] = NextIndex();
  // Storing only reads the object's fields.
  const_cast<CObject*>(object)->Serialize(*this);
}

std::unique_ptr<CObject> CArchive::ReadObjectOfKind(const char* expected, KindCheck isKind) {
  const std::size_t tagAt = pos_;
  auto failHere = [&](const std::string& what) {
    pos_ = tagAt;
    Fail(what);
  };
  const std::uint16_t wordTag = ReadWord();
  std::uint32_t tag = 0;
  if (wordTag == kBigObjectTag) {
    tag = ReadDword();
  } else {
    tag = (static_cast<std::uint32_t>(wordTag & kClassTag) << 16) | (wordTag & ~kClassTag);
  }

  if ((tag & kBigClassTag) == 0) {
    // A reference to an object read earlier.
    if (tag == 0) failHere(std::string("tomt objekt der et ") + expected + "-objekt skulle stå");
    if (tag >= loaded_.size()) {
      failHere("objektnummer " + std::to_string(tag) + " finnes ikke (bare " +
               std::to_string(loaded_.size() - 1) + " lest)");
    }
    const LoadEntry& entry = loaded_[tag];
    if (entry.object == nullptr) {
      failHere("nummer " + std::to_string(tag) + " er en klasse, ikke et objekt");
    }
    if (!entry.complete) {
      failHere("objektnummer " + std::to_string(tag) +
               " viser til et objekt som ikke er ferdig lest");
    }
    const auto* item = dynamic_cast<const CListItem*>(entry.object);
    if (!isKind(*entry.object) || item == nullptr) {
      failHere("objektnummer " + std::to_string(tag) + " er et " + entry.object->ClassName() +
               "-objekt, ikke et " + expected + "-objekt");
    }
    return item->Clone();
  }

  std::string className;
  if (wordTag == kNewClassTag) {
    const std::uint16_t schema = ReadWord();
    const std::uint16_t length = ReadWord();
    if (length == 0 || length >= kMaxClassNameLength) {
      failHere("ugyldig lengde " + std::to_string(length) + " på klassenavn");
    }
    Need(length, "klassenavnet");
    className.assign(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
    pos_ += length;
    if (classes_->Find(className) == nullptr) {
      failHere("ukjent klasse \"" + Cp1252ToUtf8(className) + "\"");
    }
    if (schema != ClassRegistry::kSchema) {
      failHere("klassen " + className + " har skjema " + std::to_string(schema) +
               ", bare skjema 1 kan leses");
    }
    NextIndex();
    loaded_.push_back(LoadEntry{className, nullptr, true});
  } else {
    const std::uint32_t classIndex = tag & ~kBigClassTag;
    if (classIndex == 0 || classIndex >= loaded_.size() || loaded_[classIndex].className.empty()) {
      failHere("klassenummer " + std::to_string(classIndex) + " viser ikke til en klasse");
    }
    className = loaded_[classIndex].className;
  }

  std::unique_ptr<CObject> object = (*classes_->Find(className))();
  if (!isKind(*object)) {
    failHere("et " + className + "-objekt der et " + expected + "-objekt skulle stå");
  }
  if (depth_ >= kMaxDepth) failHere("objektene ligger for dypt i hverandre");
  const std::uint32_t index = NextIndex();
  loaded_.push_back(LoadEntry{std::string(), object.get(), false});
  ++depth_;
  object->Serialize(*this);
  --depth_;
  loaded_[index].complete = true;
  return object;
}

void CArchive::KeepAlive(std::unique_ptr<CObject> object) {
  if (object) keptAlive_.push_back(std::move(object));
}

}  // namespace kav
