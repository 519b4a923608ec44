#include "platform/vb/ansi.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace vb {

namespace {

int g_code_page = 936;

std::string IconvName(int code_page) {
  switch (code_page) {
    case 65001:
      return "UTF-8";
    case 936:
      return "CP936";
    case 1252:
      return "CP1252";
    default:
      return "CP" + std::to_string(code_page);
  }
}

// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Whether `code_page` is a double-byte code page and `byte` may follow a lead byte there.
bool IsTrailByte(int code_page, unsigned char byte) {
  switch (code_page) {
    case 932:  // Shift-JIS
      return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
    case 936:  // GBK
    case 949:  // Unified Hangul Code
    case 950:  // Big5
      return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
    default:
      return false;
  }
}

// Converts with iconv, replacing each unconvertible input character by "?".
std::string Convert(std::string_view input, const std::string& from, const std::string& to,
                    bool input_is_utf8) {
  iconv_t cd = iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  std::string out;
  std::vector<char> buffer(input.size() * 4 + 16);
  std::size_t pos = 0;
  while (pos < input.size()) {
    char* in_ptr = const_cast<char*>(input.data() + pos);
    std::size_t in_left = input.size() - pos;
    char* out_ptr = buffer.data();
    std::size_t out_left = buffer.size();
    const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    out.append(buffer.data(), buffer.size() - out_left);
    pos = input.size() - in_left;
    if (result == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: skip one input character and emit "?".
      out.push_back('?');
      std::size_t skip = 1;
      if (input_is_utf8) {
        skip = SequenceLength(static_cast<unsigned char>(input[pos]));
      } else if (static_cast<unsigned char>(input[pos]) >= 0x80 && pos + 1 < input.size() &&
                 IsTrailByte(g_code_page, static_cast<unsigned char>(input[pos + 1]))) {
        // A bad pair of a double-byte code page is one character; a byte that cannot
        // continue it (a quote, a line end) is never swallowed.
        skip = 2;
      }
      pos += std::min(skip, input.size() - pos);
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

int AnsiCodePage() {
  return g_code_page;
}
void SetAnsiCodePage(int code_page) {
  g_code_page = code_page;
}

bool IsKnownCodePage(int code_page) {
  if (code_page <= 0) return false;
  iconv_t cd = iconv_open("UTF-8", IconvName(code_page).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv_close(cd);
  return true;
}

std::string ToAnsi(std::string_view utf8) {
  return Convert(utf8, "UTF-8", IconvName(g_code_page), true);
}

std::string FromAnsi(std::string_view ansi) {
  return Convert(ansi, IconvName(g_code_page), "UTF-8", false);
}

int AnsiLength(std::string_view utf8) {
  return static_cast<int>(ToAnsi(utf8).size());
}

std::string_view AnsiPrefix(std::string_view utf8, int bytes) {
  if (bytes < 0) return utf8;
  std::size_t pos = 0;
  int used = 0;
  while (pos < utf8.size()) {
    const std::size_t len =
        std::min(SequenceLength(static_cast<unsigned char>(utf8[pos])), utf8.size() - pos);
    const int cost = static_cast<int>(ToAnsi(utf8.substr(pos, len)).size());
    if (used + cost > bytes) break;
    used += cost;
    pos += len;
  }
  return utf8.substr(0, pos);
}

int CodePointCount(std::string_view utf8) {
  int count = 0;
  for (std::size_t pos = 0; pos < utf8.size();
       pos += SequenceLength(static_cast<unsigned char>(utf8[pos]))) {
    ++count;
  }
  return count;
}

std::size_t CodePointOffset(std::string_view utf8, int index) {
  std::size_t pos = 0;
  for (int i = 0; i < index && pos < utf8.size(); ++i) {
    pos += SequenceLength(static_cast<unsigned char>(utf8[pos]));
  }
  return std::min(pos, utf8.size());
}

}  // namespace vb
