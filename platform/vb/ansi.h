#pragma once

#include <string>
#include <string_view>

namespace vb {

// The system ANSI code page (936 by default, since the system's own texts are Chinese).
int AnsiCodePage();
void SetAnsiCodePage(int code_page);
// Whether the conversions know this code page (iconv has a converter for it).
bool IsKnownCodePage(int code_page);

// UTF-8 to the ANSI code page and back. A character the code page cannot hold becomes "?",
// as the platform's conversion does; malformed input bytes become "?" as well.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

// Length of a string in bytes of the ANSI code page.
int AnsiLength(std::string_view utf8);

// The longest prefix of a UTF-8 string whose ANSI form has at most `bytes` bytes (never
// splitting a character); a negative count means the whole string.
std::string_view AnsiPrefix(std::string_view utf8, int bytes);

// Number of code points in a UTF-8 string, and the byte offset of code point `index`.
int CodePointCount(std::string_view utf8);
std::size_t CodePointOffset(std::string_view utf8, int index);

}  // namespace vb
