#include "platform/host/form_file/text_encoding.h"

#include "platform/vb/ansi.h"

namespace host::formfile {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

std::size_t FirstInvalidUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t extra = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      if (c == 0xE0) lo = 0xA0;  // no overlong forms
      if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    } else {
      return i;
    }
    if (n - i <= extra) return i;
    if (s[i + 1] < lo || s[i + 1] > hi) return i;
    for (std::size_t k = 2; k <= extra; ++k) {
      if (s[i + k] < 0x80 || s[i + k] > 0xBF) return i;
    }
    i += extra + 1;
  }
  return std::string_view::npos;
}

std::string DecodeText(std::string_view bytes, TextEncoding* encoding, std::size_t* bad_offset) {
  *bad_offset = std::string_view::npos;
  if (bytes.starts_with(kBom)) {
    *encoding = TextEncoding::Utf8Bom;
    bytes.remove_prefix(kBom.size());
    const std::size_t bad = FirstInvalidUtf8(bytes);
    if (bad != std::string_view::npos) *bad_offset = bad;
    return std::string(bytes);
  }
  if (FirstInvalidUtf8(bytes) == std::string_view::npos) {
    *encoding = TextEncoding::Utf8;
    return std::string(bytes);
  }
  *encoding = TextEncoding::Ansi;
  return vb::FromAnsi(bytes);
}

std::string DecodeString(std::string_view bytes) {
  if (FirstInvalidUtf8(bytes) == std::string_view::npos) return std::string(bytes);
  return vb::FromAnsi(bytes);
}

bool EncodeText(std::string_view utf8, TextEncoding encoding, std::string* out) {
  switch (encoding) {
    case TextEncoding::Utf8:
      *out = std::string(utf8);
      return true;
    case TextEncoding::Utf8Bom:
      *out = std::string(kBom) + std::string(utf8);
      return true;
    case TextEncoding::Ansi:
      break;
  }
  *out = vb::ToAnsi(utf8);
  if (vb::FromAnsi(*out) != utf8) return false;
  // ANSI bytes that happen to form valid UTF-8 would be read back as UTF-8.
  return *out == utf8 || FirstInvalidUtf8(*out) != std::string_view::npos;
}

}  // namespace host::formfile
