#pragma once

// The embedded pictures, generated at build time from the PNG files of this folder.

#include <cstddef>

namespace artwork::data {

struct Entry {
  const char* slot;  // "<control>/<element>[_<index>]", the file's path without ".png"
  const unsigned char* bytes;
  std::size_t size;
};

// Sorted by slot name; kEntryCount entries.
extern const Entry kEntries[];
extern const std::size_t kEntryCount;

}  // namespace artwork::data
