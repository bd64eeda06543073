#pragma once
// Finds NaN or infinity in program output: "nan", "-nan", "inf" or "-inf"
// as printf writes them (not inside a word such as "Informasjon"), or
// JSON's null where a result value belongs.
#include <cctype>
#include <string>

namespace kav::test {

inline bool IsLetterByte(unsigned char c) {
  return std::isalpha(c) || c >= 0x80;
}

// Where the output shows a non-finite number; npos when nowhere.
inline std::size_t NonFiniteAt(const std::string& out) {
  std::string lower(out);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* word : {"nan", "inf"}) {
    for (std::size_t at = lower.find(word); at != std::string::npos;
         at = lower.find(word, at + 1)) {
      const bool before = at > 0 && IsLetterByte(static_cast<unsigned char>(lower[at - 1]));
      const bool after =
          at + 3 < lower.size() && IsLetterByte(static_cast<unsigned char>(lower[at + 3]));
      if (!before && !after) return at;
    }
  }
  return out.find("\"value\":null");
}

}  // namespace kav::test
