#include "tabstrip/tab_model.h"

#include <algorithm>
#include <vector>

#include "platform/vb/ansi.h"

namespace quorin {

namespace {

// The characters of UTF-8 text, one string each.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = i + 1;
    while (j < text.size() && (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80) ++j;
    out.push_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

std::string Lower(std::string_view ch) {
  std::string s(ch);
  if (s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z') s[0] = static_cast<char>(s[0] - 'A' + 'a');
  return s;
}

}  // namespace

vb::COLORREF ShiftColor(vb::OLE_COLOR colour, int amount) {
  vb::COLORREF rgb = 0;
  vb::OleTranslateColor(colour, 0, &rgb);
  auto shift = [amount](int channel) { return std::clamp(channel + amount, 0, 255); };
  return vb::RGB(shift(vb::GetRValue(rgb)), shift(vb::GetGValue(rgb)), shift(vb::GetBValue(rgb)));
}

std::string AccessKeyOf(std::string_view caption) {
  const std::vector<std::string_view> c = Characters(caption);
  const std::size_t n = c.size();
  std::size_t a = 0;
  while (a < n && c[a] != "&") ++a;
  if (a + 1 >= n) return "";  // no ampersand, or it is the last character
  if (c[a + 1] != "&") return Lower(c[a + 1]);
  // An escaped pair: only the next ampersand after it can still mark a character.
  std::size_t b = a + 2;
  while (b < n && c[b] != "&") ++b;
  if (b + 1 >= n) return "";
  if (c[b + 1] != "&") return Lower(c[b + 1]);
  return "";
}

std::int16_t AnsiCharCode(std::string_view character) {
  const std::string ansi = vb::ToAnsi(character);
  if (ansi.empty()) return 0;
  if (ansi.size() == 1) return static_cast<std::int16_t>(static_cast<unsigned char>(ansi[0]));
  const int code = (static_cast<unsigned char>(ansi[0]) << 8) | static_cast<unsigned char>(ansi[1]);
  return static_cast<std::int16_t>(code - (code > 0x7FFF ? 0x10000 : 0));
}

}  // namespace quorin
