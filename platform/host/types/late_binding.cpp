#include "platform/host/types/late_binding.h"

#include <vector>

#include "platform/vb/error.h"

namespace host {

namespace {

[[noreturn]] void NotSupported(const Object& object, std::string_view name) {
  throw vb::Error(vb::kNotSupported, object.Class().full_name() + "." + std::string(name));
}

}  // namespace

vb::Variant GetProperty(Object& object, std::string_view name) {
  const ClassInfo& info = object.Class();
  if (const PropertyInfo* p = info.FindProperty(name); p && p->get) return p->get(object);
  if (const MethodInfo* m = info.FindMethod(name)) {
    // A method without required arguments reads like a property (obj.Refresh).
    return CallMethod(object, m->name);
  }
  if (ObjectPtr child = object.NamedChild(name)) return vb::Variant(vb::ObjectRef(child));
  if (Object* fallback = object.MemberFallback()) return GetProperty(*fallback, name);
  NotSupported(object, name);
}

void LetProperty(Object& object, std::string_view name, const vb::Variant& value) {
  const PropertyInfo* p = object.Class().FindProperty(name);
  if (!p) {
    if (Object* fallback = object.MemberFallback()) return LetProperty(*fallback, name, value);
    NotSupported(object, name);
  }
  if (p->let) return p->let(object, value);
  // Let of an object value on a property with Set only is what the engine refuses too.
  NotSupported(object, name);
}

void SetProperty(Object& object, std::string_view name, const vb::ObjectRef& value) {
  const PropertyInfo* p = object.Class().FindProperty(name);
  if (!p) {
    if (Object* fallback = object.MemberFallback()) return SetProperty(*fallback, name, value);
    NotSupported(object, name);
  }
  if (p->set) return p->set(object, vb::Variant(value));
  NotSupported(object, name);
}

vb::Variant CallMethod(Object& object, std::string_view name,
                       std::span<const vb::Variant> arguments) {
  const MethodInfo* m = object.Class().FindMethod(name);
  if (!m) {
    if (Object* fallback = object.MemberFallback()) return CallMethod(*fallback, name, arguments);
    NotSupported(object, name);
  }
  if (arguments.size() > m->params.size()) throw vb::Error(kWrongNumberOfArguments, m->name);
  std::vector<vb::Variant> filled(arguments.begin(), arguments.end());
  for (std::size_t i = filled.size(); i < m->params.size(); ++i) {
    const ParamInfo& param = m->params[i];
    if (!param.optional) throw vb::Error(kArgumentNotOptional, m->name + " " + param.name);
    filled.push_back(param.default_value);
  }
  // An Empty argument passed where the parameter is optional takes the default as well.
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (filled[i].IsEmpty() && m->params[i].optional) filled[i] = m->params[i].default_value;
  }
  return m->call(object, filled);
}

vb::Variant CallMethod(Object& object, std::string_view name,
                       std::initializer_list<vb::Variant> arguments) {
  return CallMethod(object, name,
                    std::span<const vb::Variant>(arguments.begin(), arguments.size()));
}

Object& AsObject(const vb::Variant& value) {
  if (value.IsEmpty()) throw vb::Error(vb::kObjectNotSet);
  vb::ObjectRef ref = value.ToObject();
  if (!ref) throw vb::Error(vb::kObjectNotSet);
  auto* object = dynamic_cast<Object*>(ref.get());
  if (!object) throw vb::Error(vb::kNotSupported);
  return *object;
}

bool IsKindOf(const vb::Object* object, std::string_view class_name) {
  const auto* host_object = dynamic_cast<const Object*>(object);
  return host_object && host_object->Class().IsA(class_name);
}

std::string TypeName(const vb::Object* object) {
  if (!object) return "Nothing";
  if (const auto* host_object = dynamic_cast<const Object*>(object)) {
    return host_object->Class().short_name();
  }
  return "Object";
}

}  // namespace host
