#pragma once
// The string table and printf-style formatting with its formats. All
// user-facing text comes from the table (string_ids.h names the entries).
#include <cstdarg>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/string_ids.h"

namespace kav {

// The text of a string-table entry; empty for id 0 or an unknown id.
const std::string& Str(int id);
// Whether the table holds the id.
bool HasString(int id);

// printf into a std::string (C locale: the decimal separator is a point).
std::string FormatRaw(const char* format, ...);
std::string FormatRawV(const char* format, std::va_list args);

namespace detail {
template <class T>
auto PrintfArg(const T& value) {
  if constexpr (std::is_same_v<T, std::string>) {
    return value.c_str();
  } else if constexpr (std::is_same_v<T, float>) {
    return static_cast<double>(value);
  } else {
    return value;
  }
}
}  // namespace detail

// Formats with a printf format; std::string arguments are passed as text,
// floats widened to double as printf does.
template <class... Args>
std::string Format(const std::string& format, const Args&... args) {
  return FormatRaw(format.c_str(), detail::PrintfArg(args)...);
}
// Formats with the format held by a string-table entry.
template <class... Args>
std::string FormatId(int id, const Args&... args) {
  return Format(Str(id), args...);
}

// One value with a format from the string table ("%.1f °C"): the cell text
// of every result and input table.
void FormatValue(std::string& out, int formatId, float value);
std::string FormatValue(int formatId, float value);

// Replaces %1, %2 ... by the arguments, as message texts with numbered
// placeholders expect.
std::string Substitute(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace kav
