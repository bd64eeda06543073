#include "output/text_form.h"

#include "core/platform.h"

namespace kav {

std::string WithDecimalComma(std::string text) {
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text[point] = ',';
  return text;
}

namespace {

// Whether the byte begins a character (is not a UTF-8 continuation byte).
bool StartsChar(char c) {
  return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
}

}  // namespace

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if (StartsChar(c)) ++count;
  }
  return count;
}

std::string LastChars(const std::string& text, std::size_t count) {
  const std::size_t chars = CharCount(text);
  if (chars <= count) return text;
  std::size_t skip = chars - count;
  std::size_t at = 0;
  for (; at < text.size(); ++at) {
    if (!StartsChar(text[at])) continue;
    if (skip == 0) break;
    --skip;
  }
  return text.substr(at);
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  const std::size_t length = CharCount(text);
  if (length < width) out.append(width - length, ' ');
}

void PutOnClipboard(const std::string& text) {
  CurrentPlatform().SetClipboardText(text + '\0');
}

void PutOnClipboard(const std::string& text, const std::string& html) {
  CurrentPlatform().SetClipboardTextAndHtml(text + '\0', html);
}

}  // namespace kav
