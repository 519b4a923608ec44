#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/host/types/class_info.h"
#include "platform/vb/object.h"

namespace host {

// Base of every object of the engine: forms, menus, elements and user controls. It knows its
// type information, its Name, its Index (for array members; -1 otherwise), its owner (the
// object whose code handles its events: the form or the user control it was placed on) and
// whether it is still alive (an unloaded form or control stays a valid C++ object while a
// dispatch still holds it, but is no longer alive).
class Object : public vb::Object {
 public:
  ~Object() override = default;

  virtual const ClassInfo& Class() const = 0;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  std::int16_t Index() const { return index_; }
  void SetIndex(std::int16_t index) { index_ = index; }
  bool IsArrayMember() const { return index_ >= 0; }
  Object* Owner() const { return owner_; }
  void SetOwner(Object* owner) { owner_ = owner; }
  bool alive() const { return alive_; }

  // "Form1.QuorinSkin1.LbMenu(2)": the owners' names down to this one.
  std::string Path() const;
  // Name with the index of an array member: "LbMenu(2)".
  std::string DisplayName() const;

  // A named child reachable by late binding (a form's controls and menus), or null.
  virtual std::shared_ptr<Object> NamedChild(std::string_view /*name*/) { return nullptr; }
  // Where late binding looks for members the class itself lacks (a user control's extender).
  virtual Object* MemberFallback() { return nullptr; }

  template <typename T>
  std::shared_ptr<T> SharedAs() {
    return std::dynamic_pointer_cast<T>(shared_from_this());
  }

 protected:
  void MarkDead() { alive_ = false; }

 private:
  std::string name_;
  std::int16_t index_ = -1;
  Object* owner_ = nullptr;
  bool alive_ = true;
};

using ObjectPtr = std::shared_ptr<Object>;

}  // namespace host
