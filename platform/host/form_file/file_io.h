#pragma once

// Whole-file reads with a size bound, and writes that replace a file only once the new content
// is complete on disk.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace host::formfile {

enum class ReadResult { kOk, kMissing, kTooLarge, kUnreadable };

ReadResult ReadWholeFile(const std::filesystem::path& path, std::size_t max_bytes,
                         std::vector<std::uint8_t>* bytes);

// The file a form file names relative to `base`, found as the designer's case-insensitive file
// system would: each part of `name` (parts split at "/" or "\\") matches its folder entry
// without regard to letter case when no entry has the exact spelling. Returns base / name
// unchanged when nothing matches.
std::filesystem::path ResolveIgnoringCase(const std::filesystem::path& base, std::string_view name);

// Writes `bytes` to a temporary file beside `path` and returns its name; throws vb::Error(75)
// when it cannot (the temporary is removed).
std::filesystem::path WriteTemporary(const std::filesystem::path& path, std::string_view bytes);

// Moves a temporary written by WriteTemporary over `path`; throws vb::Error(75) on failure.
void ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path);

}  // namespace host::formfile
