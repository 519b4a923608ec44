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

// Writes `bytes` to a temporary file beside `path` and returns its name; throws vb::Error(75)
// when it cannot (the temporary is removed).
std::filesystem::path WriteTemporary(const std::filesystem::path& path, std::string_view bytes);

// Moves a temporary written by WriteTemporary over `path`; throws vb::Error(75) on failure.
void ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path);

}  // namespace host::formfile
