#pragma once

// How the values of intrinsic controls and of the form travel between a form file and a live
// form, beside the generic late-bound assignment: what an absent key means, which keys wait
// until every control is placed, list items, and which values saving writes.

#include <string_view>

#include "platform/host/control/property_bag.h"
#include "platform/host/form_file/form_file.h"
#include "platform/host/object.h"
#include "platform/host/types/class_info.h"
#include "platform/vb/std_font.h"

namespace host::formio {

// Keys applied only after every control is placed: positions in a form file are twips
// whatever a container's scale, so the scale comes last. The form's WindowState waits too,
// so that its position and size are taken first.
bool IsDeferredKey(std::string_view key, bool form);

// A ScaleMode the engine can apply (1 to 7); 0 (a user scale) stays in the file as written.
bool AppliesScaleMode(const formfile::FormNode& node);

// The value a key takes when the file leaves it out, where that is not a new instance's:
// text properties (Caption, Text) are empty, not the name given when a control is placed, and
// the font is a copy of the container's (`inherited_font`, when there is one).
void AddAbsentDefaults(const formfile::FormNode& node, const ClassInfo& info,
                       const vb::FontRef& inherited_font, PropertyBag& properties);

// Puts the items of `List` and `ItemData` values into a list box or combo box.
void ApplyLists(const formfile::FormNode& node, Object& live);

// Writes an intrinsic control's or the form's properties into its node: every value that
// differs from the one the file's absence would give, and every value the file already
// wrote (so `TabIndex = 0` and a check box's `Value` stay). `fresh` is a new instance;
// `container_font` the font an absent Font block stands for.
void SaveIntrinsic(formfile::FormNode& node, Object& live, Object* fresh, bool form,
                   const vb::FontRef& container_font);

}  // namespace host::formio
