#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/host/types/class_info.h"
#include "platform/vb/error.h"
#include "platform/vb/std_font.h"
#include "platform/vb/variant.h"

namespace host {

// Conversions between a member's C++ type and vb::Variant, as the engine converts
// arguments: numbers with banker's rounding and Overflow, objects by type (Type mismatch
// for the wrong kind of object; Nothing converts to a null reference).
template <typename T>
struct VariantTraits;

template <>
struct VariantTraits<vb::Variant> {
  static vb::Variant From(const vb::Variant& v) { return v; }
  static vb::Variant To(const vb::Variant& v) { return v; }
};
template <>
struct VariantTraits<bool> {
  static bool From(const vb::Variant& v) { return v.ToBoolean(); }
  static vb::Variant To(bool v) { return vb::Variant(v); }
};
template <>
struct VariantTraits<std::int16_t> {
  static std::int16_t From(const vb::Variant& v) { return v.ToInteger(); }
  static vb::Variant To(std::int16_t v) { return vb::Variant(v); }
};
template <>
struct VariantTraits<std::int32_t> {
  static std::int32_t From(const vb::Variant& v) { return v.ToLong(); }
  static vb::Variant To(std::int32_t v) { return vb::Variant(v); }
};
// OLE_COLOR travels as a Long with the same bits.
template <>
struct VariantTraits<std::uint32_t> {
  static std::uint32_t From(const vb::Variant& v) {
    if (v.kind() == vb::Variant::Kind::Double || v.kind() == vb::Variant::Kind::Single) {
      double d = v.ToDouble();
      if (d >= 2147483648.0 && d <= 4294967295.0) return static_cast<std::uint32_t>(d);
    }
    return static_cast<std::uint32_t>(v.ToLong());
  }
  static vb::Variant To(std::uint32_t v) { return vb::Variant(static_cast<std::int32_t>(v)); }
};
template <>
struct VariantTraits<float> {
  static float From(const vb::Variant& v) { return v.ToSingle(); }
  static vb::Variant To(float v) { return vb::Variant(v); }
};
template <>
struct VariantTraits<double> {
  static double From(const vb::Variant& v) { return v.ToDouble(); }
  static vb::Variant To(double v) { return vb::Variant(v); }
};
template <>
struct VariantTraits<std::string> {
  static std::string From(const vb::Variant& v) { return v.ToString(); }
  static vb::Variant To(const std::string& v) { return vb::Variant(v); }
};
template <typename E>
requires std::is_enum_v<E>
struct VariantTraits<E> {
  static E From(const vb::Variant& v) { return static_cast<E>(v.ToLong()); }
  static vb::Variant To(E v) { return vb::Variant(static_cast<std::int32_t>(v)); }
};
// An optional argument left out (Empty) is no value.
template <typename T>
struct VariantTraits<std::optional<T>> {
  static std::optional<T> From(const vb::Variant& v) {
    if (v.IsEmpty()) return std::nullopt;
    return VariantTraits<T>::From(v);
  }
  static vb::Variant To(const std::optional<T>& v) {
    return v ? VariantTraits<T>::To(*v) : vb::Variant();
  }
};
template <typename T>
requires std::is_base_of_v<vb::Object, T>
struct VariantTraits<std::shared_ptr<T>> {
  static std::shared_ptr<T> From(const vb::Variant& v) {
    if (v.IsEmpty()) return nullptr;
    vb::ObjectRef object = v.ToObject();
    if (!object) return nullptr;
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed) throw vb::Error(vb::kTypeMismatch);
    return typed;
  }
  static vb::Variant To(const std::shared_ptr<T>& v) {
    return vb::Variant(std::static_pointer_cast<vb::Object>(v));
  }
};

template <typename T>
using Plain = std::remove_cvref_t<T>;

template <typename T>
constexpr bool kIsObjectType = false;
template <typename T>
constexpr bool kIsObjectType<std::shared_ptr<T>> = true;

// The kind a property's C++ type declares: OLE_COLOR (the only unsigned 32-bit value type
// the engine uses) is a colour, a StdFont reference a font.
template <typename T>
constexpr ValueKind kValueKind = std::is_same_v<T, std::uint32_t> ? ValueKind::kColor
                                 : std::is_same_v<T, vb::FontRef> ? ValueKind::kFont
                                                                  : ValueKind::kOther;

// Shorthands for parameter lists.
inline ParamInfo Param(std::string name) {
  return {std::move(name), false, {}, true};
}
// The arguments every mouse event carries: Button, Shift, X, Y.
inline std::vector<ParamInfo> MouseEventParams() {
  return {Param("Button"), Param("Shift"), Param("X"), Param("Y")};
}
inline ParamInfo Optional(std::string name, vb::Variant default_value = {}) {
  return {std::move(name), true, std::move(default_value)};
}
inline ParamInfo ByVal(std::string name) {
  return {std::move(name), false, {}, false};
}

// How a value of class T is kept in the property store (see ClassBuilder::Persist).
// `read` and `write` are 1-based positions in the read order and the write order (0: that
// side is skipped); `default_value` is the default on both sides unless `write_default` is
// given; `default_from` computes the default instead (the ambient font); `initial` is what a
// newly placed control starts with.
template <typename T>
struct Persisted {
  int read = 0;
  int write = 0;
  vb::Variant default_value{};
  std::optional<vb::Variant> write_default{};
  std::string key{};
  std::function<vb::Variant(T&)> default_from{};
  std::optional<vb::Variant> initial{};
};

// Builds the type information of class T from member-function pointers:
//   ClassBuilder<Label>(info).Property("Caption", &Label::Caption, &Label::Caption)
//       .Method("Refresh", &Label::Refresh).Event("Click", {});
// A setter taking an object reference registers as "set", any other as "let".
template <typename T>
class ClassBuilder {
 public:
  explicit ClassBuilder(ClassInfo& info) : info_(info) {}

  template <typename C, typename R>
  requires std::is_base_of_v<C, T> ClassBuilder& Property(std::string name, R (C::*get)() const,
                                                          int dispid = 0) {
    PropertyInfo p{std::move(name),     dispid, Getter(get), {}, {}, kIsObjectType<Plain<R>>,
                   kValueKind<Plain<R>>};
    return Put(std::move(p));
  }
  template <typename C, typename R, typename D, typename V>
  requires std::is_base_of_v<C, T> && std::is_base_of_v<D, T> ClassBuilder& Property(
      std::string name, R (C::*get)() const, void (D::*put)(V), int dispid = 0) {
    PropertyInfo p{std::move(name),     dispid, Getter(get), {}, {}, kIsObjectType<Plain<R>>,
                   kValueKind<Plain<R>>};
    auto setter = [put](Object& o, const vb::Variant& v) {
      D& self = Self(o);
      (self.*put)(VariantTraits<Plain<V>>::From(v));
    };
    if constexpr (kIsObjectType<Plain<V>>) {
      p.set = setter;
    } else {
      p.let = setter;
    }
    return Put(std::move(p));
  }
  // A property written as two lambdas over T.
  ClassBuilder& Property(std::string name, std::function<vb::Variant(T&)> get,
                         std::function<void(T&, const vb::Variant&)> let, bool is_object = false) {
    PropertyInfo p{std::move(name), 0, {}, {}, {}, is_object};
    if (get) p.get = [get](Object& o) { return get(Self(o)); };
    if (let) {
      auto put = [let](Object& o, const vb::Variant& v) { let(Self(o), v); };
      if (is_object) {
        p.set = put;
      } else {
        p.let = put;
      }
    }
    return Put(std::move(p));
  }

  // A property with one index argument: TabCaption(Index) read by get(Index) and assigned
  // by put(Index, value).
  template <typename C, typename R, typename I, typename D, typename V>
  requires std::is_base_of_v<C, T> && std::is_base_of_v<D, T> ClassBuilder& IndexedProperty(
      std::string name, R (C::*get)(I) const, void (D::*put)(I, V),
      std::vector<ParamInfo> params = {}, int dispid = 0) {
    PropertyInfo p{std::move(name), dispid, {}, {}, {}, kIsObjectType<Plain<R>>};
    p.params = Complete<1>(std::move(params));
    p.get_at = [get](Object& o, std::span<const vb::Variant> args) -> vb::Variant {
      const C& self = Self(o);
      return VariantTraits<Plain<R>>::To((self.*get)(VariantTraits<Plain<I>>::From(args[0])));
    };
    auto setter = [put](Object& o, std::span<const vb::Variant> args, const vb::Variant& v) {
      D& self = Self(o);
      (self.*put)(VariantTraits<Plain<I>>::From(args[0]), VariantTraits<Plain<V>>::From(v));
    };
    if constexpr (kIsObjectType<Plain<V>>) {
      p.set_at = setter;
    } else {
      p.let_at = setter;
    }
    return Put(std::move(p));
  }

  template <typename C, typename R, typename... A>
  requires std::is_base_of_v<C, T> ClassBuilder& Method(std::string name, R (C::*fn)(A...),
                                                        std::vector<ParamInfo> params = {},
                                                        int dispid = 0) {
    MethodInfo m{std::move(name), dispid, Complete<sizeof...(A)>(std::move(params)), {}};
    m.call = [fn](Object& o, std::span<const vb::Variant> args) -> vb::Variant {
      C& self = Self(o);
      return Invoke<R, A...>(self, fn, args, std::index_sequence_for<A...>{});
    };
    return Put(std::move(m));
  }
  template <typename C, typename R, typename... A>
  requires std::is_base_of_v<C, T> ClassBuilder& Method(std::string name, R (C::*fn)(A...) const,
                                                        std::vector<ParamInfo> params = {},
                                                        int dispid = 0) {
    MethodInfo m{std::move(name), dispid, Complete<sizeof...(A)>(std::move(params)), {}};
    m.call = [fn](Object& o, std::span<const vb::Variant> args) -> vb::Variant {
      const C& self = Self(o);
      return Invoke<R, A...>(self, fn, args, std::index_sequence_for<A...>{});
    };
    return Put(std::move(m));
  }
  // A method written as a lambda over the filled-in argument list.
  ClassBuilder& Method(std::string name,
                       std::function<vb::Variant(T&, std::span<const vb::Variant>)> fn,
                       std::vector<ParamInfo> params, int dispid = 0) {
    MethodInfo m{std::move(name), dispid, std::move(params), {}};
    m.call = [fn](Object& o, std::span<const vb::Variant> args) { return fn(Self(o), args); };
    return Put(std::move(m));
  }

  // Declares that the property declared last is stored: read through its getter, applied
  // through its let (or set) unless `load` stores the value directly.
  ClassBuilder& Persist(Persisted<T> how, std::function<void(T&, const vb::Variant&)> load = {}) {
    const PropertyInfo& p = info_.properties.back();
    StoredInfo s = Stored(std::move(how), p.name);
    s.get = p.get;
    if (load) {
      s.load = [load](Object& o, const vb::Variant& v) { load(Self(o), v); };
    } else {
      s.load = p.is_object ? p.set : p.let;
    }
    info_.stored.push_back(std::move(s));
    return *this;
  }
  // The same, with the value to write taken from `get` instead of the property's getter.
  ClassBuilder& Persist(Persisted<T> how, std::function<vb::Variant(T&)> get,
                        std::function<void(T&, const vb::Variant&)> load) {
    Persist(std::move(how), std::move(load));
    info_.stored.back().get = [get](Object& o) { return get(Self(o)); };
    return *this;
  }
  // Declares a stored value that is no property: `get` gives the value to write and `load`
  // keeps a read one.
  ClassBuilder& StoredValue(std::string key, Persisted<T> how, std::function<vb::Variant(T&)> get,
                            std::function<void(T&, const vb::Variant&)> load) {
    StoredInfo s = Stored(std::move(how), key);
    s.get = [get](Object& o) { return get(Self(o)); };
    s.load = [load](Object& o, const vb::Variant& v) { load(Self(o), v); };
    info_.stored.push_back(std::move(s));
    return *this;
  }

  ClassBuilder& Event(std::string name, std::vector<ParamInfo> params = {}, int dispid = 0) {
    info_.events.push_back({std::move(name), dispid, std::move(params)});
    return *this;
  }
  ClassBuilder& Enum(std::string name, std::vector<std::pair<std::string, std::int32_t>> members) {
    info_.enums.push_back({std::move(name), std::move(members)});
    return *this;
  }
  // Lets the class be created by name (form files, the driver, Load of an array member).
  ClassBuilder& Creatable() {
    info_.factory = []() -> std::shared_ptr<Object> { return std::make_shared<T>(); };
    return *this;
  }

  ClassInfo& info() { return info_; }

 private:
  static T& Self(Object& o) {
    T* self = dynamic_cast<T*>(&o);
    if (!self) throw vb::Error(vb::kNotSupported);
    return *self;
  }
  template <typename C, typename R>
  static std::function<vb::Variant(Object&)> Getter(R (C::*get)() const) {
    return [get](Object& o) -> vb::Variant {
      const C& self = Self(o);
      return VariantTraits<Plain<R>>::To((self.*get)());
    };
  }
  template <std::size_t N>
  static std::vector<ParamInfo> Complete(std::vector<ParamInfo> params) {
    while (params.size() < N) params.push_back(Param("Arg" + std::to_string(params.size() + 1)));
    params.resize(N);
    return params;
  }
  template <typename R, typename... A, typename Self_, typename Fn, std::size_t... I>
  static vb::Variant Invoke(Self_& self, Fn fn, std::span<const vb::Variant> args,
                            std::index_sequence<I...>) {
    using Args = std::tuple<A...>;
    if constexpr (std::is_void_v<R>) {
      (self.*fn)(VariantTraits<Plain<std::tuple_element_t<I, Args>>>::From(args[I])...);
      return {};
    } else {
      return VariantTraits<Plain<R>>::To(
          (self.*fn)(VariantTraits<Plain<std::tuple_element_t<I, Args>>>::From(args[I])...));
    }
  }

  static StoredInfo Stored(Persisted<T> how, const std::string& name) {
    StoredInfo s;
    s.key = how.key.empty() ? name : how.key;
    s.read = how.read;
    s.write = how.write;
    if (how.default_from) {
      auto from = how.default_from;
      s.read_default = [from](Object& o) { return from(Self(o)); };
    } else {
      s.read_default = [v = how.default_value](Object&) { return v; };
    }
    if (how.write_default) {
      s.write_default = [v = *how.write_default](Object&) { return v; };
    } else {
      s.write_default = s.read_default;
    }
    if (how.initial) s.initial = [v = *how.initial](Object&) { return v; };
    return s;
  }

  ClassBuilder& Put(PropertyInfo p) {
    info_.properties.push_back(std::move(p));
    return *this;
  }
  ClassBuilder& Put(MethodInfo m) {
    info_.methods.push_back(std::move(m));
    return *this;
  }

  ClassInfo& info_;
};

}  // namespace host
