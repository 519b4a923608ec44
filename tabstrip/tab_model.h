#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vb/ole_color.h"
#include "platform/vb/std_picture.h"

namespace quorin {

// The edge that carries the tabs.
enum eTabAlignment : std::int32_t { tTop = 0, tLeft = 1, tRight = 2, tBottom = 3 };

// One tab of the strip. A new record is empty: no caption, width 0, disabled, fixed width.
struct TabRecord {
  std::string Caption;  // "&" marks the access character, "&&" shows one "&"
  std::int32_t Width = 0;
  bool Enabled = false;
  bool AutoSize = false;
  vb::PictureRef Picture;
};

// The colour translated to RGB (system colours resolved; black for one that does not
// translate) with `amount` added to each channel, clamped to 0..255.
vb::COLORREF ShiftColor(vb::OLE_COLOR colour, int amount);

// The access character of a caption in lower case, or "" for none. Only the first two
// ampersands are looked at: "Fish && &Chips" gives "c", "A&&B" and "Tab&" give "".
std::string AccessKeyOf(std::string_view caption);

// The character code the keyboard reports for an access character: its ANSI code, a
// double-byte character as a signed 16-bit value.
std::int16_t AnsiCharCode(std::string_view character);

}  // namespace quorin
