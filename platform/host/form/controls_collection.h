#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/host/object.h"

namespace host {

// A form's Controls: every control and menu of the form in the order they were made.
// Late-bound code reads Count and Item(index) (0-based, or by name).
class ControlsCollection : public Object {
 public:
  static const ClassInfo& TypeInfo();
  const ClassInfo& Class() const override { return TypeInfo(); }

  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  // Error 9 for an index outside the collection or an unknown name.
  vb::ObjectRef Item(const vb::Variant& index) const;
  std::vector<ObjectPtr>::const_iterator begin() const { return items_.begin(); }
  std::vector<ObjectPtr>::const_iterator end() const { return items_.end(); }
  const std::vector<ObjectPtr>& items() const { return items_; }

  void Add(ObjectPtr object) { items_.push_back(std::move(object)); }
  void Remove(const Object* object);
  void Clear() { items_.clear(); }

 private:
  std::vector<ObjectPtr> items_;
};

}  // namespace host
