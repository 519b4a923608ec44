#pragma once

// Writing a FormFile tree as form text plus its companion file, in the engine's layout:
// three spaces of indentation per level, keys padded to 16 characters, then "=   value".
// Pictures (and strings the text cannot hold: line breaks, control characters, more than
// 1000 bytes) go to the companion file "<form file stem>.frx" beside the form. Values read
// from a file and left unchanged are written as they were read.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/form_file/form_tree.h"

namespace host::formfile {

struct WriteOptions {
  // Keep `LoadPicture("…")` for pictures that came from one (the path re-based on the new
  // form's folder) instead of storing them in the companion file.
  bool keep_picture_files = false;
};

struct RenderedForm {
  std::string text;                            // the form file's bytes
  std::vector<std::uint8_t> companion;         // empty when nothing needs the companion file
  TextEncoding encoding = TextEncoding::Utf8;  // the encoding actually used
};

// The companion file that belongs to a form file: same folder and stem, extension ".frx".
std::filesystem::path CompanionPathFor(const std::filesystem::path& form_path);

// The bytes of both files. `companion_name` is the name the text uses in its references;
// `form_dir` is the folder the form will live in (for re-basing LoadPicture paths). The tree's
// encoding is used unless the ANSI code page cannot hold its text, in which case it is UTF-8.
// Throws vb::Error(380) for a tree that cannot be written (bad names or keys, non-finite
// numbers) and vb::Error(481) for a picture that cannot be encoded.
RenderedForm RenderFormFile(const FormFile& file, const std::string& companion_name,
                            const std::filesystem::path& form_dir,
                            const WriteOptions& options = {});

// Writes the form and its companion file: both go to temporary files first, then the
// companion file and then the form are renamed into place. On failure (vb::Error 75 for the
// file system) the files already there are left as they were.
void WriteFormFile(const FormFile& file, const std::filesystem::path& path,
                   const WriteOptions& options = {});

}  // namespace host::formfile
