#include "apps/quorin-run/values.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace scenario {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether the token has the shape of a decimal number; `whole` tells whether it has neither
// a decimal point nor an exponent.
bool LooksNumeric(std::string_view t, bool* whole) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  *whole = true;
  if (i < t.size() && t[i] == '.') {
    *whole = false;
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    *whole = false;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t exponent = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exponent;
    if (exponent == 0) return false;
  }
  return i == t.size();
}

ValueParse Fail(std::string error) {
  return {std::nullopt, std::move(error)};
}

ValueParse Literal(std::string_view token, vb::Variant literal) {
  Value v;
  v.literal = std::move(literal);
  v.source = std::string(token);
  return {std::move(v), {}};
}

ValueParse Number(std::string_view token) {
  bool whole = false;
  LooksNumeric(token, &whole);
  std::string_view digits = token;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  if (whole) {
    std::int64_t n = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec == std::errc() && end == digits.data() + digits.size()) {
      if (n >= std::numeric_limits<std::int16_t>::min() &&
          n <= std::numeric_limits<std::int16_t>::max())
        return Literal(token, vb::Variant(static_cast<std::int16_t>(n)));
      if (n >= std::numeric_limits<std::int32_t>::min() &&
          n <= std::numeric_limits<std::int32_t>::max())
        return Literal(token, vb::Variant(static_cast<std::int32_t>(n)));
    }
  }
  double d = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), d);
  if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(d))
    return Fail("number " + std::string(token) + " is out of range");
  return Literal(token, vb::Variant(d));
}

ValueParse Hexadecimal(std::string_view token) {
  std::string_view digits = token.substr(2);
  bool long_suffix = !digits.empty() && digits.back() == '&';
  if (long_suffix) digits.remove_suffix(1);
  std::uint32_t n = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n, 16);
  if (digits.empty() || digits.size() > 8 || ec != std::errc() ||
      end != digits.data() + digits.size())
    return Fail("bad hexadecimal number " + std::string(token) +
                ": expected &H and one to eight hexadecimal digits, as in &H8000000F&");
  // The engine's rule: up to four digits without the & is an Integer (&HFFFF is -1).
  if (!long_suffix && digits.size() <= 4)
    return Literal(token, vb::Variant(static_cast<std::int16_t>(static_cast<std::uint16_t>(n))));
  return Literal(token, vb::Variant(static_cast<std::int32_t>(n)));
}

// The shortest digits that read back as the same number, written plainly for everyday
// magnitudes and as 1.5E+20 beyond them, as the engine prints numbers.
template <typename T>
std::string Shortest(T value) {
  if (value == 0) return "0";
  char buffer[64];
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(static_cast<double>(value)))));
  bool plain = exponent >= -5 && exponent < 15;
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                              plain ? std::chars_format::fixed : std::chars_format::scientific);
  std::string text(buffer, result.ptr);
  if (!plain) {
    std::size_t e = text.find('e');
    if (e != std::string::npos) text[e] = 'E';
  }
  return text;
}

}  // namespace

bool IsName(std::string_view text) {
  if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  for (char c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

bool IsPath(std::string_view text) {
  if (text.empty()) return false;
  std::size_t start = 0;
  while (true) {
    std::size_t dot = text.find('.', start);
    std::string_view part = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
    std::size_t paren = part.find('(');
    if (paren != std::string_view::npos) {
      std::string_view index = part.substr(paren + 1);
      if (index.size() < 2 || index.back() != ')') return false;
      index.remove_suffix(1);
      for (char c : index) {
        if (!IsDigit(c)) return false;
      }
      part = part.substr(0, paren);
    }
    if (!IsName(part)) return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

std::optional<std::string> Unquote(std::string_view token) {
  if (token.size() < 2 || token.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1; i < token.size(); ++i) {
    if (token[i] != '"') {
      text += token[i];
      continue;
    }
    if (i + 1 < token.size() && token[i + 1] == '"') {
      text += '"';
      ++i;
      continue;
    }
    if (i + 1 != token.size()) return std::nullopt;  // text after the closing quote
    return text;
  }
  return std::nullopt;  // no closing quote
}

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= text.size()) return std::nullopt;
    char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 2) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    out += cp;
    i += extra + 1;
  }
  return out;
}

std::string Quote(std::string_view text) {
  std::string out;
  bool open = false;  // inside a quoted run
  bool any = false;   // a run or Chr(n) already written
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    bool control = u < 0x20 || u == 0x7F;
    if (control) {
      if (open) out += '"';
      open = false;
      out += any ? " & " : "";
      out += "Chr(" + std::to_string(u) + ")";
    } else {
      if (!open) out += any ? " & \"" : "\"";
      open = true;
      out += c == '"' ? "\"\"" : std::string(1, c);
    }
    any = true;
  }
  if (open) out += '"';
  return any ? out : "\"\"";
}

ValueParse ParseValue(std::string_view token) {
  if (token.empty()) return Fail("missing value");
  if (token.front() == '"') {
    std::optional<std::string> text = Unquote(token);
    if (!text) return Fail("bad string " + std::string(token) + ": write \"\" for a quote inside");
    return Literal(token, vb::Variant(std::move(*text)));
  }
  if (token.size() >= 2 && token[0] == '&' && (token[1] == 'H' || token[1] == 'h'))
    return Hexadecimal(token);
  if (EqualsNoCase(token, "True")) return Literal(token, vb::Variant(true));
  if (EqualsNoCase(token, "False")) return Literal(token, vb::Variant(false));
  if (EqualsNoCase(token, "Nothing")) {
    Value v;
    v.kind = Value::Kind::kNothing;
    v.source = std::string(token);
    return {std::move(v), {}};
  }
  constexpr std::string_view kLoadPicture = "LoadPicture(";
  if (token.size() > kLoadPicture.size() &&
      EqualsNoCase(token.substr(0, kLoadPicture.size()), kLoadPicture)) {
    std::optional<std::string> file;
    if (token.back() == ')')
      file = Unquote(token.substr(kLoadPicture.size(), token.size() - kLoadPicture.size() - 1));
    if (!file)
      return Fail("bad picture " + std::string(token) + ": expected LoadPicture(\"file\")");
    Value v;
    v.kind = Value::Kind::kPicture;
    v.name = std::move(*file);
    v.source = std::string(token);
    return {std::move(v), {}};
  }
  bool whole = false;
  if (LooksNumeric(token, &whole)) return Number(token);
  if (IsPath(token)) {
    Value v;
    v.kind = Value::Kind::kObject;
    v.name = std::string(token);
    v.source = std::string(token);
    return {std::move(v), {}};
  }
  return Fail("bad value " + std::string(token) +
              ": expected a number, a \"string\", &H…&, True, False, LoadPicture(\"…\"), "
              "Nothing or the name of a form or control");
}

std::string FormatVariant(const vb::Variant& value,
                          const std::function<std::string(const vb::ObjectRef&)>& object_name) {
  switch (value.kind()) {
    case vb::Variant::Kind::Empty:
      return "Empty";
    case vb::Variant::Kind::Boolean:
      return value.ToBoolean() ? "True" : "False";
    case vb::Variant::Kind::Integer:
    case vb::Variant::Kind::Long:
      return std::to_string(value.ToLong());
    case vb::Variant::Kind::Single:
      return Shortest(value.ToSingle());
    case vb::Variant::Kind::Double:
      return Shortest(value.ToDouble());
    case vb::Variant::Kind::String:
      return Quote(value.ToString());
    case vb::Variant::Kind::Object: {
      vb::ObjectRef object = value.ToObject();
      if (!object) return "Nothing";
      return object_name ? object_name(object) : "<object>";
    }
  }
  return "?";
}

std::string DescribeValue(const Value& value) {
  switch (value.kind) {
    case Value::Kind::kPicture:
      return "Picture(" + Quote(value.name) + ")";
    case Value::Kind::kNothing:
      return "Nothing";
    case Value::Kind::kObject:
      return "Object(" + value.name + ")";
    case Value::Kind::kLiteral:
      break;
  }
  const char* kind = "Empty";
  switch (value.literal.kind()) {
    case vb::Variant::Kind::Boolean:
      kind = "Boolean";
      break;
    case vb::Variant::Kind::Integer:
      kind = "Integer";
      break;
    case vb::Variant::Kind::Long:
      kind = "Long";
      break;
    case vb::Variant::Kind::Single:
      kind = "Single";
      break;
    case vb::Variant::Kind::Double:
      kind = "Double";
      break;
    case vb::Variant::Kind::String:
      kind = "String";
      break;
    default:
      break;
  }
  return std::string(kind) + "(" + FormatVariant(value.literal) + ")";
}

}  // namespace scenario
