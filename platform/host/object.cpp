#include "platform/host/object.h"

#include <typeinfo>

#include "platform/host/event.h"

namespace host {

std::string SourcePath(const vb::Object* source) {
  if (!source) return {};
  if (const auto* object = dynamic_cast<const Object*>(source)) return object->Path();
  return typeid(*source).name();
}

std::string Object::DisplayName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

std::string Object::Path() const {
  std::string path = DisplayName();
  for (const Object* o = owner_; o; o = o->owner_) path = o->DisplayName() + "." + path;
  return path;
}

}  // namespace host
