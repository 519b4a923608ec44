#include "platform/host/types/class_info.h"

#include <cctype>

namespace host {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

namespace {
bool IsEngineClass(const ClassInfo& info) {
  const std::string& n = info.full_name();
  return n.size() > 3 && SameName(std::string_view(n).substr(0, 3), "VB.");
}
}  // namespace

ClassInfo::ClassInfo(std::string full_name, const ClassInfo* base)
    : full_name_(std::move(full_name)), base_(base) {}

std::string ClassInfo::short_name() const {
  std::size_t dot = full_name_.rfind('.');
  return dot == std::string::npos ? full_name_ : full_name_.substr(dot + 1);
}

namespace {
template <typename List>
auto FindIn(const ClassInfo* info, std::string_view name, List ClassInfo::*list)
    -> decltype(&(info->*list)[0]) {
  for (; info; info = info->base()) {
    for (const auto& entry : info->*list) {
      if (SameName(entry.name, name)) return &entry;
    }
  }
  return nullptr;
}
}  // namespace

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
  return FindIn(this, name, &ClassInfo::properties);
}
const MethodInfo* ClassInfo::FindMethod(std::string_view name) const {
  return FindIn(this, name, &ClassInfo::methods);
}
const EventInfo* ClassInfo::FindEvent(std::string_view name) const {
  return FindIn(this, name, &ClassInfo::events);
}
const EnumInfo* ClassInfo::FindEnum(std::string_view name) const {
  return FindIn(this, name, &ClassInfo::enums);
}

const StoredInfo* ClassInfo::FindStored(std::string_view key) const {
  for (const ClassInfo* info = this; info; info = info->base()) {
    for (const auto& entry : info->stored) {
      if (SameName(entry.key, key)) return &entry;
    }
  }
  return nullptr;
}

bool ClassInfo::IsA(std::string_view name) const {
  // A short name means the class it resolves to ("Frame" is VB.Frame, never another
  // library's Frame); one that resolves to nothing compares by short name.
  const ClassInfo* named =
      name.find('.') == std::string_view::npos ? TypeRegistry::Instance().Find(name) : nullptr;
  for (const ClassInfo* info = this; info; info = info->base()) {
    if (SameName(info->full_name(), name)) return true;
    if (named ? info == named : SameName(info->short_name(), name)) return true;
  }
  return false;
}

TypeRegistry& TypeRegistry::Instance() {
  static TypeRegistry registry;
  return registry;
}

ClassInfo& TypeRegistry::Add(std::string full_name, const ClassInfo* base) {
  for (auto& info : classes_) {
    if (SameName(info->full_name(), full_name)) return *info;
  }
  classes_.push_back(std::make_unique<ClassInfo>(std::move(full_name), base));
  return *classes_.back();
}

const ClassInfo* TypeRegistry::Find(std::string_view name) const {
  const ClassInfo* by_short = nullptr;
  const ClassInfo* engine_own = nullptr;
  int short_matches = 0;
  for (const auto& info : classes_) {
    if (SameName(info->full_name(), name)) return info.get();
    if (SameName(info->short_name(), name)) {
      by_short = info.get();
      ++short_matches;
      if (IsEngineClass(*info)) engine_own = info.get();
    }
  }
  // A short name several libraries share means the engine's own class, as the engine's
  // library comes first in every project's references.
  if (engine_own) return engine_own;
  return short_matches == 1 ? by_short : nullptr;
}

std::vector<const ClassInfo*> TypeRegistry::All() const {
  std::vector<const ClassInfo*> out;
  for (const auto& info : classes_) out.push_back(info.get());
  return out;
}

}  // namespace host
