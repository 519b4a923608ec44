#pragma once

// The bridge between form files and live forms: a parsed FormFile becomes a form with its
// controls, control arrays and menus made by class name through the type registry, and a
// live form is written back as the designer saves it.

#include <filesystem>
#include <memory>

#include "platform/host/form/form.h"
#include "platform/host/form_file/form_file.h"

namespace host::formio {

// A form made from a file, with the tree it was read from: saving starts from that tree, so
// everything unchanged (comments, spacing, properties the engine does not know) stays as read.
struct LoadedForm {
  std::shared_ptr<VB::Form> form;
  formfile::FormFile file;
};

// Parse options that accept exactly the classes the engine can make (forms, menus and every
// creatable class of the registry).
formfile::ParseOptions EngineParseOptions();

// Makes the form of a parsed file, not yet loaded (Show loads it). Loaded user controls run
// Initialize and ReadProperties with their stored properties, never InitProperties. A tree the
// engine cannot build (a control inside a menu or inside a control that holds none, a
// property value the control refuses) is error 380 "<file>:<line>: <reason>", and nothing of
// it stays loaded.
LoadedForm LoadForm(formfile::FormFile file, bool design_mode = false);
// Reads and builds in one step (the reader's errors as ParseFormFile throws them).
LoadedForm LoadFormFile(const std::filesystem::path& path, bool design_mode = false);

// The tree of a live form as the designer would save it: the form's own properties, every
// control's position, extender properties and WriteProperties, and the menus. `original` is
// the tree the form was loaded from, or null for a form made in memory.
formfile::FormFile SaveTree(VB::Form& form, const formfile::FormFile* original = nullptr);
// SaveTree, then an atomic write of the form file and its companion file.
void SaveFormFile(VB::Form& form, const std::filesystem::path& path,
                  const formfile::FormFile* original = nullptr);

}  // namespace host::formio
