#include "platform/host/form_io/stored_values.h"

#include <string>
#include <vector>

#include "platform/host/elements/item_list.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"

namespace host::formio {

using formfile::FormNode;
using formfile::ListValue;
using formfile::PropertyValue;

namespace {

bool IsTextKey(std::string_view key) {
  return SameName(key, "Caption") || SameName(key, "Text");
}

// Keys saving leaves to the position, the name, the window, or that only reflect state.
bool NotSaved(std::string_view key, bool form) {
  for (const char* skip :
       {"Name", "Index", "Left", "Top", "Width", "Height", "hWnd", "hDC", "Controls", "Container",
        "ListIndex", "ListCount", "ScaleWidth", "ScaleHeight", "Style",
        // Parts of the Font, which is saved whole.
        "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderline", "FontStrikethru"}) {
    if (SameName(key, skip)) return true;
  }
  return form && (SameName(key, "WindowState") || SameName(key, "Visible"));
}

// Writes a value unless it equals the default; a default the file wrote stays written.
void WriteDefaulted(FormNode& node, std::string_view key, const vb::Variant& value,
                    const vb::Variant& default_value) {
  const PropertyValue* previous = node.Find(key);
  if (PropertyBag::SameValue(value, default_value)) {
    if (previous && !PropertyBag::SameValue(previous->ToVariant(), value)) node.Remove(key);
    return;
  }
  node.Set(key, PropertyValue::FromVariant(value, previous));
}

// The list value for `items`, keeping the one read from the file while it holds the same.
void WriteList(FormNode& node, std::string_view key, std::vector<std::string> items) {
  const PropertyValue* previous = node.Find(key);
  if (previous && previous->list() && previous->list()->items == items) return;
  node.Set(key, PropertyValue::List(ListValue{std::move(items)}));
}

void SaveLists(FormNode& node, const ItemList& list) {
  std::vector<std::string> items = list.Items();
  if (items.empty()) {
    // An empty list the file wrote stays as written; a list emptied since goes.
    for (const char* key : {"List", "ItemData"}) {
      const PropertyValue* previous = node.Find(key);
      if (previous && (!previous->list() || !previous->list()->items.empty())) node.Remove(key);
    }
    return;
  }
  std::vector<std::string> data;
  for (std::int32_t value : list.ItemDataValues()) data.push_back(std::to_string(value));
  data.resize(items.size(), "0");
  // The designer writes ItemData with every list, ahead of it.
  if (!node.Find("ItemData")) node.Set("ItemData", PropertyValue::List(ListValue{}));
  WriteList(node, "ItemData", std::move(data));
  WriteList(node, "List", std::move(items));
}

}  // namespace

bool IsDeferredKey(std::string_view key, bool form) {
  return SameName(key, "ScaleMode") || (form && SameName(key, "WindowState"));
}

bool AppliesScaleMode(const FormNode& node) {
  const PropertyValue* mode = node.Find("ScaleMode");
  return !mode || !mode->scalar() || !mode->scalar()->IsNumeric() ||
         mode->scalar()->ToDouble() != 0;
}

void AddAbsentDefaults(const FormNode& node, const ClassInfo& info,
                       const vb::FontRef& inherited_font, PropertyBag& properties) {
  for (const char* key : {"Caption", "Text"}) {
    const PropertyInfo* p = info.FindProperty(key);
    if (p && p->let && !node.Find(key)) properties.Put(key, vb::Variant(std::string()));
  }
  const PropertyInfo* font = info.FindProperty("Font");
  if (inherited_font && font && (font->set || font->let) && !node.Find("Font")) {
    properties.Put("Font",
                   vb::Variant(vb::ObjectRef(std::make_shared<vb::StdFont>(*inherited_font))));
  }
}

void ApplyLists(const FormNode& node, Object& live) {
  auto* list = dynamic_cast<ItemList*>(&live);
  const PropertyValue* items = node.Find("List");
  if (!list || !items || !items->list()) return;
  std::vector<std::int32_t> data;
  if (const PropertyValue* values = node.Find("ItemData"); values && values->list()) {
    for (const std::string& text : values->list()->items) {
      data.push_back(vb::Variant(text).ToLong());
    }
  }
  list->SetItems(items->list()->items, std::move(data));
}

void SaveIntrinsic(FormNode& node, Object& live, Object* fresh, bool form,
                   const vb::FontRef& container_font) {
  const bool user_scale = !AppliesScaleMode(node);
  if (form && fresh) {
    // A form's border style decides its buttons' defaults (a dialog frame has none).
    try {
      LetProperty(*fresh, "BorderStyle", GetProperty(live, "BorderStyle"));
    } catch (const vb::Error&) {
    }
  }
  for (const ClassInfo* info = &live.Class(); info; info = info->base()) {
    for (const PropertyInfo& p : info->properties) {
      if (!p.get || (!p.let && !p.set) || NotSaved(p.name, form)) continue;
      if (user_scale && SameName(p.name, "ScaleMode")) continue;
      vb::Variant value, default_value;
      try {
        value = p.get(live);
        if (IsTextKey(p.name)) {
          default_value = vb::Variant(std::string());
        } else if (container_font && SameName(p.name, "Font")) {
          default_value = vb::Variant(vb::ObjectRef(container_font));
        } else if (fresh) {
          default_value = p.get(*fresh);
        }
      } catch (const vb::Error&) {
        continue;  // a value that cannot be read now is left as the file has it
      }
      if (value.IsEmpty()) continue;
      if (value.IsObject() && value.ToObject() &&
          !std::dynamic_pointer_cast<vb::StdFont>(value.ToObject()) &&
          !std::dynamic_pointer_cast<vb::StdPicture>(value.ToObject())) {
        continue;  // other objects are no stored values
      }
      WriteDefaulted(node, p.name, value, default_value);
    }
  }
  if (const auto* list = dynamic_cast<const ItemList*>(&live)) SaveLists(node, *list);
}

}  // namespace host::formio
