#pragma once
// Files of this program are Windows-1252 text, one byte per character, so that files written
// years ago and by the sibling analyser stay readable. Inside the program text is UTF-8.
#include <string>
#include <string_view>

namespace terzlab {

// Characters outside the code page and broken UTF-8 become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);

// TAB, CR and LF typed into a free text would break the line and field structure of a file.
std::string BlankControlChars(std::string_view text);

} // namespace terzlab
