#pragma once
// The rules shared by the text forms of tables and graphs (clipboard and
// text export): decimal commas, padding to a column width in characters,
// and the clipboard's plain-text form.
#include <cstddef>
#include <string>
#include <string_view>

namespace kav {

// A number as the text form writes it: its first "." becomes ",".
std::string WithDecimalComma(std::string text);
// The number of characters (not bytes) of UTF-8 text.
std::size_t CharCount(std::string_view text);
// The last `count` characters of UTF-8 text.
std::string LastChars(const std::string& text, std::size_t count);
// Appends the text and as many spaces as make it `width` characters wide.
void AppendPadded(std::string& out, std::string_view text, std::size_t width);
// Puts the text on the clipboard as plain text, with its terminating NUL.
void PutOnClipboard(const std::string& text);
// The same, with the HTML form beside it.
void PutOnClipboard(const std::string& text, const std::string& html);

}  // namespace kav
