#pragma once

#include <string>

#include "platform/host/control/control.h"

namespace host {

// The access letter of a caption, lower-cased ("&File" gives 'f', "Fish && Chips" none).
char32_t AccessLetter(const std::string& caption);
// A caption without its "&" markers, as it is shown.
std::string ShownCaption(const std::string& caption);

// Alt with a letter on an intrinsic element of the form: a button or check box is clicked,
// a label or frame hands the focus on. True when the element answered.
bool HandleIntrinsicAccessKey(Form& form, Control& control, char32_t letter);
// Enter clicks the focused command button or the form's default button; Escape the cancel
// button.
void PressDefaultButton(Form& form, bool enter, Object& focused);

}  // namespace host
