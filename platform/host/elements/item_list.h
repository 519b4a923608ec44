#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace host
