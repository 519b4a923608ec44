#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/host/types/class_builder.h"
#include "platform/win/messages.h"

namespace host {

// The items of a list box or combo box with each item's ItemData value, as a form file
// stores them (`List` and `ItemData` in the companion file).
class ItemList {
 public:
  virtual ~ItemList() = default;
  virtual std::vector<std::string> Items() const = 0;
  virtual std::vector<std::int32_t> ItemDataValues() const = 0;
  // Replaces every item; `data` gives the ItemData of the first items (0 for the rest).
  virtual void SetItems(std::vector<std::string> items, std::vector<std::int32_t> data) = 0;
};

// Registers the members a list box and a combo box share, in this order: AddItem, RemoveItem,
// Clear, List, ItemData, ListCount, ListIndex.
template <typename T>
ClassBuilder<T>& AddListMembers(ClassBuilder<T>& b) {
  return b.Method("AddItem", &T::AddItem, {Param("Item"), Optional("Index")})
      .Method("RemoveItem", &T::RemoveItem, {Param("Index")})
      .Method("Clear", &T::Clear)
      .Method("List", &T::List, {Param("Index")})
      .Method("ItemData",
              [](T& t, std::span<const vb::Variant> args) {
                return vb::Variant(t.ItemData(args[0].ToInteger()));
              },
              {Param("Index")})
      .Property("ListCount", &T::ListCount)
      .Property("ListIndex", &T::ListIndex, &T::ListIndex);
}

// Down and Up arrows select the next and the previous item (nothing past either end).
template <typename T>
void StepListIndex(T& list, std::int16_t key) {
  if (list.ListCount() == 0) return;
  const std::int16_t at = list.ListIndex();
  if (key == win32::VK_DOWN && at + 1 < list.ListCount()) {
    list.ListIndex(static_cast<std::int16_t>(at + 1));
  } else if (key == win32::VK_UP && at > 0) {
    list.ListIndex(static_cast<std::int16_t>(at - 1));
  }
}

}  // namespace host
