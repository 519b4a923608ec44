#pragma once

// The in-memory description of a form file: the form block with its controls and menus, each
// with its properties in file order, plus the header and trailer lines kept verbatim. No
// windows or controls are made here; the form engine builds those from this tree.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/vb/std_font.h"
#include "platform/vb/std_picture.h"
#include "platform/vb/variant.h"

namespace host::formfile {

// The class id that marks a `BeginProperty` block as a font.
inline constexpr std::string_view kStdFontGuid = "{0BE35203-8F91-11CE-9DE3-00AA004BB851}";

// Case-insensitive (ASCII) comparison of keys, names and class names.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// True for a menu shortcut as the engine writes it: ^X, {F1}, ^{F1}, +{DEL}, %{BKSP}.
bool IsShortcutText(std::string_view text);

struct Property;
class PropertyValue;

// The properties of one block in file order; keys are looked up without regard to case.
class PropertyList {
 public:
  const PropertyValue* Find(std::string_view key) const;
  PropertyValue* Find(std::string_view key);
  // Replaces the value of an existing key (keeping its place and the key's spelling) or
  // appends a new entry.
  void Set(std::string_view key, PropertyValue value);
  // True when the key was there.
  bool Remove(std::string_view key);

  std::vector<Property>::const_iterator begin() const { return items_.begin(); }
  std::vector<Property>::const_iterator end() const { return items_.end(); }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const Property& operator[](std::size_t i) const { return items_[i]; }

 private:
  friend class FormTextReader;
  std::vector<Property> items_;
};

// A `BeginProperty Name {GUID} … EndProperty` block that is not a font, kept generically so
// that it is written back as it came.
struct PropertyGroup {
  std::string guid;  // with braces as written; empty when the line had none
  PropertyList properties;
  // The BeginProperty line as read (without indentation); written back while it still names
  // the same key and class id.
  std::string begin_line;
};

// A picture value and where it came from.
struct PictureValue {
  vb::PictureRef picture;  // null for an empty picture
  // The encoded bytes the picture was decoded from; the writer stores them unchanged. Null for
  // a picture made in memory, which the writer encodes (PNG, or an icon holding a PNG).
  std::shared_ptr<const std::vector<std::uint8_t>> data;
  // Set when the picture came from the companion file: its offset there.
  std::optional<std::uint32_t> companion_offset;
  // Set when it came from `LoadPicture("…")`: the path as written and the file it named.
  std::string load_path;
  std::filesystem::path load_file;
  // An empty picture written as a zero-length entry (the designer's "no icon"), kept so that
  // saving does not let the class's default picture come back.
  bool keep_empty = false;
};

// The items of a list box's or combo box's `List`, or of its `ItemData` (each value as its
// decimal text), kept in the companion file.
struct ListValue {
  std::vector<std::string> items;
};

// One property value: a scalar (Boolean, Integer, Long, Single, Double, String), a font, a
// picture, a nested group or a list of items. Values read from a file remember their source text,
// so an unchanged value is written back exactly as it was read (spacing and `'comment` included).
class PropertyValue {
 public:
  enum class Kind { Scalar, Font, Picture, Group, List };

  // A scalar; Empty and object Variants are refused with error 13. The comment (without the
  // apostrophe) is written after the value; Booleans get 'True / 'False when none is given.
  static PropertyValue Scalar(vb::Variant value, std::string comment = {});
  // A Long written in hexadecimal, `&H8000000F&`, as the engine writes colours.
  static PropertyValue Hex(std::int32_t value, std::string comment = {});
  // A menu shortcut written bare as the engine does (`^X`, `{F1}`, `+{DEL}`); the scalar is
  // the String of that text. Throws vb::Error(380) for text that is not a shortcut.
  static PropertyValue Shortcut(std::string text);
  static PropertyValue Font(vb::FontRef font);
  static PropertyValue Picture(PictureValue picture);
  static PropertyValue Picture(vb::PictureRef picture);
  static PropertyValue Group(PropertyGroup group);
  static PropertyValue List(ListValue list);
  // The value a property bag stores for `value`: a font or picture object becomes a Font or
  // Picture value, anything else a scalar. When `previous` (the value read from the file for
  // the same key) holds the same value, its source text, comment and picture bytes are kept,
  // so saving an unchanged control gives back the text it was loaded from; a changed scalar of
  // the same type keeps being written in hexadecimal or as a bare shortcut.
  static PropertyValue FromVariant(const vb::Variant& value,
                                   const PropertyValue* previous = nullptr);

  Kind kind() const { return static_cast<Kind>(data_.index()); }
  // Null unless the value is of that kind.
  const vb::Variant* scalar() const { return std::get_if<vb::Variant>(&data_); }
  const vb::FontRef* font() const { return std::get_if<vb::FontRef>(&data_); }
  const PictureValue* picture() const { return std::get_if<PictureValue>(&data_); }
  const PropertyGroup* group() const { return std::get_if<PropertyGroup>(&data_); }
  const ListValue* list() const { return std::get_if<ListValue>(&data_); }

  const std::string& comment() const { return comment_; }
  bool hex() const { return hex_; }
  bool shortcut() const { return shortcut_; }
  // True for a string read from (and written back to) the companion file.
  bool in_companion() const { return in_companion_; }
  // True for a companion-file string referred to without "$" (`Text = "F.frx":0000`).
  bool plain_reference() const { return plain_reference_; }
  // The value as a property bag hands it out: the scalar, the font or picture object (a null
  // object for an empty picture), Empty for a group or a list.
  vb::Variant ToVariant() const;

  // Same kind and same value: scalars by kind and value, fonts by attributes, pictures by
  // pixels, groups entry by entry. Source text and comments are not compared.
  bool SameAs(const PropertyValue& other) const;

 private:
  friend class FormTextReader;
  friend class FormTextWriter;
  using Data = std::variant<vb::Variant, vb::FontRef, PictureValue, PropertyGroup, ListValue>;
  explicit PropertyValue(Data data) : data_(std::move(data)) {}

  // What a font block looked like when read; reused while the font keeps these attributes.
  struct FontSource {
    vb::StdFont attributes;
    std::string guid;
    std::string begin_line;          // without indentation
    std::vector<std::string> lines;  // the block's body, without indentation
  };

  Data data_;
  std::string comment_;
  bool hex_ = false;
  bool shortcut_ = false;
  bool in_companion_ = false;
  bool plain_reference_ = false;
  std::string source_;  // the line from the key on, as read (scalars only)
  // The companion-file entry a string or list was read from, reused while the value is
  // unchanged.
  std::shared_ptr<const std::vector<std::uint8_t>> companion_entry_;
  std::shared_ptr<const FontSource> font_source_;
};

struct Property {
  std::string key;  // as written
  PropertyValue value;
  int line = 0;  // source line, 0 for an entry made in memory
};

// A `Begin <class> <name> … End` block: the form, a control or a menu.
struct FormNode {
  std::string class_name;  // "VB.Form", "QuorinSkinForVB6.QuorinSkin", "VB.Menu"
  std::string name;
  PropertyList properties;
  std::vector<FormNode> children;  // controls and menus in file order
  int line = 0;                    // line of the `Begin`, 0 for a node made in memory
  // The Begin line as read (without indentation, trailing spaces kept); written back while it
  // still names the same class and name.
  std::string begin_line;

  // The control-array index (`Index = n`), absent for a control outside an array. It is an
  // ordinary property, so it keeps its place among the others.
  std::optional<int> Index() const;
  void SetIndex(std::optional<int> index);

  const PropertyValue* Find(std::string_view key) const { return properties.Find(key); }
  void Set(std::string_view key, PropertyValue value) { properties.Set(key, std::move(value)); }
  bool Remove(std::string_view key) { return properties.Remove(key); }

  // The first descendant (depth first, file order) with this name and index.
  const FormNode* FindControl(std::string_view name, std::optional<int> index = {}) const;
  // Calls `visit` for this node and every descendant, parents before children.
  void Visit(const std::function<void(const FormNode&)>& visit) const;
};

// Text encoding of the form file. Files are read as UTF-8 when their bytes are valid UTF-8
// (with or without a byte-order mark) and as the ANSI code page otherwise; they are written
// back in the encoding they were read in (new trees: UTF-8 without a mark).
enum class TextEncoding { Utf8, Utf8Bom, Ansi };

struct FormFile {
  std::string version = "5.00";  // from `VERSION 5.00`; empty when the file had no such line
  std::vector<std::string> header_lines;  // the `Object = …` lines (and blank ones), verbatim
  FormNode form;
  // Everything after the form's `End` (Attribute lines and code), verbatim, with its newlines.
  std::string trailer;
  TextEncoding encoding = TextEncoding::Utf8;
  std::string newline = "\r\n";
  std::string source_name;         // the file name used in error messages
  std::filesystem::path base_dir;  // the folder that companion and LoadPicture paths start from
};

// Structural equality for tests and tools: same classes, names, keys in order and values
// (PropertyValue::SameAs), recursively.
bool SameTree(const FormNode& a, const FormNode& b);

}  // namespace host::formfile
