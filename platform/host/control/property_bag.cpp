#include "platform/host/control/property_bag.h"

#include <algorithm>

#include "platform/host/types/class_info.h"
#include "platform/vb/error.h"
#include "platform/vb/std_font.h"
#include "platform/vb/std_picture.h"

namespace host {

namespace {

// Converts a stored value to the kind of the reader's default.
vb::Variant ConvertLike(const vb::Variant& value, const vb::Variant& like) {
  using K = vb::Variant::Kind;
  switch (like.kind()) {
    case K::Empty:
      return value;
    case K::Boolean:
      return vb::Variant(value.ToBoolean());
    case K::Integer:
      return vb::Variant(value.ToInteger());
    case K::Long:
      return vb::Variant(value.ToLong());
    case K::Single:
      return vb::Variant(value.ToSingle());
    case K::Double:
      return vb::Variant(value.ToDouble());
    case K::String:
      return vb::Variant(value.ToString());
    case K::Object:
      if (!value.IsObject() && !value.IsEmpty()) throw vb::Error(vb::kTypeMismatch);
      return value;
  }
  return value;
}

bool IsNothing(const vb::Variant& v) {
  if (v.IsEmpty()) return true;
  if (!v.IsObject()) return false;
  vb::ObjectRef o = v.ToObject();
  if (!o) return true;
  if (auto picture = std::dynamic_pointer_cast<vb::StdPicture>(o)) return vb::IsEmpty(picture);
  return false;
}

}  // namespace

bool PropertyBag::SameValue(const vb::Variant& a, const vb::Variant& b) {
  if (a.IsObject() || b.IsObject() || a.IsEmpty() || b.IsEmpty()) {
    if (IsNothing(a) && IsNothing(b)) return true;
    if (!a.IsObject() || !b.IsObject()) return false;
    vb::ObjectRef x = a.ToObject();
    vb::ObjectRef y = b.ToObject();
    if (x == y) return true;
    auto fx = std::dynamic_pointer_cast<vb::StdFont>(x);
    auto fy = std::dynamic_pointer_cast<vb::StdFont>(y);
    return fx && fy && fx->SameAttributes(*fy);
  }
  if (a.kind() == vb::Variant::Kind::String || b.kind() == vb::Variant::Kind::String) {
    if (a.kind() != b.kind()) return false;
    return a.ToString() == b.ToString();
  }
  // Numbers and Booleans compare by value whatever their width (True = -1).
  return a.ToDouble() == b.ToDouble();
}

const vb::Variant* PropertyBag::Find(std::string_view key) const {
  for (const Entry& e : entries_) {
    if (SameName(e.key, key)) return &e.value;
  }
  return nullptr;
}

vb::Variant PropertyBag::ReadProperty(std::string_view key,
                                      const vb::Variant& default_value) const {
  const vb::Variant* stored = Find(key);
  if (!stored) return default_value;
  return ConvertLike(*stored, default_value);
}

void PropertyBag::WriteProperty(std::string_view key, const vb::Variant& value,
                                const vb::Variant& default_value) {
  if (key.empty()) throw vb::Error(vb::kInvalidProcedureCall);
  if (SameValue(value, default_value)) {
    Remove(key);
    return;
  }
  Put(std::string(key), value);
}

void PropertyBag::Put(std::string key, vb::Variant value) {
  for (Entry& e : entries_) {
    if (SameName(e.key, key)) {
      e.value = std::move(value);
      return;
    }
  }
  entries_.push_back({std::move(key), std::move(value)});
}

bool PropertyBag::Remove(std::string_view key) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [key](const Entry& e) { return SameName(e.key, key); });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

}  // namespace host
