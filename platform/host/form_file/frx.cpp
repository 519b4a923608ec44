#include "platform/host/form_file/frx.h"

#include <algorithm>
#include <cstdio>

#include "platform/vb/error.h"

namespace host::formfile::frx {

namespace {

[[noreturn]] void Fail(std::size_t offset, const std::string& reason) {
  throw vb::Error(
      vb::kInvalidPropertyValue,
      "companion entry at " + FormatOffset(static_cast<std::uint32_t>(offset)) + ": " + reason);
}

bool Has(std::span<const std::uint8_t> file, std::size_t offset, std::size_t count) {
  return offset <= file.size() && count <= file.size() - offset;
}

std::uint32_t U32(std::span<const std::uint8_t> file, std::size_t at) {
  return static_cast<std::uint32_t>(file[at]) | static_cast<std::uint32_t>(file[at + 1]) << 8 |
         static_cast<std::uint32_t>(file[at + 2]) << 16 |
         static_cast<std::uint32_t>(file[at + 3]) << 24;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

std::uint32_t NextOffset(const std::vector<std::uint8_t>& file, std::size_t entry_size) {
  if (file.size() + entry_size > 0xFFFFFFFFu) {
    throw vb::Error(vb::kInvalidPropertyValue, "companion file would exceed 4 GiB");
  }
  return static_cast<std::uint32_t>(file.size());
}

}  // namespace

std::span<const std::uint8_t> ReadPicture(std::span<const std::uint8_t> file, std::size_t offset) {
  if (offset >= file.size()) Fail(offset, "beyond the end of the file");
  if (!Has(file, offset, 12)) Fail(offset, "picture header cut short");
  if (file[offset + 4] != 'l' || file[offset + 5] != 't' || file[offset + 6] != 0 ||
      file[offset + 7] != 0) {
    Fail(offset, "not a picture entry (no \"lt\" signature)");
  }
  const std::uint32_t total = U32(file, offset);
  const std::uint32_t size = U32(file, offset + 8);
  if (total < 8 || total - 8 != size) Fail(offset, "picture header sizes disagree");
  if (!Has(file, offset + 12, size)) Fail(offset, "picture data cut short");
  return file.subspan(offset + 12, size);
}

std::string_view ReadString(std::span<const std::uint8_t> file, std::size_t offset,
                            std::size_t* entry_size) {
  if (offset >= file.size()) Fail(offset, "beyond the end of the file");
  std::size_t at = offset + 1;
  std::size_t size = file[offset];
  if (size == 0xFF) {
    if (!Has(file, at, 2)) Fail(offset, "string header cut short");
    size = static_cast<std::size_t>(file[at]) | static_cast<std::size_t>(file[at + 1]) << 8;
    at += 2;
    if (size == 0xFFFF) {
      if (!Has(file, at, 4)) Fail(offset, "string header cut short");
      size = U32(file, at);
      at += 4;
    }
  } else if (Has(file, offset, 4) && file[offset + 2] == 0 && file[offset + 3] == 0 &&
             Has(file, offset + 4, U32(file, offset))) {
    // A four-byte length: read as a one-byte length it would make text with NUL characters,
    // which the one-byte form never holds.
    size = U32(file, offset);
    at = offset + 4;
  }
  if (!Has(file, at, size)) Fail(offset, "string data cut short");
  if (entry_size) *entry_size = at - offset + size;
  return {reinterpret_cast<const char*>(file.data() + at), size};
}

bool IsPictureEntry(std::span<const std::uint8_t> file, std::size_t offset) {
  return Has(file, offset, 8) && file[offset + 4] == 'l' && file[offset + 5] == 't' &&
         file[offset + 6] == 0 && file[offset + 7] == 0;
}

std::vector<std::string_view> ReadList(std::span<const std::uint8_t> file, std::size_t offset,
                                       std::size_t* entry_size) {
  if (offset >= file.size()) Fail(offset, "beyond the end of the file");
  auto u16 = [&](std::size_t at) {
    if (!Has(file, at, 2)) Fail(offset, "list entry cut short");
    return static_cast<std::size_t>(file[at]) | static_cast<std::size_t>(file[at + 1]) << 8;
  };
  const std::size_t count = u16(offset);
  std::size_t at = offset + 2;
  std::vector<std::string_view> items;
  if (count > 0) {
    at += 2;  // the longest item's length, not needed to read
    if (count > 32767) Fail(offset, "list entry with more than 32767 items");
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t size = u16(at);
      at += 2;
      if (!Has(file, at, size)) Fail(offset, "list item cut short");
      items.emplace_back(reinterpret_cast<const char*>(file.data() + at), size);
      at += size;
    }
  }
  if (entry_size) *entry_size = at - offset;
  return items;
}

std::uint32_t AppendList(std::vector<std::uint8_t>& file, const std::vector<std::string>& items) {
  if (items.size() > 32767) {
    throw vb::Error(vb::kInvalidPropertyValue, "a list holds at most 32767 items");
  }
  std::size_t size = 2, longest = 0;
  for (const std::string& item : items) {
    if (item.size() > 0xFFFF) {
      throw vb::Error(vb::kInvalidPropertyValue, "a list item holds at most 65535 bytes");
    }
    size += 2 + item.size();
    longest = std::max(longest, item.size());
  }
  const std::uint32_t offset = NextOffset(file, size + 2);
  PutU16(file, static_cast<std::uint32_t>(items.size()));
  if (items.empty()) return offset;
  PutU16(file, static_cast<std::uint32_t>(longest));
  for (const std::string& item : items) {
    PutU16(file, static_cast<std::uint32_t>(item.size()));
    file.insert(file.end(), item.begin(), item.end());
  }
  return offset;
}

std::uint32_t AppendPicture(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> data) {
  if (data.size() > 0xFFFFFFFFu - 8) {
    throw vb::Error(vb::kInvalidPropertyValue, "picture too large for the companion file");
  }
  const std::uint32_t offset = NextOffset(file, data.size() + 12);
  const auto size = static_cast<std::uint32_t>(data.size());
  PutU32(file, size + 8);
  file.insert(file.end(), {'l', 't', 0, 0});
  PutU32(file, size);
  file.insert(file.end(), data.begin(), data.end());
  return offset;
}

std::uint32_t AppendString(std::vector<std::uint8_t>& file, std::string_view bytes) {
  if (bytes.size() > 0xFFFFFFFFu) {
    throw vb::Error(vb::kInvalidPropertyValue, "string too large for the companion file");
  }
  const std::uint32_t offset = NextOffset(file, bytes.size() + 7);
  const auto size = static_cast<std::uint32_t>(bytes.size());
  // The one-byte form only where it cannot be taken for a four-byte length.
  const bool one_byte = size < 0xFF && size >= 3 && (bytes[1] != 0 || bytes[2] != 0);
  if (one_byte) {
    file.push_back(static_cast<std::uint8_t>(size));
  } else if (size < 0xFFFF) {
    file.push_back(0xFF);
    PutU16(file, size);
  } else {
    file.insert(file.end(), {0xFF, 0xFF, 0xFF});
    PutU32(file, size);
  }
  file.insert(file.end(), bytes.begin(), bytes.end());
  return offset;
}

std::uint32_t AppendEntry(std::vector<std::uint8_t>& file, std::span<const std::uint8_t> entry) {
  const std::uint32_t offset = NextOffset(file, entry.size());
  file.insert(file.end(), entry.begin(), entry.end());
  return offset;
}

std::string FormatOffset(std::uint32_t offset) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(offset));
  return buffer;
}

}  // namespace host::formfile::frx
