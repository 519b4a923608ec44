#pragma once

#include <memory>

namespace vb {

// Base of every object the engine hands around by reference (fonts, pictures, controls).
class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;

}  // namespace vb
