#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/variant.h"

namespace host {

class Object;

// Names of members and classes compare without regard to case, as the engine does.
bool SameName(std::string_view a, std::string_view b);

struct ParamInfo {
  std::string name;
  bool optional = false;
  vb::Variant default_value;  // used when an optional argument is left out
  bool by_ref = true;         // the engine passes arguments by reference unless told
};

// What a property holds, as far as the design-time pages care: a colour (OLE_COLOR), a font
// (StdFont) or anything else.
enum class ValueKind { kOther, kColor, kFont };

// A property: get, and let for values or set for object references (either may be absent).
struct PropertyInfo {
  std::string name;
  int dispid = 0;
  std::function<vb::Variant(Object&)> get;
  std::function<void(Object&, const vb::Variant&)> let;
  std::function<void(Object&, const vb::Variant&)> set;
  bool is_object = false;
  ValueKind kind = ValueKind::kOther;
  // An indexed property (TabCaption(Index)): its index parameters, and accessors that take
  // the index arguments first (optional ones already filled in).
  std::vector<ParamInfo> params = {};
  std::function<vb::Variant(Object&, std::span<const vb::Variant>)> get_at = {};
  std::function<void(Object&, std::span<const vb::Variant>, const vb::Variant&)> let_at = {};
  std::function<void(Object&, std::span<const vb::Variant>, const vb::Variant&)> set_at = {};
};

struct MethodInfo {
  std::string name;
  int dispid = 0;
  std::vector<ParamInfo> params;
  // Receives the arguments with the optional ones already filled in.
  std::function<vb::Variant(Object&, std::span<const vb::Variant>)> call;
};

struct EventInfo {
  std::string name;
  int dispid = 0;
  std::vector<ParamInfo> params;
};

// A value the control keeps in its container's property store: its key, its defaults, where
// it comes from when saved and how a read value is applied. `read` and `write` are 1-based
// positions in the control's read order and write order (0: not read or not written).
struct StoredInfo {
  std::string key;
  int read = 0;
  int write = 0;
  std::function<vb::Variant(Object&)> read_default;
  std::function<vb::Variant(Object&)> write_default;
  std::function<vb::Variant(Object&)> get;
  std::function<void(Object&, const vb::Variant&)> load;
  // The value a newly placed control starts with, applied through `load`; empty: none.
  std::function<vb::Variant(Object&)> initial;
};

struct EnumInfo {
  std::string name;
  std::vector<std::pair<std::string, std::int32_t>> members;
};

// The type information of one class under its full name ("VB.Label",
// "QuorinSkinForVB6.RadioButton"). Lookups search the class, then its base.
class ClassInfo {
 public:
  ClassInfo(std::string full_name, const ClassInfo* base = nullptr);

  const std::string& full_name() const { return full_name_; }
  // The part after the library prefix ("Label" for "VB.Label").
  std::string short_name() const;
  const ClassInfo* base() const { return base_; }

  const PropertyInfo* FindProperty(std::string_view name) const;
  const MethodInfo* FindMethod(std::string_view name) const;
  const EventInfo* FindEvent(std::string_view name) const;
  const EnumInfo* FindEnum(std::string_view name) const;
  // A stored value by its key (without regard to case), in this class or its bases.
  const StoredInfo* FindStored(std::string_view key) const;
  // True for this class or one of its bases, by full name, or by a short name as Find
  // resolves it (so "Frame" is VB.Frame and not QuorinSkinForVB6.Frame).
  bool IsA(std::string_view name) const;

  std::vector<PropertyInfo> properties;
  std::vector<MethodInfo> methods;
  std::vector<EventInfo> events;
  std::vector<EnumInfo> enums;
  std::vector<StoredInfo> stored;
  // Makes a new, unsited instance; empty for classes that cannot be created by name.
  std::function<std::shared_ptr<Object>()> factory;
  // Flags a user control declares towards its container.
  bool control_container = false;
  bool alignable = false;
  // The control's window stays hidden at run time (a design-time-only face).
  bool invisible_at_runtime = false;
  // The property pages the control shows at design time, by class name, in tab order.
  std::vector<std::string> property_pages;

 private:
  std::string full_name_;
  const ClassInfo* base_;
};

// Every registered class, by full name. Registration happens once per class, before use.
class TypeRegistry {
 public:
  static TypeRegistry& Instance();
  // Registers (or returns the already registered) class of that name.
  ClassInfo& Add(std::string full_name, const ClassInfo* base = nullptr);
  // By full name, or by short name: the engine's own ("VB.") class when several share it,
  // else the only class of that name (null when two libraries other than the engine's do).
  const ClassInfo* Find(std::string_view name) const;
  std::vector<const ClassInfo*> All() const;

 private:
  std::vector<std::unique_ptr<ClassInfo>> classes_;
};

}  // namespace host
