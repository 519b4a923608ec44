#include "platform/host/form_file/form_reader.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <set>

#include "platform/host/form_file/file_io.h"
#include "platform/host/form_file/frx.h"
#include "platform/host/form_file/text_encoding.h"
#include "platform/vb/error.h"

namespace host::formfile {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
// Identifiers may hold letters of any script (UTF-8 bytes at or above 0x80).
bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || IsDigit(c);
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  return s;
}

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// A position in one line of text.
struct Cursor {
  std::string_view s;
  std::size_t i = 0;

  bool AtEnd() const { return i >= s.size(); }
  char Peek(std::size_t ahead = 0) const { return i + ahead < s.size() ? s[i + ahead] : '\0'; }
  void SkipSpace() {
    while (!AtEnd() && IsSpace(s[i])) ++i;
  }
  bool Eat(char c) {
    if (Peek() != c) return false;
    ++i;
    return true;
  }
  // A run of identifier characters, empty when none starts here.
  std::string_view Ident() {
    if (!IsIdentStart(Peek())) return {};
    const std::size_t start = i;
    while (!AtEnd() && IsIdentChar(s[i])) ++i;
    return s.substr(start, i - start);
  }
  // A property key: an identifier that may go on with dots and (index) parts, as in
  // `Tab(0).Caption` or `Object.Tag`.
  std::string_view Key() {
    if (!IsIdentStart(Peek())) return {};
    const std::size_t start = i;
    while (!AtEnd() && (IsIdentChar(s[i]) || s[i] == '.' || s[i] == '(' || s[i] == ')')) ++i;
    return s.substr(start, i - start);
  }
  // A dotted class name such as `VB.Form`.
  std::string_view ClassName() {
    const std::size_t start = i;
    if (Ident().empty()) return {};
    while (Peek() == '.' && IsIdentStart(Peek(1))) {
      ++i;
      Ident();
    }
    return s.substr(start, i - start);
  }
  std::string_view Rest() const { return i < s.size() ? s.substr(i) : std::string_view{}; }
};

enum class Statement { Blank, Begin, End, BeginProperty, EndProperty, Assignment, Other };

Statement Classify(std::string_view line) {
  Cursor c{TrimLeft(line)};
  if (c.AtEnd()) return Statement::Blank;
  const std::string_view word = c.Ident();
  if (word.empty()) return Statement::Other;
  Cursor after = c;
  after.SkipSpace();
  if (after.Peek() == '=' || c.Peek() == '.' || c.Peek() == '(') return Statement::Assignment;
  if (EqualsIgnoreCase(word, "Begin")) return Statement::Begin;
  if (EqualsIgnoreCase(word, "BeginProperty")) return Statement::BeginProperty;
  if (EqualsIgnoreCase(word, "EndProperty") && after.AtEnd()) return Statement::EndProperty;
  if (EqualsIgnoreCase(word, "End") && after.AtEnd()) return Statement::End;
  return Statement::Other;
}

// Keys that only ever hold pictures (Picture, Icon, MouseIcon, DownPicture, Tab(0).Picture, ...),
// so a damaged entry there is reported as a bad picture.
bool IsPictureKey(std::string_view key) {
  const std::string lower = Lowered(key);
  return lower.ends_with("picture") || lower.ends_with("icon") || lower.ends_with("image");
}

bool IsFontGroup(std::string_view name, std::string_view guid) {
  return EqualsIgnoreCase(guid, kStdFontGuid) || (guid.empty() && EqualsIgnoreCase(name, "Font"));
}

}  // namespace

// Parses one file into a local tree; the tree leaves only when everything succeeded.
class FormTextReader {
 public:
  FormTextReader(std::string source_name, std::filesystem::path base_dir,
                 const ParseOptions& options)
      : source_(std::move(source_name)), base_(std::move(base_dir)), options_(options) {}

  FormFile Parse(std::string_view bytes);

 private:
  [[noreturn]] void Fail(int line, const std::string& reason) const {
    throw FormFileError(source_, line, reason);
  }
  int LineOfOffset(std::string_view text, std::size_t offset) const {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) line += text[i] == '\n';
    return line;
  }
  int Number(std::size_t index) const { return static_cast<int>(index) + 1; }
  int LastLine() const { return lines_.empty() ? 1 : Number(lines_.size() - 1); }

  void SplitLines();
  void CheckCharacters() const;
  FormNode ParseBlock(std::size_t index, int depth);
  Property ParseBeginProperty(std::size_t index, int depth);
  Property ParseAssignment(std::size_t index);
  PropertyValue ParseValue(Cursor& c, int line);
  PropertyValue ParseString(Cursor& c, int line, bool companion_string);
  PropertyValue ParseNumber(Cursor& c, int line);
  PropertyValue ParseHex(Cursor& c, int line);
  PropertyValue CompanionValue(const std::string& file, Cursor& c, int line, bool string_entry);
  PropertyValue LoadPictureValue(Cursor& c, int line);
  std::span<const std::uint8_t> Companion(const std::string& file, int line);
  vb::FontRef MakeFont(const PropertyList& list) const;
  // Keys of one block seen so far (lower case) with their lines.
  using KeyLines = std::map<std::string, int>;
  void AddProperty(PropertyList& list, KeyLines& keys, Property property, bool in_control) const;
  void CheckNames(const FormNode& form) const;

  std::string source_;
  std::filesystem::path base_;
  const ParseOptions& options_;
  std::string text_;
  std::vector<std::string_view> lines_;
  std::vector<std::size_t> starts_;  // offset of each line in text_
  std::size_t next_ = 0;             // the next line to read
  std::string newline_ = "\r\n";
  std::map<std::string, std::vector<std::uint8_t>> companions_;
  std::string key_;  // the key whose value is being read
  // Pictures already loaded by LoadPicture, by the file they came from.
  std::map<std::filesystem::path, PictureValue> loaded_;
};

void FormTextReader::SplitLines() {
  std::size_t start = 0;
  bool newline_seen = false;
  while (start < text_.size()) {
    std::size_t end = text_.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = text_.size();
    std::size_t content_end = end;
    if (!last && content_end > start && text_[content_end - 1] == '\r') --content_end;
    if (!last && !newline_seen) {
      newline_ = content_end < end ? "\r\n" : "\n";
      newline_seen = true;
    }
    starts_.push_back(start);
    lines_.push_back(std::string_view(text_).substr(start, content_end - start));
    start = last ? end : end + 1;
  }
}

void FormTextReader::CheckCharacters() const {
  for (std::size_t i = 0; i < text_.size(); ++i) {
    const auto c = static_cast<unsigned char>(text_[i]);
    if (c >= 0x20 || c == '\t' || c == '\n') continue;
    if (c == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') continue;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", c);
    Fail(LineOfOffset(text_, i),
         std::string("unexpected control character ") + hex + " (not a form file?)");
  }
}

FormFile FormTextReader::Parse(std::string_view bytes) {
  if (bytes.size() > kMaxFormFileBytes) {
    Fail(1, "file too large (" + std::to_string(bytes.size()) + " bytes; the limit is " +
                std::to_string(kMaxFormFileBytes) + ")");
  }
  FormFile file;
  std::size_t bad = std::string_view::npos;
  text_ = DecodeText(bytes, &file.encoding, &bad);
  if (bad != std::string_view::npos) {
    Fail(LineOfOffset(text_, bad), "bytes that are not UTF-8 after a UTF-8 byte-order mark");
  }
  CheckCharacters();
  SplitLines();
  file.newline = newline_;
  file.source_name = source_;
  file.base_dir = base_;

  std::size_t i = 0;
  file.version.clear();
  if (i < lines_.size()) {
    Cursor c{TrimLeft(lines_[i])};
    if (EqualsIgnoreCase(c.Ident(), "VERSION")) {
      c.SkipSpace();
      const std::string_view version = TrimRight(c.Rest());
      bool ok = !version.empty();
      for (char ch : version) ok = ok && (IsDigit(ch) || ch == '.');
      if (!ok) Fail(Number(i), "bad VERSION line");
      file.version = std::string(version);
      ++i;
    }
  }
  for (; i < lines_.size(); ++i) {
    const Statement kind = Classify(lines_[i]);
    if (kind == Statement::Begin) break;
    Cursor c{TrimLeft(lines_[i])};
    const bool object_line = EqualsIgnoreCase(c.Ident(), "Object") && (c.SkipSpace(), c.Eat('='));
    if (kind != Statement::Blank && !object_line) {
      Fail(Number(i),
           "unknown syntax before the form's Begin: \"" + std::string(TrimRight(lines_[i])) + "\"");
    }
    file.header_lines.emplace_back(lines_[i]);
    if (object_line && options_.object_line) {
      if (std::optional<std::string> why = options_.object_line(lines_[i])) Fail(Number(i), *why);
    }
  }
  if (i >= lines_.size()) Fail(LastLine(), "no Begin block: not a form file");

  std::size_t after = 0;
  {
    next_ = i + 1;
    file.form = ParseBlock(i, 1);
    after = next_;
  }
  // After the form's End come the Attribute lines and then code, kept verbatim.
  for (std::size_t k = after; k < lines_.size(); ++k) {
    Cursor c{TrimLeft(lines_[k])};
    if (c.AtEnd()) continue;
    if (!EqualsIgnoreCase(c.Ident(), "Attribute")) {
      Fail(Number(k),
           "unexpected text after the form's End: \"" + std::string(TrimRight(lines_[k])) + "\"");
    }
    break;
  }
  if (after < lines_.size()) file.trailer = text_.substr(starts_[after]);
  CheckNames(file.form);
  return file;
}

FormNode FormTextReader::ParseBlock(std::size_t index, int depth) {
  const int line = Number(index);
  if (depth > kMaxNesting) {
    Fail(line, "blocks nested too deeply (more than " + std::to_string(kMaxNesting) + " levels)");
  }
  Cursor c{TrimLeft(lines_[index])};
  c.Ident();  // Begin
  c.SkipSpace();
  FormNode node;
  node.line = line;
  node.begin_line = std::string(TrimLeft(lines_[index]));
  node.class_name = std::string(c.ClassName());
  if (node.class_name.empty()) Fail(line, "Begin without a class name");
  if (!IsSpace(c.Peek())) Fail(line, "Begin " + node.class_name + " without a control name");
  c.SkipSpace();
  node.name = std::string(c.Ident());
  if (node.name.empty()) Fail(line, "Begin " + node.class_name + " without a control name");
  c.SkipSpace();
  if (!c.AtEnd()) Fail(line, "unexpected text after Begin " + node.class_name + " " + node.name);
  if (options_.accept_class && !options_.accept_class(node.class_name)) {
    Fail(line, "unknown class " + node.class_name);
  }

  KeyLines keys;
  for (;;) {
    if (next_ >= lines_.size()) {
      Fail(LastLine(), "end of file before the End of " + node.name + " (Begin at line " +
                           std::to_string(line) + ")");
    }
    const std::size_t k = next_++;
    switch (Classify(lines_[k])) {
      case Statement::Blank:
        break;
      case Statement::Begin:
        node.children.push_back(ParseBlock(k, depth + 1));
        break;
      case Statement::End:
        return node;
      case Statement::BeginProperty:
        AddProperty(node.properties, keys, ParseBeginProperty(k, depth + 1), true);
        break;
      case Statement::EndProperty:
        Fail(Number(k), "EndProperty without BeginProperty");
      case Statement::Assignment:
        AddProperty(node.properties, keys, ParseAssignment(k), true);
        break;
      case Statement::Other:
        Fail(Number(k), "unknown syntax: \"" + std::string(TrimRight(TrimLeft(lines_[k]))) + "\"");
    }
  }
}

Property FormTextReader::ParseBeginProperty(std::size_t index, int depth) {
  const int line = Number(index);
  if (depth > kMaxNesting) {
    Fail(line, "blocks nested too deeply (more than " + std::to_string(kMaxNesting) + " levels)");
  }
  Cursor c{TrimLeft(lines_[index])};
  c.Ident();  // BeginProperty
  c.SkipSpace();
  const std::string key(c.Key());
  if (key.empty()) Fail(line, "BeginProperty without a property name");
  c.SkipSpace();
  std::string guid;
  if (c.Peek() == '{') {
    const std::size_t start = c.i;
    ++c.i;
    while (IsHexDigit(c.Peek()) || c.Peek() == '-') ++c.i;
    if (!c.Eat('}')) Fail(line, "bad class id in BeginProperty " + key);
    guid = std::string(c.s.substr(start, c.i - start));
  }
  c.SkipSpace();
  if (!c.AtEnd()) Fail(line, "unexpected text after BeginProperty " + key);

  const bool font = IsFontGroup(key, guid);
  PropertyList list;
  KeyLines keys;
  std::vector<std::string> raw_lines;
  for (;;) {
    if (next_ >= lines_.size()) {
      Fail(LastLine(), "end of file before the EndProperty of " + key + " (BeginProperty at line " +
                           std::to_string(line) + ")");
    }
    const std::size_t k = next_++;
    const Statement kind = Classify(lines_[k]);
    if (kind == Statement::EndProperty) break;
    switch (kind) {
      case Statement::Blank:
        continue;
      case Statement::Begin:
      case Statement::End:
        Fail(Number(k), "missing EndProperty of " + key + " (BeginProperty at line " +
                            std::to_string(line) + ")");
      case Statement::BeginProperty:
        if (font) Fail(Number(k), "BeginProperty inside the font " + key);
        AddProperty(list, keys, ParseBeginProperty(k, depth + 1), false);
        break;
      case Statement::Assignment:
        AddProperty(list, keys, ParseAssignment(k), false);
        break;
      default:
        Fail(Number(k), "unknown syntax: \"" + std::string(TrimRight(TrimLeft(lines_[k]))) + "\"");
    }
    raw_lines.emplace_back(TrimRight(TrimLeft(lines_[k])));
  }

  const std::string begin_line(TrimLeft(lines_[index]));
  if (!font) {
    return Property{key, PropertyValue::Group(PropertyGroup{guid, std::move(list), begin_line}),
                    line};
  }
  vb::FontRef made = MakeFont(list);
  auto source = std::make_shared<PropertyValue::FontSource>();
  source->attributes = *made;
  source->guid = guid;
  source->begin_line = begin_line;
  source->lines = std::move(raw_lines);
  PropertyValue value = PropertyValue::Font(std::move(made));
  value.font_source_ = std::move(source);
  return Property{key, std::move(value), line};
}

vb::FontRef FormTextReader::MakeFont(const PropertyList& list) const {
  auto font = std::make_shared<vb::StdFont>();
  for (const Property& p : list) {
    const vb::Variant* v = p.value.scalar();
    if (!v || p.value.in_companion()) Fail(p.line, "bad value for the font's " + p.key);
    try {
      if (EqualsIgnoreCase(p.key, "Name")) {
        if (v->kind() != vb::Variant::Kind::String) throw vb::Error(vb::kTypeMismatch);
        font->Name(v->ToString());
      } else if (!v->IsNumeric()) {
        throw vb::Error(vb::kTypeMismatch);
      } else if (EqualsIgnoreCase(p.key, "Size")) {
        font->Size(v->ToSingle());
      } else if (EqualsIgnoreCase(p.key, "Charset")) {
        font->Charset(v->ToInteger());
      } else if (EqualsIgnoreCase(p.key, "Weight")) {
        font->Weight(v->ToInteger());
      } else if (EqualsIgnoreCase(p.key, "Bold")) {
        font->Bold(v->ToBoolean());
      } else if (EqualsIgnoreCase(p.key, "Italic")) {
        font->Italic(v->ToBoolean());
      } else if (EqualsIgnoreCase(p.key, "Underline")) {
        font->Underline(v->ToBoolean());
      } else if (EqualsIgnoreCase(p.key, "Strikethrough")) {
        font->Strikethrough(v->ToBoolean());
      } else {
        Fail(p.line, "unknown font attribute " + p.key);
      }
    } catch (const vb::Error& e) {
      if (e.Detail().starts_with(source_ + ":")) throw;
      Fail(p.line, "bad value for the font's " + p.key);
    }
  }
  return font;
}

void FormTextReader::AddProperty(PropertyList& list, KeyLines& keys, Property property,
                                 bool in_control) const {
  const auto [it, fresh] = keys.try_emplace(Lowered(property.key), property.line);
  if (!fresh) {
    Fail(property.line,
         property.key + " given twice (first at line " + std::to_string(it->second) + ")");
  }
  if (in_control && EqualsIgnoreCase(property.key, "Index")) {
    const vb::Variant* v = property.value.scalar();
    const bool integral =
        v && (v->kind() == vb::Variant::Kind::Integer || v->kind() == vb::Variant::Kind::Long);
    if (!integral || v->ToLong() < 0 || v->ToLong() > 32767) {
      Fail(property.line, "Index must be a whole number from 0 to 32767");
    }
  }
  list.items_.push_back(std::move(property));
}

Property FormTextReader::ParseAssignment(std::size_t index) {
  const int line = Number(index);
  const std::string_view text = TrimRight(TrimLeft(lines_[index]));
  Cursor c{text};
  const std::string key(c.Key());
  c.SkipSpace();
  if (key.empty() || !c.Eat('=')) Fail(line, "unknown syntax: \"" + std::string(text) + "\"");
  c.SkipSpace();
  if (c.AtEnd()) Fail(line, "missing value for " + key);
  key_ = key;
  PropertyValue value = ParseValue(c, line);
  c.SkipSpace();
  if (c.Eat('\'')) {
    value.comment_ = std::string(c.Rest());
  } else if (!c.AtEnd()) {
    Fail(line, "unexpected text after the value of " + key + ": \"" + std::string(c.Rest()) + "\"");
  }
  if (value.scalar() && !value.in_companion()) value.source_ = std::string(text);
  return Property{key, std::move(value), line};
}

PropertyValue FormTextReader::ParseValue(Cursor& c, int line) {
  const char first = c.Peek();
  if (first == '"') return ParseString(c, line, false);
  if (first == '$') {
    ++c.i;
    if (c.Peek() != '"') Fail(line, "bad value: $ must start a companion-file reference");
    return ParseString(c, line, true);
  }
  if (first == '&') return ParseHex(c, line);
  const char second = c.Peek(1);
  if (first == '^' || first == '%' || first == '{' ||
      (first == '+' && (second == '{' || second == '^' || second == '%'))) {
    const std::size_t start = c.i;
    while (!c.AtEnd() && !IsSpace(c.Peek()) && c.Peek() != '\'') ++c.i;
    const std::string text(c.s.substr(start, c.i - start));
    if (!IsShortcutText(text)) Fail(line, "bad menu shortcut " + text);
    return PropertyValue::Shortcut(text);
  }
  if (first == '-' || first == '+' || first == '.' || IsDigit(first)) return ParseNumber(c, line);
  const std::size_t start = c.i;
  const std::string_view word = c.Ident();
  if (EqualsIgnoreCase(word, "True")) return PropertyValue::Scalar(vb::Variant(true));
  if (EqualsIgnoreCase(word, "False")) return PropertyValue::Scalar(vb::Variant(false));
  if (EqualsIgnoreCase(word, "LoadPicture")) return LoadPictureValue(c, line);
  c.i = start;
  Fail(line, "bad value: \"" + std::string(c.Rest()) + "\"");
}

PropertyValue FormTextReader::ParseString(Cursor& c, int line, bool companion_string) {
  ++c.i;  // opening quote
  std::string value;
  for (;;) {
    if (c.AtEnd()) Fail(line, "unterminated string");
    const char ch = c.s[c.i++];
    if (ch != '"') {
      value.push_back(ch);
    } else if (c.Peek() == '"') {
      value.push_back('"');
      ++c.i;
    } else {
      break;
    }
  }
  if (c.Peek() == ':') {
    ++c.i;
    return CompanionValue(value, c, line, companion_string);
  }
  if (companion_string) Fail(line, "bad value: $\"…\" must be followed by :offset");
  return PropertyValue::Scalar(vb::Variant(std::move(value)));
}

PropertyValue FormTextReader::ParseNumber(Cursor& c, int line) {
  const std::size_t start = c.i;
  if (c.Peek() == '-' || c.Peek() == '+') ++c.i;
  std::size_t digits = 0;
  while (IsDigit(c.Peek())) ++c.i, ++digits;
  bool integral = true;
  if (c.Peek() == '.') {
    integral = false;
    ++c.i;
    while (IsDigit(c.Peek())) ++c.i, ++digits;
  }
  if (digits == 0) Fail(line, "bad number \"" + std::string(c.Rest().substr(0, 20)) + "\"");
  if (c.Peek() == 'E' || c.Peek() == 'e') {
    integral = false;
    ++c.i;
    if (c.Peek() == '-' || c.Peek() == '+') ++c.i;
    if (!IsDigit(c.Peek())) Fail(line, "bad number: exponent without digits");
    while (IsDigit(c.Peek())) ++c.i;
  }
  std::string_view token = c.s.substr(start, c.i - start);
  if (token.front() == '+') token.remove_prefix(1);
  if (integral) {
    long long n = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), n);
    if (ec == std::errc() && end == token.data() + token.size()) {
      if (n >= -32768 && n <= 32767) {
        return PropertyValue::Scalar(vb::Variant(static_cast<std::int16_t>(n)));
      }
      if (n >= INT32_MIN && n <= INT32_MAX) {
        return PropertyValue::Scalar(vb::Variant(static_cast<std::int32_t>(n)));
      }
    }
  }
  double d = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), d);
  if (ec != std::errc() || end != token.data() + token.size() || !std::isfinite(d)) {
    Fail(line, "number out of range: " + std::string(token));
  }
  return PropertyValue::Scalar(vb::Variant(d));
}

PropertyValue FormTextReader::ParseHex(Cursor& c, int line) {
  ++c.i;  // &
  if (!c.Eat('H') && !c.Eat('h')) Fail(line, "bad value: & must start a hexadecimal &H… number");
  std::uint32_t value = 0;
  int digits = 0;
  while (IsHexDigit(c.Peek())) {
    const char ch = c.s[c.i++];
    if (++digits > 8) Fail(line, "hexadecimal number too long");
    const unsigned nibble = IsDigit(ch) ? static_cast<unsigned>(ch - '0')
                                        : static_cast<unsigned>((ch | 0x20) - 'a' + 10);
    value = value << 4 | nibble;
  }
  if (digits == 0) Fail(line, "bad value: &H without digits");
  const bool long_suffix = c.Eat('&');
  PropertyValue v = (long_suffix || digits > 4)
                        ? PropertyValue::Scalar(vb::Variant(static_cast<std::int32_t>(value)))
                        : PropertyValue::Scalar(vb::Variant(static_cast<std::int16_t>(value)));
  v.hex_ = true;
  return v;
}

std::span<const std::uint8_t> FormTextReader::Companion(const std::string& file, int line) {
  auto it = companions_.find(file);
  if (it != companions_.end()) return it->second;
  const std::filesystem::path path = ResolveIgnoringCase(base_, file);
  std::vector<std::uint8_t> bytes;
  std::string why;
  switch (ReadWholeFile(path, frx::kMaxCompanionBytes, &bytes)) {
    case ReadResult::kOk:
      return companions_.emplace(file, std::move(bytes)).first->second;
    case ReadResult::kMissing:
      Fail(line, "companion file " + file + " not found");
    case ReadResult::kTooLarge:
      Fail(line, "companion file " + file + " too large");
    case ReadResult::kUnreadable:
      break;
  }
  Fail(line, "companion file " + file + " cannot be read");
}

PropertyValue FormTextReader::CompanionValue(const std::string& file, Cursor& c, int line,
                                             bool string_entry) {
  std::uint64_t offset = 0;
  int digits = 0;
  while (IsHexDigit(c.Peek())) {
    const char ch = c.s[c.i++];
    if (++digits > 8) Fail(line, "companion offset too long");
    offset = offset << 4 | static_cast<unsigned>(IsDigit(ch) ? ch - '0' : (ch | 0x20) - 'a' + 10);
  }
  if (digits == 0) Fail(line, "companion reference without an offset");
  if (file.empty()) Fail(line, "companion reference without a file name");
  const std::span<const std::uint8_t> bytes = Companion(file, line);
  try {
    const bool list_key = EqualsIgnoreCase(key_, "List") || EqualsIgnoreCase(key_, "ItemData");
    if (string_entry || (!list_key && !IsPictureKey(key_) && !frx::IsPictureEntry(bytes, offset))) {
      // A string; the designer refers to a multi-line Text without "$".
      std::size_t entry_size = 0;
      PropertyValue v = PropertyValue::Scalar(
          vb::Variant(DecodeString(frx::ReadString(bytes, offset, &entry_size))));
      v.in_companion_ = true;
      v.plain_reference_ = !string_entry;
      const auto entry = bytes.subspan(offset, entry_size);
      v.companion_entry_ =
          std::make_shared<const std::vector<std::uint8_t>>(entry.begin(), entry.end());
      return v;
    }
    if (list_key) {
      std::size_t entry_size = 0;
      ListValue list;
      for (std::string_view item : frx::ReadList(bytes, offset, &entry_size)) {
        list.items.push_back(DecodeString(item));
      }
      PropertyValue v = PropertyValue::List(std::move(list));
      const auto entry = bytes.subspan(offset, entry_size);
      v.companion_entry_ =
          std::make_shared<const std::vector<std::uint8_t>>(entry.begin(), entry.end());
      return v;
    }
    const std::span<const std::uint8_t> data = frx::ReadPicture(bytes, offset);
    PictureValue picture;
    picture.keep_empty = data.empty();
    picture.companion_offset = static_cast<std::uint32_t>(offset);
    if (!data.empty()) {
      try {
        picture.picture = vb::LoadPictureFromMemory(data);
      } catch (const vb::Error& e) {
        Fail(line, "bad picture in companion file " + file + " at " +
                       frx::FormatOffset(static_cast<std::uint32_t>(offset)) + ": " + e.Detail());
      }
      picture.data = std::make_shared<const std::vector<std::uint8_t>>(data.begin(), data.end());
    }
    return PropertyValue::Picture(std::move(picture));
  } catch (const vb::Error& e) {
    if (e.Detail().starts_with(source_ + ":")) throw;
    Fail(line, "companion file " + file + ": " + e.Detail());
  }
}

PropertyValue FormTextReader::LoadPictureValue(Cursor& c, int line) {
  c.SkipSpace();
  if (!c.Eat('(')) Fail(line, "LoadPicture without (\"file\")");
  c.SkipSpace();
  std::string path;
  if (c.Peek() == '"') {
    PropertyValue text = ParseString(c, line, false);
    if (!text.scalar()) Fail(line, "LoadPicture takes a file name");
    path = text.scalar()->ToString();
  }
  c.SkipSpace();
  if (!c.Eat(')')) Fail(line, "LoadPicture(\"file\") without its closing parenthesis");
  PictureValue picture;
  picture.load_path = path;
  if (path.empty()) return PropertyValue::Picture(std::move(picture));
  std::filesystem::path file(path);
  if (file.is_relative()) file = ResolveIgnoringCase(base_, path);
  picture.load_file = file;
  if (auto it = loaded_.find(file); it != loaded_.end()) {
    picture.picture = it->second.picture;
    picture.data = it->second.data;
    return PropertyValue::Picture(std::move(picture));
  }
  std::vector<std::uint8_t> bytes;
  switch (ReadWholeFile(file, frx::kMaxCompanionBytes, &bytes)) {
    case ReadResult::kOk:
      break;
    case ReadResult::kMissing:
      Fail(line, "LoadPicture: file " + path + " not found");
    case ReadResult::kTooLarge:
      Fail(line, "LoadPicture: file " + path + " too large");
    case ReadResult::kUnreadable:
      Fail(line, "LoadPicture: file " + path + " cannot be read");
  }
  try {
    picture.picture = vb::LoadPictureFromMemory(bytes);
  } catch (const vb::Error& e) {
    Fail(line, "LoadPicture(\"" + path + "\"): " + e.Detail());
  }
  picture.data = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
  loaded_.emplace(file, picture);
  return PropertyValue::Picture(std::move(picture));
}

// Control names are unique within a form, except that members of one control array share
// a name, each with its own Index, and all of one class.
void FormTextReader::CheckNames(const FormNode& form) const {
  struct Seen {
    const FormNode* first;
    std::set<int> indices;
  };
  std::map<std::string, Seen> seen;
  std::function<void(const FormNode&)> walk = [&](const FormNode& node) {
    for (const FormNode& child : node.children) {
      const std::optional<int> index = child.Index();
      auto [it, fresh] = seen.try_emplace(Lowered(child.name), Seen{&child, {}});
      Seen& s = it->second;
      const std::string first_line = std::to_string(s.first->line);
      if (!fresh) {
        const std::optional<int> first_index = s.first->Index();
        if (!index && !first_index) {
          Fail(child.line, "a control named " + child.name + " already exists (line " + first_line +
                               "); give both an Index to make a control array");
        }
        if (!index || !first_index) {
          Fail(child.line, child.name +
                               " is a control array member on one line and not on the "
                               "other (line " +
                               first_line + ")");
        }
        if (!EqualsIgnoreCase(child.class_name, s.first->class_name)) {
          Fail(child.line, "control array " + child.name + " mixes " + s.first->class_name +
                               " and " + child.class_name);
        }
        if (s.indices.count(*index)) {
          Fail(child.line, child.name + "(" + std::to_string(*index) + ") already exists");
        }
      }
      if (index) s.indices.insert(*index);
      walk(child);
    }
  };
  walk(form);
}

vb::Error FormFileError(const std::string& source_name, int line, const std::string& reason) {
  // Reasons quote the file; a huge line is cut short (at a character boundary).
  constexpr std::size_t kMaxReason = 200;
  std::string text = reason;
  if (text.size() > kMaxReason) {
    std::size_t cut = kMaxReason;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text = text.substr(0, cut) + "...";
  }
  return vb::Error(vb::kInvalidPropertyValue,
                   source_name + ":" + std::to_string(line) + ": " + text);
}

FormFile ParseFormText(std::string_view bytes, std::string source_name,
                       std::filesystem::path base_dir, const ParseOptions& options) {
  FormTextReader reader(std::move(source_name), std::move(base_dir), options);
  return reader.Parse(bytes);
}

FormFile ParseFormFile(const std::filesystem::path& path, const ParseOptions& options) {
  std::vector<std::uint8_t> bytes;
  switch (ReadWholeFile(path, kMaxFormFileBytes, &bytes)) {
    case ReadResult::kOk:
      break;
    case ReadResult::kMissing:
      throw vb::Error(vb::kFileNotFound, path.string() + ": form file not found");
    case ReadResult::kTooLarge:
      throw vb::Error(vb::kInvalidPropertyValue, path.string() +
                                                     ":1: file too large (the limit is " +
                                                     std::to_string(kMaxFormFileBytes) + " bytes)");
    case ReadResult::kUnreadable:
      throw vb::Error(vb::kFileNotFound, path.string() + ": form file cannot be read");
  }
  std::filesystem::path base = path.parent_path();
  if (base.empty()) base = ".";
  return ParseFormText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       path.string(), base, options);
}

}  // namespace host::formfile
