#pragma once

// Entries of the binary companion file (".frx") that holds what a form file's text cannot:
// pictures and long or multi-line strings. The file has no header; a property refers to an
// entry by its byte offset, `"Form1.frx":0C3A` (picture) or `$"Form1.frx":0C3A` (string).
//
// Picture entry: u32 (n + 8), the signature "lt\0\0", u32 n, then the n bytes of the picture
// file as loaded (BMP, ICO, GIF, JPEG, PNG). n = 0 is an empty picture.
// String entry: one length byte n < 255 and n bytes; or 0xFF, u16 n (n < 65535) and n bytes;
// or 0xFF 0xFF 0xFF, u32 n and n bytes; or (read only, as the engine stores some texts) u32 n
// and n bytes, recognised by the zero third and fourth bytes. Integers are little-endian. The
// writer uses the one-byte form only where it cannot be mistaken for the four-byte one.
//
// List entry (`List` and `ItemData` of a list box or combo box, referred to without "$"): u16
// item count; when it is not 0, a u16 (the length of the longest item), then each item as a
// u16 length and its bytes. ItemData values are items holding their decimal text.
//
// Every read is bounds-checked; a bad entry throws vb::Error(380) with the reason.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host::formfile::frx {

// Companion files larger than this are refused before they are read.
inline constexpr std::size_t kMaxCompanionBytes = 64u * 1024 * 1024;

// The picture bytes of the entry at `offset`.
std::span<const std::uint8_t> ReadPicture(std::span<const std::uint8_t> file, std::size_t offset);
// The string bytes of the entry at `offset` (in the form file's encoding); `entry_size`, when
// given, receives the size of the whole entry.
std::string_view ReadString(std::span<const std::uint8_t> file, std::size_t offset,
                            std::size_t* entry_size = nullptr);

// The items of the list entry at `offset`; `entry_size`, when given, receives its size.
std::vector<std::string_view> ReadList(std::span<const std::uint8_t> file, std::size_t offset,
                                       std::size_t* entry_size = nullptr);
// Whether the entry at `offset` carries a picture entry's signature.
bool IsPictureEntry(std::span<const std::uint8_t> file, std::size_t offset);

// Append an entry and return its offset.
std::uint32_t AppendPicture(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> data);
std::uint32_t AppendString(std::vector<std::uint8_t>& file, std::string_view bytes);
// Throws vb::Error(380) for more than 32767 items or an item longer than 65535 bytes.
std::uint32_t AppendList(std::vector<std::uint8_t>& file, const std::vector<std::string>& items);
// Appends an entry exactly as it was read from another companion file.
std::uint32_t AppendEntry(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> entry);

// An offset as the form text writes it: upper-case hexadecimal, at least four digits.
std::string FormatOffset(std::uint32_t offset);

}  // namespace host::formfile::frx
