#pragma once

// Bytes of a form file to UTF-8 text and back. A file whose bytes are valid UTF-8 (with or
// without a byte-order mark) is UTF-8; any other file is in the ANSI code page.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/host/form_file/form_tree.h"

namespace host::formfile {

// Offset of the first byte that does not belong to a well-formed UTF-8 sequence, or npos.
std::size_t FirstInvalidUtf8(std::string_view bytes);

// Text in UTF-8 and the encoding the bytes were in. A byte-order mark is removed; bytes after
// a mark that are not UTF-8 leave `bad_offset` at the first bad byte (npos otherwise).
std::string DecodeText(std::string_view bytes, TextEncoding* encoding, std::size_t* bad_offset);

// A string of the companion file: UTF-8 when valid, else the ANSI code page.
std::string DecodeString(std::string_view bytes);

// UTF-8 text in the given encoding. Returns false (leaving `out` filled) when the ANSI code
// page cannot hold the text, or when its ANSI bytes would read back as different UTF-8 text.
bool EncodeText(std::string_view utf8, TextEncoding encoding, std::string* out);

}  // namespace host::formfile
