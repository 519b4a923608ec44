#pragma once

#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/host/object.h"
#include "platform/vb/variant.h"

namespace host {

// Access to an object's members by name, through its type information. Names compare
// without regard to case. An unknown member is error 438; a value of the wrong type is 13;
// a left-out argument that is not optional is 449 ("Argument not optional"); too many
// arguments are 450 ("Wrong number of arguments").
constexpr int kArgumentNotOptional = 449;
constexpr int kWrongNumberOfArguments = 450;

vb::Variant GetProperty(Object& object, std::string_view name);
// Assigns a value (Let); a property that holds object references only is 438 here.
void LetProperty(Object& object, std::string_view name, const vb::Variant& value);
// Assigns an object reference (Set).
void SetProperty(Object& object, std::string_view name, const vb::ObjectRef& value);
// The same with arguments, for indexed properties (TabCaption(2)); a get with arguments of a
// method calls it with them.
vb::Variant GetProperty(Object& object, std::string_view name,
                        std::span<const vb::Variant> arguments);
void LetProperty(Object& object, std::string_view name, std::span<const vb::Variant> arguments,
                 const vb::Variant& value);
void SetProperty(Object& object, std::string_view name, std::span<const vb::Variant> arguments,
                 const vb::ObjectRef& value);
// Whether the member takes arguments: an indexed property or a method.
bool TakesArguments(const Object& object, std::string_view name);
vb::Variant CallMethod(Object& object, std::string_view name,
                       std::span<const vb::Variant> arguments = {});
vb::Variant CallMethod(Object& object, std::string_view name,
                       std::initializer_list<vb::Variant> arguments);

// Helpers for late-bound code holding a Variant.
Object& AsObject(const vb::Variant& value);  // 91 for Nothing, 13 for a non-object

// TypeOf: true when the object's class, or a base of it, has that name (full, such as
// "QuorinSkinForVB6.RadioButton", or short, such as "RadioButton").
bool IsKindOf(const vb::Object* object, std::string_view class_name);
inline bool IsKindOf(const vb::ObjectRef& object, std::string_view class_name) {
  return IsKindOf(object.get(), class_name);
}
// The engine's TypeName.
std::string TypeName(const vb::Object* object);

}  // namespace host
