#pragma once

// Encoding of pictures that have no file bytes of their own (made or changed in memory), so
// that they can be stored in the companion file.

#include <cstdint>
#include <vector>

#include "platform/vb/std_picture.h"

namespace host::formfile {

// A bitmap becomes a PNG file; an icon (up to 256 pixels square) an icon file holding one PNG
// image, so it loads back as an icon. Pixels load back exactly. Throws vb::Error(481) when the
// picture cannot be encoded.
std::vector<std::uint8_t> EncodePicture(const vb::StdPicture& picture);

}  // namespace host::formfile
