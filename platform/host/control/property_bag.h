#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/variant.h"

namespace host {

// The container's property store: ordered entries of key and value, keys compared without
// regard to case. Values are Boolean, Integer, Long, Single, Double, String, StdFont or
// StdPicture.
class PropertyBag {
 public:
  struct Entry {
    std::string key;
    vb::Variant value;
  };

  // The stored value converted to the type of `default_value` (the default fixes the type),
  // or the default when the key is absent. A stored value that does not convert is error 13.
  vb::Variant ReadProperty(std::string_view key, const vb::Variant& default_value = {}) const;
  // Stores the value; a value equal to the default is not stored (and removes an entry that
  // was). Fonts compare by attributes, pictures by identity, an empty picture equals Nothing.
  void WriteProperty(std::string_view key, const vb::Variant& value,
                     const vb::Variant& default_value = {});

  // Raw access for form files and tests.
  const std::vector<Entry>& entries() const { return entries_; }
  const vb::Variant* Find(std::string_view key) const;
  void Put(std::string key, vb::Variant value);
  bool Remove(std::string_view key);
  bool empty() const { return entries_.empty(); }
  void Clear() { entries_.clear(); }

  // Whether two values count as equal for default elision.
  static bool SameValue(const vb::Variant& a, const vb::Variant& b);

 private:
  std::vector<Entry> entries_;
};

}  // namespace host
