#include "platform/host/components/guid.h"

#include <cstdio>

namespace host::components {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<QGUID> ParseGuid(std::string_view text) {
  // 8-4-4-4-12 hex digits inside braces.
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return std::nullopt;
  std::uint8_t bytes[16];
  int n = 0;
  for (std::size_t i = 1; i + 1 < text.size();) {
    if (i == 9 || i == 14 || i == 19 || i == 24) {
      if (text[i] != '-') return std::nullopt;
      ++i;
      continue;
    }
    const int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0 || n >= 16) return std::nullopt;
    bytes[n++] = static_cast<std::uint8_t>(hi * 16 + lo);
    i += 2;
  }
  if (n != 16) return std::nullopt;
  QGUID g{};
  g.Data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
            (std::uint32_t{bytes[2]} << 8) | bytes[3];
  g.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  g.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i) g.Data4[i] = bytes[8 + i];
  return g;
}

std::string FormatGuid(const QGUID& g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

bool SameGuid(const QGUID& a, const QGUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a.Data4[i] != b.Data4[i]) return false;
  }
  return true;
}

}  // namespace host::components
