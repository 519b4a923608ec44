#pragma once

// The controls' built-in pictures, compiled into the library. Each picture is decoded once,
// on first use, and the same object is handed to every caller.

#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/std_picture.h"

namespace artwork {

// The picture of a slot, named "<control>/<element>" or "<control>/<element>_<index>" (for
// example "skin_parts/CbClose_0"; artwork/README.md lists them all). Icons and pointers come
// back as icon pictures, everything else as bitmaps. An unknown slot is error 481 (Invalid
// picture) with the slot name as its detail.
vb::PictureRef Picture(std::string_view slot);

// Every slot name, sorted.
std::vector<std::string> Slots();

}  // namespace artwork
