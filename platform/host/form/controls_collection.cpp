#include "platform/host/form/controls_collection.h"

#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"

namespace host {

vb::ObjectRef ControlsCollection::Item(const vb::Variant& index) const {
  if (index.kind() == vb::Variant::Kind::String) {
    std::string name = index.ToString();
    for (const auto& o : items_) {
      if (SameName(o->Name(), name)) return o;
    }
    throw vb::Error(vb::kSubscriptOutOfRange, name);
  }
  std::int32_t i = index.ToLong();
  if (i < 0 || i >= Count()) throw vb::Error(vb::kSubscriptOutOfRange);
  return items_[static_cast<std::size_t>(i)];
}

void ControlsCollection::Remove(const Object* object) {
  std::erase_if(items_, [object](const ObjectPtr& o) { return o.get() == object; });
}

const ClassInfo& ControlsCollection::TypeInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.Controls");
    ClassBuilder<ControlsCollection>(i)
        .Property("Count", &ControlsCollection::Count)
        .Method("Item", &ControlsCollection::Item, {Param("Index")});
    return i;
  }();
  return info;
}

}  // namespace host
