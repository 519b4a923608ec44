#include "platform/host/types/late_binding.h"

#include <vector>

#include "platform/vb/error.h"

namespace host {

namespace {

[[noreturn]] void NotSupported(const Object& object, std::string_view name) {
  throw vb::Error(vb::kNotSupported, object.Class().full_name() + "." + std::string(name));
}

// The arguments with the optional ones left out (or passed Empty) given their defaults.
std::vector<vb::Variant> Filled(const std::string& member, const std::vector<ParamInfo>& params,
                                std::span<const vb::Variant> arguments) {
  if (arguments.size() > params.size()) throw vb::Error(kWrongNumberOfArguments, member);
  std::vector<vb::Variant> filled(arguments.begin(), arguments.end());
  for (std::size_t i = filled.size(); i < params.size(); ++i) {
    const ParamInfo& param = params[i];
    if (!param.optional) throw vb::Error(kArgumentNotOptional, member + " " + param.name);
    filled.push_back(param.default_value);
  }
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (filled[i].IsEmpty() && params[i].optional) filled[i] = params[i].default_value;
  }
  return filled;
}

}  // namespace

vb::Variant GetProperty(Object& object, std::string_view name) {
  return GetProperty(object, name, std::span<const vb::Variant>());
}

vb::Variant GetProperty(Object& object, std::string_view name,
                        std::span<const vb::Variant> arguments) {
  const ClassInfo& info = object.Class();
  if (const PropertyInfo* p = info.FindProperty(name); p && (p->get || p->get_at)) {
    if (!p->params.empty()) return p->get_at(object, Filled(p->name, p->params, arguments));
    if (!arguments.empty()) throw vb::Error(kWrongNumberOfArguments, p->name);
    return p->get(object);
  }
  if (const MethodInfo* m = info.FindMethod(name)) {
    // A method without required arguments reads like a property (obj.Refresh).
    return CallMethod(object, m->name, arguments);
  }
  if (arguments.empty()) {
    if (ObjectPtr child = object.NamedChild(name)) return vb::Variant(vb::ObjectRef(child));
  }
  if (Object* fallback = object.MemberFallback()) return GetProperty(*fallback, name, arguments);
  NotSupported(object, name);
}

void LetProperty(Object& object, std::string_view name, const vb::Variant& value) {
  LetProperty(object, name, std::span<const vb::Variant>(), value);
}

void LetProperty(Object& object, std::string_view name, std::span<const vb::Variant> arguments,
                 const vb::Variant& value) {
  const PropertyInfo* p = object.Class().FindProperty(name);
  if (!p) {
    if (Object* fallback = object.MemberFallback()) {
      return LetProperty(*fallback, name, arguments, value);
    }
    NotSupported(object, name);
  }
  if (!p->params.empty()) {
    if (p->let_at) return p->let_at(object, Filled(p->name, p->params, arguments), value);
    NotSupported(object, name);
  }
  if (!arguments.empty()) throw vb::Error(kWrongNumberOfArguments, p->name);
  if (p->let) return p->let(object, value);
  // Let of an object value on a property with Set only is what the engine refuses too.
  NotSupported(object, name);
}

void SetProperty(Object& object, std::string_view name, const vb::ObjectRef& value) {
  SetProperty(object, name, std::span<const vb::Variant>(), value);
}

void SetProperty(Object& object, std::string_view name, std::span<const vb::Variant> arguments,
                 const vb::ObjectRef& value) {
  const PropertyInfo* p = object.Class().FindProperty(name);
  if (!p) {
    if (Object* fallback = object.MemberFallback()) {
      return SetProperty(*fallback, name, arguments, value);
    }
    NotSupported(object, name);
  }
  if (!p->params.empty()) {
    if (p->set_at) {
      return p->set_at(object, Filled(p->name, p->params, arguments), vb::Variant(value));
    }
    NotSupported(object, name);
  }
  if (!arguments.empty()) throw vb::Error(kWrongNumberOfArguments, p->name);
  if (p->set) return p->set(object, vb::Variant(value));
  NotSupported(object, name);
}

bool TakesArguments(const Object& object, std::string_view name) {
  const ClassInfo& info = object.Class();
  if (const PropertyInfo* p = info.FindProperty(name)) return !p->params.empty();
  return info.FindMethod(name) != nullptr;
}

vb::Variant CallMethod(Object& object, std::string_view name,
                       std::span<const vb::Variant> arguments) {
  const MethodInfo* m = object.Class().FindMethod(name);
  if (!m) {
    if (Object* fallback = object.MemberFallback()) return CallMethod(*fallback, name, arguments);
    NotSupported(object, name);
  }
  return m->call(object, Filled(m->name, m->params, arguments));
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
