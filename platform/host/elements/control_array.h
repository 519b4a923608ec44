#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/host/control/control.h"
#include "platform/host/control/placement.h"
#include "platform/host/control/user_control.h"
#include "platform/vb/error.h"

namespace host {

// An element array: member 0 placed at design time, further members made with Load (a
// hidden copy of member 0 with the given index) and removed with Unload. A missing member
// is error 340. `Connect` runs for every member, 0 and later ones, so the owner's handlers
// reach each of them with its Index.
template <typename T>
class ControlArray {
 public:
  ControlArray() = default;
  // Takes member 0, already placed (its Index becomes 0).
  void Adopt(std::shared_ptr<T> first) {
    first->SetIndex(0);
    members_[0] = first;
    if (connect_) connect_(*first);
  }
  // Makes member 0 as an element of a user control.
  void Create(UserControl& owner, std::string name) {
    Adopt(owner.AddElement<T>(std::move(name), 0));
  }

  void Connect(std::function<void(T&)> connect) {
    connect_ = std::move(connect);
    for (auto& [index, member] : members_) connect_(*member);
  }

  T& operator()(std::int16_t index) const {
    auto it = members_.find(index);
    if (it == members_.end() || !it->second->alive()) {
      throw vb::Error(vb::kControlArrayElementMissing, Name() + "(" + std::to_string(index) + ")");
    }
    return *it->second;
  }
  std::shared_ptr<T> Ref(std::int16_t index) const {
    (*this)(index);
    return members_.at(index);
  }
  bool Exists(std::int16_t index) const { return members_.count(index) != 0; }

  // Load: error 360 for an index already loaded, 340 without a member 0 to copy.
  T& Load(std::int16_t index) {
    if (members_.count(index)) throw vb::Error(360, "Object already loaded");
    T& first = (*this)(LBound());
    std::shared_ptr<T> copy = std::dynamic_pointer_cast<T>(first.CloneForArray());
    if (!copy) throw vb::Error(vb::kNotSupported, "Load " + Name());
    copy->SetName(first.Name());
    copy->SetIndex(index);
    Container* container = first.container();
    Object* owner = first.Owner();
    if (!container || !owner) throw vb::Error(vb::kObjectNotSet);
    PropertyBag bag;
    if (auto* uc = dynamic_cast<UserControl*>(&first)) uc->RunWriteProperties(bag);
    bool is_uc = dynamic_cast<UserControl*>(copy.get()) != nullptr;
    Place(*container, *owner, copy, is_uc ? &bag : nullptr);
    members_[index] = copy;
    if (connect_) connect_(*copy);
    return *copy;
  }
  // Unload: member 0 placed at design time cannot be unloaded (error 362).
  void Unload(std::int16_t index) {
    T& member = (*this)(index);
    if (index == 0) throw vb::Error(362, "Can't unload controls created at design time");
    std::shared_ptr<T> keep = members_[index];
    members_.erase(index);
    if (Container* c = member.container()) {
      member.Destroy();
      if (auto* f = dynamic_cast<Form*>(member.Owner())) UnregisterFromForm(*f, member);
      c->RemoveChild(&member);
    }
  }

  std::int16_t LBound() const {
    if (members_.empty()) throw vb::Error(vb::kControlArrayElementMissing, Name());
    return members_.begin()->first;
  }
  std::int16_t UBound() const {
    if (members_.empty()) throw vb::Error(vb::kControlArrayElementMissing, Name());
    return members_.rbegin()->first;
  }
  std::int16_t Count() const { return static_cast<std::int16_t>(members_.size()); }
  const std::map<std::int16_t, std::shared_ptr<T>>& members() const { return members_; }

 private:
  std::string Name() const {
    return members_.empty() ? std::string("?") : members_.begin()->second->Name();
  }
  static void UnregisterFromForm(Form& form, T& member);

  std::map<std::int16_t, std::shared_ptr<T>> members_;
  std::function<void(T&)> connect_;
};

void UnregisterFormControl(Form& form, const Control& control);

template <typename T>
void ControlArray<T>::UnregisterFromForm(Form& form, T& member) {
  UnregisterFormControl(form, member);
}

}  // namespace host
