#pragma once
// Conversion between UTF-8 (the program's text in memory) and Windows code
// page 1252 (the text in every stored file). Only the archive uses these.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

// Every byte maps to one code point; the five bytes that code page 1252
// leaves undefined map to the C1 control characters of the same value, so
// that any byte string survives a round trip unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters outside code page 1252, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// UTF-16 text as stored by newer writers: converted through code page 1252
// exactly as the stored 8-bit form would be.
std::string Utf16ToUtf8ViaCp1252(const std::vector<std::uint16_t>& units);

}  // namespace kav
