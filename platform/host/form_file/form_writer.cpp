#include "platform/host/form_file/form_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/host/form_file/file_io.h"
#include "platform/host/form_file/frx.h"
#include "platform/host/form_file/picture_encoding.h"
#include "platform/host/form_file/text_encoding.h"
#include "platform/vb/error.h"

namespace host::formfile {

namespace {

// Strings longer than this go to the companion file, as do those the text cannot hold.
constexpr std::size_t kMaxInlineString = 1000;

bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}

bool ValidName(std::string_view s, bool dotted, bool key) {
  if (s.empty() || !IsIdentStart(s.front())) return false;
  for (char c : s) {
    if (!IsIdentChar(c) && !((dotted || key) && c == '.') && !(key && (c == '(' || c == ')'))) {
      return false;
    }
  }
  return true;
}

bool SingleLine(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool ValidGuid(std::string_view s) {
  if (s.empty()) return true;
  if (s.size() < 2 || s.front() != '{' || s.back() != '}') return false;
  for (char c : s.substr(1, s.size() - 2)) {
    const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!hex && c != '-') return false;
  }
  return true;
}

bool NeedsCompanion(std::string_view s) {
  if (s.size() > kMaxInlineString) return true;
  for (char c : s) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
  }
  return false;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    out.push_back(c);
    if (c == '"') out.push_back('"');
  }
  out.push_back('"');
  return out;
}

template <typename T>
std::string Shortest(T value) {
  if (!std::isfinite(value)) {
    throw vb::Error(vb::kInvalidPropertyValue, "cannot write a number that is not finite");
  }
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string out(buffer, ec == std::errc() ? end : buffer);
  for (char& c : out) {
    if (c == 'e') c = 'E';
  }
  return out;
}

std::string HexText(const vb::Variant& v) {
  char buffer[16];
  if (v.kind() == vb::Variant::Kind::Integer) {
    std::snprintf(buffer, sizeof buffer, "&H%04X",
                  static_cast<unsigned>(static_cast<std::uint16_t>(v.ToInteger())));
  } else {
    std::snprintf(buffer, sizeof buffer, "&H%08X&",
                  static_cast<unsigned>(static_cast<std::uint32_t>(v.ToLong())));
  }
  return buffer;
}

}  // namespace

class FormTextWriter {
 public:
  FormTextWriter(const FormFile& file, std::string companion_name, std::filesystem::path form_dir,
                 const WriteOptions& options, TextEncoding encoding)
      : file_(file),
        companion_(std::move(companion_name)),
        dir_(std::move(form_dir)),
        options_(options),
        encoding_(encoding) {}

  RenderedForm Render() {
    if (file_.newline != "\r\n" && file_.newline != "\n") {
      throw vb::Error(vb::kInvalidPropertyValue, "a form file's lines end in CR LF or LF");
    }
    if (!SingleLine(file_.version)) {
      throw vb::Error(vb::kInvalidPropertyValue, "bad VERSION " + file_.version);
    }
    for (const std::string& line : file_.header_lines) {
      if (!SingleLine(line)) throw vb::Error(vb::kInvalidPropertyValue, "bad header line");
    }
    if (!file_.version.empty()) Line("VERSION " + file_.version);
    for (const std::string& line : file_.header_lines) Line(line);
    Node(file_.form, 0);
    out_ += file_.trailer;
    RenderedForm rendered;
    if (!EncodeText(out_, encoding_, &rendered.text)) lossy_ = true;
    rendered.companion = std::move(frx_);
    rendered.encoding = encoding_;
    return rendered;
  }
  bool lossy() const { return lossy_; }

 private:
  static std::string Indent(int depth) {
    return std::string(static_cast<std::size_t>(depth) * 3, ' ');
  }
  void Line(std::string_view text) {
    out_ += text;
    out_ += file_.newline;
  }
  // The line as read when it says the same as the line the writer would make (it may differ
  // in trailing spaces), else the writer's line.
  static std::string Reused(const std::string& read, const std::string& made) {
    std::string_view trimmed = read;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) {
      trimmed.remove_suffix(1);
    }
    return trimmed == made ? read : made;
  }
  static std::string Padded(const std::string& key) {
    std::string out = key;
    out.append(key.size() < 16 ? 16 - key.size() : 1, ' ');
    return out + "=   ";
  }

  void Node(const FormNode& node, int depth) {
    if (!ValidName(node.class_name, true, false) || !ValidName(node.name, false, false)) {
      throw vb::Error(vb::kInvalidPropertyValue, "cannot write a control with class \"" +
                                                     node.class_name + "\" and name \"" +
                                                     node.name + "\"");
    }
    Line(Indent(depth) + Reused(node.begin_line, "Begin " + node.class_name + " " + node.name));
    Properties(node.properties, depth + 1);
    for (const FormNode& child : node.children) Node(child, depth + 1);
    Line(Indent(depth) + "End");
  }

  void Properties(const PropertyList& list, int depth) {
    for (const Property& p : list) {
      if (!ValidName(p.key, true, true)) {
        throw vb::Error(vb::kInvalidPropertyValue,
                        "cannot write a property named \"" + p.key + "\"");
      }
      Entry(p, depth);
    }
  }

  void Entry(const Property& p, int depth) {
    const PropertyValue& v = p.value;
    const std::string indent = Indent(depth);
    switch (v.kind()) {
      case PropertyValue::Kind::Scalar:
        return Scalar(p, indent);
      case PropertyValue::Kind::Font:
        return Font(p, depth);
      case PropertyValue::Kind::Picture:
        return Picture(p, indent);
      case PropertyValue::Kind::Group:
        if (!ValidGuid(v.group()->guid)) {
          throw vb::Error(vb::kInvalidPropertyValue, "bad class id for " + p.key);
        }
        Line(indent + Reused(v.group()->begin_line,
                             "BeginProperty " + p.key +
                                 (v.group()->guid.empty() ? "" : " " + v.group()->guid)));
        Properties(v.group()->properties, depth + 1);
        Line(indent + "EndProperty");
        return;
      case PropertyValue::Kind::List:
        return List(p, indent);
    }
  }

  void List(const Property& p, const std::string& indent) {
    const PropertyValue& v = p.value;
    const std::vector<std::string>& items = v.list()->items;
    // The entry as read is reused while it reads back as the same items.
    bool same_entry = false;
    if (v.companion_entry_) {
      std::size_t read_size = 0;
      const std::vector<std::string_view> read = frx::ReadList(*v.companion_entry_, 0, &read_size);
      same_entry = read_size == v.companion_entry_->size() && read.size() == items.size();
      for (std::size_t i = 0; same_entry && i < items.size(); ++i) {
        same_entry = DecodeString(read[i]) == items[i];
      }
    }
    std::uint32_t offset = 0;
    if (same_entry) {
      offset = frx::AppendEntry(frx_, *v.companion_entry_);
    } else {
      std::vector<std::string> encoded;
      for (const std::string& item : items) encoded.push_back(CompanionBytes(item));
      offset = frx::AppendList(frx_, encoded);
    }
    Line(indent + Padded(p.key) + Quote(companion_) + ":" + frx::FormatOffset(offset));
  }

  // A string of the companion file in the form's code page (UTF-8 for a UTF-8 form).
  std::string CompanionBytes(const std::string& text) {
    std::string bytes;
    const TextEncoding encoding =
        encoding_ == TextEncoding::Ansi ? TextEncoding::Ansi : TextEncoding::Utf8;
    if (!EncodeText(text, encoding, &bytes)) lossy_ = true;
    return bytes;
  }

  void Scalar(const Property& p, const std::string& indent) {
    const PropertyValue& v = p.value;
    const vb::Variant& value = *v.scalar();
    const bool is_string = value.kind() == vb::Variant::Kind::String;
    if (is_string && (v.in_companion() || NeedsCompanion(value.ToString()))) {
      // The entry as read is reused while it reads back as the same text.
      std::size_t read_size = 0;
      const bool same_entry =
          v.companion_entry_ &&
          DecodeString(frx::ReadString(*v.companion_entry_, 0, &read_size)) == value.ToString() &&
          read_size == v.companion_entry_->size();
      const std::uint32_t offset = same_entry
                                       ? frx::AppendEntry(frx_, *v.companion_entry_)
                                       : frx::AppendString(frx_, CompanionBytes(value.ToString()));
      std::string text =
          (v.plain_reference() ? "" : "$") + Quote(companion_) + ":" + frx::FormatOffset(offset);
      if (!v.comment().empty()) text += "  '" + v.comment();
      Line(indent + Padded(p.key) + text);
      return;
    }
    if (!v.source_.empty()) {
      Line(indent + v.source_);
      return;
    }
    std::string text;
    std::string comment = v.comment();
    const bool boolean = value.kind() == vb::Variant::Kind::Boolean;
    switch (value.kind()) {
      case vb::Variant::Kind::Boolean:
        text = value.ToBoolean() ? "-1" : "0";
        if (comment.empty()) comment = value.ToBoolean() ? "True" : "False";
        break;
      case vb::Variant::Kind::Integer:
      case vb::Variant::Kind::Long:
        text = v.hex() ? HexText(value) : std::to_string(value.ToLong());
        break;
      case vb::Variant::Kind::Single:
        text = Shortest(value.ToSingle());
        break;
      case vb::Variant::Kind::Double:
        text = Shortest(value.ToDouble());
        break;
      case vb::Variant::Kind::String:
        text = v.shortcut() ? value.ToString() : Quote(value.ToString());
        break;
      default:
        throw vb::Error(vb::kTypeMismatch, "cannot write " + p.key + ": not a scalar");
    }
    if (!comment.empty()) {
      if (boolean) {
        text.append(text.size() < 4 ? 4 - text.size() : 1, ' ');
      } else {
        text += "  ";
      }
      text += "'" + comment;
    }
    Line(indent + Padded(p.key) + text);
  }

  void Font(const Property& p, int depth) {
    const PropertyValue& v = p.value;
    const vb::StdFont& font = **v.font();
    const std::string indent = Indent(depth);
    const std::string inner = Indent(depth + 1);
    const auto& source = v.font_source_;
    if (source && source->attributes.SameAttributes(font)) {
      Line(indent +
           Reused(source->begin_line,
                  "BeginProperty " + p.key + (source->guid.empty() ? "" : " " + source->guid)));
      for (const std::string& line : source->lines) Line(inner + line);
      Line(indent + "EndProperty");
      return;
    }
    Line(indent + "BeginProperty " + p.key + " " + std::string(kStdFontGuid));
    auto flag = [](bool b) { return b ? std::string("-1  'True") : std::string("0   'False"); };
    Line(inner + Padded("Name") + Quote(font.Name()));
    Line(inner + Padded("Size") + Shortest(font.Size()));
    Line(inner + Padded("Charset") + std::to_string(font.Charset()));
    Line(inner + Padded("Weight") + std::to_string(font.Weight()));
    Line(inner + Padded("Underline") + flag(font.Underline()));
    Line(inner + Padded("Italic") + flag(font.Italic()));
    Line(inner + Padded("Strikethrough") + flag(font.Strikethrough()));
    Line(indent + "EndProperty");
  }

  void Picture(const Property& p, const std::string& indent) {
    const PictureValue& picture = *p.value.picture();
    // An empty picture is saved as absent, unless it stands for "no picture" against a
    // default that has one: then it is a zero-length entry, as the designer writes it.
    if (vb::IsEmpty(picture.picture)) {
      if (!picture.keep_empty) return;
      const std::uint32_t offset = frx::AppendPicture(frx_, {});
      Line(indent + Padded(p.key) + Quote(companion_) + ":" + frx::FormatOffset(offset));
      return;
    }
    if (options_.keep_picture_files && !picture.load_path.empty()) {
      Line(indent + Padded(p.key) + "LoadPicture(" + Quote(RebasedPath(picture)) + ")");
      return;
    }
    std::uint32_t offset = 0;
    if (picture.data) {
      offset = frx::AppendPicture(frx_, *picture.data);
    } else {
      offset = frx::AppendPicture(frx_, EncodePicture(*picture.picture));
    }
    Line(indent + Padded(p.key) + Quote(companion_) + ":" + frx::FormatOffset(offset));
  }

  // The LoadPicture path as seen from the folder the form is written to.
  std::string RebasedPath(const PictureValue& picture) const {
    namespace fs = std::filesystem;
    if (picture.load_file.empty() || fs::path(picture.load_path).is_absolute()) {
      return picture.load_path;
    }
    const fs::path target = fs::absolute(picture.load_file).lexically_normal();
    if (fs::absolute(dir_ / picture.load_path).lexically_normal() == target) {
      return picture.load_path;
    }
    const fs::path relative = target.lexically_relative(fs::absolute(dir_).lexically_normal());
    return relative.empty() ? target.generic_string() : relative.generic_string();
  }

  const FormFile& file_;
  std::string companion_;
  std::filesystem::path dir_;
  const WriteOptions& options_;
  TextEncoding encoding_;
  std::string out_;
  std::vector<std::uint8_t> frx_;
  bool lossy_ = false;
};

std::filesystem::path CompanionPathFor(const std::filesystem::path& form_path) {
  std::filesystem::path path = form_path;
  path.replace_extension(".frx");
  return path;
}

RenderedForm RenderFormFile(const FormFile& file, const std::string& companion_name,
                            const std::filesystem::path& form_dir, const WriteOptions& options) {
  FormTextWriter writer(file, companion_name, form_dir, options, file.encoding);
  RenderedForm rendered = writer.Render();
  if (writer.lossy()) {
    // The ANSI code page cannot hold every character: write UTF-8 so that nothing is lost.
    FormTextWriter utf8(file, companion_name, form_dir, options, TextEncoding::Utf8);
    rendered = utf8.Render();
  }
  return rendered;
}

void WriteFormFile(const FormFile& file, const std::filesystem::path& path,
                   const WriteOptions& options) {
  std::filesystem::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  const std::filesystem::path companion = CompanionPathFor(path);
  if (companion == path) {
    throw vb::Error(vb::kInvalidPropertyValue,
                    path.string() + ": a form file cannot have the companion file's extension");
  }
  const RenderedForm rendered = RenderFormFile(file, companion.filename().string(), dir, options);
  std::filesystem::path companion_temp;
  if (!rendered.companion.empty()) {
    companion_temp = WriteTemporary(
        companion, std::string_view(reinterpret_cast<const char*>(rendered.companion.data()),
                                    rendered.companion.size()));
  }
  std::filesystem::path form_temp;
  try {
    form_temp = WriteTemporary(path, rendered.text);
    if (!companion_temp.empty()) ReplaceWith(companion_temp, companion);
  } catch (const vb::Error&) {
    std::error_code ec;
    if (!companion_temp.empty()) std::filesystem::remove(companion_temp, ec);
    if (!form_temp.empty()) std::filesystem::remove(form_temp, ec);
    throw;
  }
  ReplaceWith(form_temp, path);
}

}  // namespace host::formfile
