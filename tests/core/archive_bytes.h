#pragma once
// Spelling out archive bytes in tests: ByteBuilder().Word(1).Text("CTestRow").
#include <cstdint>
#include <string_view>
#include <vector>

namespace kav::test {

using Bytes = std::vector<std::uint8_t>;

class ByteBuilder {
 public:
  ByteBuilder& Byte(unsigned value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    return *this;
  }
  ByteBuilder& Word(unsigned value) { return Byte(value & 0xFF).Byte((value >> 8) & 0xFF); }
  ByteBuilder& Dword(std::uint32_t value) { return Word(value & 0xFFFF).Word(value >> 16); }
  // Raw bytes, no length.
  ByteBuilder& Text(std::string_view text) {
    for (char c : text) Byte(static_cast<unsigned char>(c));
    return *this;
  }
  // A string below 255 bytes with its one-byte length.
  ByteBuilder& ShortString(std::string_view text) {
    return Byte(static_cast<unsigned>(text.size())).Text(text);
  }
  // 0xFFFF, schema, name length, name.
  ByteBuilder& ClassRecord(std::string_view name, unsigned schema = 1) {
    return Word(0xFFFF).Word(schema).Word(static_cast<unsigned>(name.size())).Text(name);
  }
  ByteBuilder& Append(const Bytes& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }

  std::size_t size() const { return bytes_.size(); }
  const Bytes& bytes() const { return bytes_; }
  operator const Bytes&() const { return bytes_; }  // NOLINT: reads naturally in comparisons

 private:
  Bytes bytes_;
};

}  // namespace kav::test
