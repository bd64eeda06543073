#pragma once
// The one binary encoding of documents and data files: little-endian 16- and
// 32-bit values, IEEE single floats, length-prefixed code page 1252 strings,
// counted lists and tagged objects with class records. Classes and objects
// share one index counter per archive, starting at 1.
//
// An archive works on bytes in memory: reading needs the whole file, which
// bounds every count and length by what is left; writing collects the bytes,
// which the caller then puts on disk in one piece.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "core/class_registry.h"
#include "core/item.h"
#include "core/object_list.h"

namespace kav {

// A malformed or truncated archive. The message names the source, what was
// wrong and the byte offset where it was found.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArchive {
 public:
  // An archive that reads `bytes`; objects are created from `classes`.
  CArchive(std::vector<std::uint8_t> bytes, const ClassRegistry& classes, std::string source);
  // An archive that writes.
  explicit CArchive(std::string source);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;
  ~CArchive();

  bool IsLoading() const { return loading_; }
  bool IsStoring() const { return !loading_; }
  const std::string& Source() const { return source_; }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return loading_ ? bytes_.size() - pos_ : 0; }
  // The bytes written so far.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  void WriteByte(std::uint8_t value);
  void WriteWord(std::uint16_t value);
  void WriteDword(std::uint32_t value);
  void WriteFloat(float value);
  void WriteString(std::string_view utf8);

  std::uint8_t ReadByte();
  std::uint16_t ReadWord();
  std::uint32_t ReadDword();
  float ReadFloat();
  std::string ReadString();

  // One field in either direction. Word stores the low 16 bits of an int and
  // reads them back zero-extended; Long stores all 32 bits.
  void Word(int& value);
  void Long(int& value);
  void Dword(std::uint32_t& value);
  void Float(float& value);
  void String(std::string& value);
  // A typed code, stored as its integer.
  template <class Code>
  requires std::is_enum_v<Code>
  void Word(Code& value) {
    int stored = static_cast<int>(value);
    Word(stored);
    value = static_cast<Code>(stored);
  }
  template <class Code>
  requires std::is_enum_v<Code>
  void Long(Code& value) {
    int stored = static_cast<int>(value);
    Long(stored);
    value = static_cast<Code>(stored);
  }

  // List counts: 16 bits, or 0xFFFF and 32 bits from 0xFFFF on.
  void WriteCount(std::size_t count);
  // A count that the bytes left could hold (each element takes at least a
  // 16-bit tag).
  std::size_t ReadCount();

  // Writes the object with its tag: 0 for null, a class record or class
  // index before an object not written yet, the object's index for one that
  // was.
  void WriteObject(const CObject* object);

  // Reads a tagged object that must be a T (or derived); null, another class
  // or a damaged tag is an archive error. An index of an object read earlier
  // in this archive yields a clone of it.
  template <class T>
  std::unique_ptr<T> ReadObjectAs() {
    std::unique_ptr<CObject> object = ReadObjectOfKind(
        T::kClassName, [](const CObject& o) { return dynamic_cast<const T*>(&o) != nullptr; });
    return std::unique_ptr<T>(static_cast<T*>(object.release()));
  }

  // Keeps an object alive until the archive is destroyed. Objects that were
  // read from this archive and are no longer needed go here, since a later
  // part of the archive may refer to them by index; temporary objects that
  // are written go here so that their address is never reused for another
  // object during the same archive.
  void KeepAlive(std::unique_ptr<CObject> object);

  [[noreturn]] void Fail(const std::string& what) const;

  // Where a writing archive put each stored value: the Word, Long and Float
  // fields and every string, with the offset of their first byte. For tools
  // that change the values of a saved file (the hostile-value tests and the
  // document fuzzer); null stops the log.
  enum class FieldKind { Word, Long, Float, String };
  struct FieldMark {
    FieldKind kind;
    std::size_t offset;
  };
  void LogFields(std::vector<FieldMark>* log) { fieldLog_ = log; }

 private:
  void Mark(FieldKind kind) {
    if (fieldLog_ != nullptr) fieldLog_->push_back({kind, bytes_.size()});
  }

  using KindCheck = bool (*)(const CObject&);
  struct LoadEntry {
    std::string className;      // set for a class record
    CObject* object = nullptr;  // set for an object
    bool complete = false;      // the object's fields have all been read
  };

  void Need(std::size_t count, const char* what) const;
  std::unique_ptr<CObject> ReadObjectOfKind(const char* expected, KindCheck isKind);
  std::uint32_t NextIndex();
  void WriteIndexTag(std::uint32_t index, bool isClass);

  bool loading_;
  std::string source_;
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  const ClassRegistry* classes_ = nullptr;

  std::vector<LoadEntry> loaded_;  // index 0 is the null entry
  std::unordered_map<const CObject*, std::uint32_t> storedObjects_;
  std::unordered_map<std::string, std::uint32_t> storedClasses_;
  std::uint32_t storeCount_ = 1;
  int depth_ = 0;
  std::vector<std::unique_ptr<CObject>> keptAlive_;
  std::vector<FieldMark>* fieldLog_ = nullptr;
};

// A counted list of tagged objects of class T, in either direction; reading
// deletes the old elements first.
template <class T>
void SerializeList(CArchive& ar, TypedList<T>& list) {
  if (ar.IsStoring()) {
    ar.WriteCount(list.size());
    for (T* item : list) ar.WriteObject(item);
  } else {
    list.Clear();
    const std::size_t count = ar.ReadCount();
    for (std::size_t i = 0; i < count; ++i) list.Append(ar.ReadObjectAs<T>());
  }
}

}  // namespace kav
