#include "core/strings.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/string_table.h"

namespace kav {

const std::string& Str(int id) {
  static const std::string empty;
  const std::string* text = FindString(id);
  return text ? *text : empty;
}

bool HasString(int id) {
  return FindString(id) != nullptr;
}

std::string FormatRawV(const char* format, std::va_list args) {
  // Page values and messages fit the buffer: formatted once. A longer text
  // is formatted again at its length.
  std::array<char, 256> buffer{};
  std::va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(buffer.data(), buffer.size(), format, copy);
  va_end(copy);
  if (needed <= 0) return std::string();
  const auto length = static_cast<std::size_t>(needed);
  if (length < buffer.size()) return std::string(buffer.data(), length);
  std::string out(length, '\0');
  std::vsnprintf(out.data(), length + 1, format, args);
  return out;
}

std::string FormatRaw(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string out = FormatRawV(format, args);
  va_end(args);
  return out;
}

void FormatValue(std::string& out, int formatId, float value) {
  out = FormatRaw(Str(formatId).c_str(), static_cast<double>(value));
}

std::string FormatValue(int formatId, float value) {
  std::string out;
  FormatValue(out, formatId, value);
  return out;
}

std::string Substitute(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace kav
