#pragma once
// Names of the string-table entries (texts in string_table.cpp). Entries
// with numbers below 20000 or from 57000 on are the program's historical
// resource ids; 20000-29999 hold the texts that had none.
namespace kav::ids {

// Document and application
inline constexpr int DocumentTemplate = 2;
inline constexpr int AppTitle = 57344;
inline constexpr int WrongVersion = 20000;
inline constexpr int HelpViewerFailed = 20001;

}  // namespace kav::ids
