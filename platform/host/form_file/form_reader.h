#pragma once

// Reading form files into a FormFile tree. Any fault (syntax, unbalanced blocks, a bad value,
// a missing or damaged companion file, a bad picture, a file too large or nested too deeply,
// a control name used twice) refuses the whole file: a vb::Error is thrown and no tree is
// returned. The error number is 380 (Invalid property value), or 53 (File not found) when the
// form file itself cannot be opened; the detail reads "<file>:<line>: <reason>".

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host/form_file/form_tree.h"
#include "platform/vb/error.h"

namespace host::formfile {

// Bounds on what a form file may be.
inline constexpr std::size_t kMaxFormFileBytes = 16u * 1024 * 1024;
// Begin and BeginProperty blocks count alike; the form block is level 1.
inline constexpr int kMaxNesting = 64;

struct ParseOptions {
  // Asked for the class of every Begin block (the form's too); returning false refuses the
  // file with "unknown class" at that line. When unset every class is accepted.
  std::function<bool(std::string_view class_name)> accept_class;
  // Asked for every `Object = …` line before the form's Begin, in order (the engine loads the
  // control library it names); a returned reason refuses the file at that line.
  std::function<std::optional<std::string>(std::string_view line)> object_line;
};

FormFile ParseFormFile(const std::filesystem::path& path, const ParseOptions& options = {});

// The error the reader throws, for checks made later on the tree (the engine's property types,
// containers): error 380 with the detail "<source_name>:<line>: <reason>".
vb::Error FormFileError(const std::string& source_name, int line, const std::string& reason);

// `bytes` is the content of a form file; `source_name` names it in errors and `base_dir` is
// the folder that companion-file and LoadPicture paths are relative to.
FormFile ParseFormText(std::string_view bytes, std::string source_name,
                       std::filesystem::path base_dir, const ParseOptions& options = {});

}  // namespace host::formfile
