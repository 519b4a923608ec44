#pragma once

// The embedded pictures, generated at build time from the PNG files of this folder.

#include <cstddef>
#include <span>

namespace artwork::data {

struct Entry {
  const char* slot;  // "<control>/<element>[_<index>]", the file's path without ".png"
  const unsigned char* bytes;
  std::size_t size;
};

// Sorted by slot name. A function rather than shared data, so that a control library loaded
// into a program that has the artwork too keeps no second copy of a global.
std::span<const Entry> Entries();

}  // namespace artwork::data
