#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "platform/vb/object.h"

namespace vb {

// The engine's Variant: Empty, Boolean, Integer (16-bit), Long (32-bit), Single, Double,
// String or an object reference. Conversions follow the engine: banker's rounding, Overflow
// (6) when a value does not fit, Type mismatch (13) for a value that is not a number.
class Variant {
 public:
  enum class Kind { Empty, Boolean, Integer, Long, Single, Double, String, Object };

  Variant() = default;
  Variant(bool value) : value_(value) {}
  Variant(std::int16_t value) : value_(value) {}
  Variant(std::int32_t value) : value_(value) {}
  Variant(float value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  Variant(ObjectRef value) : value_(std::move(value)) {}
  template <typename T>
  requires std::is_base_of_v<Object, T> Variant(std::shared_ptr<T> value)
      : value_(ObjectRef(std::move(value))) {}

  Kind kind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return kind() == Kind::Empty; }
  bool IsNumeric() const;
  bool IsObject() const { return kind() == Kind::Object; }

  bool ToBoolean() const;
  std::int16_t ToInteger() const;
  std::int32_t ToLong() const;
  float ToSingle() const;
  double ToDouble() const;
  std::string ToString() const;
  // The object held; Type mismatch when the Variant is not an object, and a null reference
  // for an object variable that is Nothing.
  ObjectRef ToObject() const;

  // Same kind and same value (objects by identity).
  bool operator==(const Variant& other) const;

 private:
  using Storage = std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double,
                               std::string, ObjectRef>;
  Storage value_;
};

}  // namespace vb
