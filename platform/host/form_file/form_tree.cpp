#include "platform/host/form_file/form_tree.h"

#include <algorithm>

#include "platform/vb/error.h"

namespace host::formfile {

namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SamePixels(const vb::PictureRef& a, const vb::PictureRef& b) {
  if (vb::IsEmpty(a) || vb::IsEmpty(b)) return vb::IsEmpty(a) == vb::IsEmpty(b);
  if (a == b) return true;
  const vb::PixelBuffer& pa = *a->Pixels();
  const vb::PixelBuffer& pb = *b->Pixels();
  return a->Type() == b->Type() && pa.width == pb.width && pa.height == pb.height &&
         pa.pixels == pb.pixels;
}

bool SameList(const PropertyList& a, const PropertyList& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!EqualsIgnoreCase(a[i].key, b[i].key) || !a[i].value.SameAs(b[i].value)) return false;
  }
  return true;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

const PropertyValue* PropertyList::Find(std::string_view key) const {
  for (const Property& p : items_) {
    if (EqualsIgnoreCase(p.key, key)) return &p.value;
  }
  return nullptr;
}

PropertyValue* PropertyList::Find(std::string_view key) {
  for (Property& p : items_) {
    if (EqualsIgnoreCase(p.key, key)) return &p.value;
  }
  return nullptr;
}

void PropertyList::Set(std::string_view key, PropertyValue value) {
  if (PropertyValue* existing = Find(key)) {
    *existing = std::move(value);
    return;
  }
  items_.push_back(Property{std::string(key), std::move(value), 0});
}

bool PropertyList::Remove(std::string_view key) {
  auto it = std::find_if(items_.begin(), items_.end(),
                         [key](const Property& p) { return EqualsIgnoreCase(p.key, key); });
  if (it == items_.end()) return false;
  items_.erase(it);
  return true;
}

PropertyValue PropertyValue::Scalar(vb::Variant value, std::string comment) {
  if (value.IsEmpty() || value.IsObject()) {
    throw vb::Error(vb::kTypeMismatch,
                    "a scalar property value must be a number, Boolean or String");
  }
  PropertyValue v{Data(std::move(value))};
  v.comment_ = std::move(comment);
  return v;
}

PropertyValue PropertyValue::Hex(std::int32_t value, std::string comment) {
  PropertyValue v = Scalar(vb::Variant(value), std::move(comment));
  v.hex_ = true;
  return v;
}

bool IsShortcutText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == '^' || text[i] == '+' || text[i] == '%')) ++i;
  auto alnum = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  };
  if (i < text.size() && text[i] == '{') {
    const std::size_t close = text.find('}', i);
    if (close != text.size() - 1 || close == i + 1) return false;
    for (std::size_t k = i + 1; k < close; ++k) {
      if (!alnum(text[k])) return false;
    }
    return true;
  }
  return i > 0 && i + 1 == text.size() && alnum(text[i]);
}

PropertyValue PropertyValue::Shortcut(std::string text) {
  if (!IsShortcutText(text)) {
    throw vb::Error(vb::kInvalidPropertyValue, "not a menu shortcut: " + text);
  }
  PropertyValue v = Scalar(vb::Variant(std::move(text)));
  v.shortcut_ = true;
  return v;
}

PropertyValue PropertyValue::Font(vb::FontRef font) {
  if (!font) throw vb::Error(vb::kObjectNotSet, "a font property needs a font");
  return PropertyValue{Data(std::move(font))};
}

PropertyValue PropertyValue::Picture(PictureValue picture) {
  return PropertyValue{Data(std::move(picture))};
}

PropertyValue PropertyValue::Picture(vb::PictureRef picture) {
  PictureValue value;
  value.picture = std::move(picture);
  return Picture(std::move(value));
}

PropertyValue PropertyValue::Group(PropertyGroup group) {
  return PropertyValue{Data(std::move(group))};
}

PropertyValue PropertyValue::List(ListValue list) {
  return PropertyValue{Data(std::move(list))};
}

PropertyValue PropertyValue::FromVariant(const vb::Variant& value, const PropertyValue* previous) {
  if (value.IsObject()) {
    vb::ObjectRef object = value.ToObject();
    if (auto font = std::dynamic_pointer_cast<vb::StdFont>(object)) {
      PropertyValue v = Font(font);
      if (previous && previous->font()) v.font_source_ = previous->font_source_;
      return v;
    }
    auto picture = std::dynamic_pointer_cast<vb::StdPicture>(object);
    if (!object || picture) {
      if (previous && previous->picture() && previous->picture()->picture == picture) {
        return *previous;
      }
      PictureValue stored;
      stored.picture = picture;
      // A property bag stores an empty picture only where the default is not empty: it is
      // written as a zero-length entry, or reading it back would give the default.
      stored.keep_empty = vb::IsEmpty(picture);
      return Picture(std::move(stored));
    }
    throw vb::Error(vb::kTypeMismatch, "only fonts and pictures can be stored as objects");
  }
  if (!previous || !previous->scalar()) return Scalar(value);
  if (*previous->scalar() == value) return *previous;
  // A changed value keeps the way the old one was written (hexadecimal, bare shortcut).
  PropertyValue v = Scalar(value);
  if (previous->scalar()->kind() == value.kind()) {
    v.hex_ = previous->hex_;
    v.shortcut_ = previous->shortcut_ && IsShortcutText(value.ToString());
  }
  return v;
}

vb::Variant PropertyValue::ToVariant() const {
  switch (kind()) {
    case Kind::Scalar:
      return *scalar();
    case Kind::Font:
      return vb::Variant(*font());
    case Kind::Picture:
      return vb::Variant(vb::ObjectRef(picture()->picture));
    case Kind::Group:
    case Kind::List:
      break;
  }
  return {};
}

bool PropertyValue::SameAs(const PropertyValue& other) const {
  if (kind() != other.kind()) return false;
  switch (kind()) {
    case Kind::Scalar:
      return *scalar() == *other.scalar();
    case Kind::Font:
      return (*font())->SameAttributes(**other.font());
    case Kind::Picture:
      return SamePixels(picture()->picture, other.picture()->picture);
    case Kind::Group:
      return EqualsIgnoreCase(group()->guid, other.group()->guid) &&
             SameList(group()->properties, other.group()->properties);
    case Kind::List:
      return list()->items == other.list()->items;
  }
  return false;
}

std::optional<int> FormNode::Index() const {
  const PropertyValue* value = Find("Index");
  if (!value || !value->scalar() || !value->scalar()->IsNumeric()) return std::nullopt;
  try {
    return value->scalar()->ToLong();
  } catch (const vb::Error&) {
    return std::nullopt;
  }
}

void FormNode::SetIndex(std::optional<int> index) {
  if (!index) {
    Remove("Index");
    return;
  }
  if (*index < 0 || *index > 32767) {
    throw vb::Error(vb::kInvalidPropertyValue, "a control-array index is 0 to 32767");
  }
  Set("Index", PropertyValue::Scalar(vb::Variant(static_cast<std::int16_t>(*index))));
}

const FormNode* FormNode::FindControl(std::string_view control_name,
                                      std::optional<int> index) const {
  for (const FormNode& child : children) {
    if (EqualsIgnoreCase(child.name, control_name) && child.Index() == index) return &child;
    if (const FormNode* found = child.FindControl(control_name, index)) return found;
  }
  return nullptr;
}

void FormNode::Visit(const std::function<void(const FormNode&)>& visit) const {
  visit(*this);
  for (const FormNode& child : children) child.Visit(visit);
}

bool SameTree(const FormNode& a, const FormNode& b) {
  if (!EqualsIgnoreCase(a.class_name, b.class_name) || !EqualsIgnoreCase(a.name, b.name) ||
      !SameList(a.properties, b.properties) || a.children.size() != b.children.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.children.size(); ++i) {
    if (!SameTree(a.children[i], b.children[i])) return false;
  }
  return true;
}

}  // namespace host::formfile
