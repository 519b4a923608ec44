#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/vb/object.h"
#include "platform/vb/variant.h"

namespace host {

// The path of an event's source for logs, "Form1.QuorinSkin1.LbMenu(2)"; the name of the
// class for objects outside the engine, "" for none. Defined by the form engine.
std::string SourcePath(const vb::Object* source);

// Sees every event as it is raised, with its arguments (the scenario driver logs them).
class EventObserver {
 public:
  virtual ~EventObserver() = default;
  virtual void EventRaised(const vb::Object* source, std::string_view event,
                           std::span<const vb::Variant> arguments) = 0;
  // A user control called PropertyChanged (the driver logs these too).
  virtual void PropertyChanged(const vb::Object* /*source*/, std::string_view /*property*/) {}
};

namespace detail {
inline EventObserver* g_event_observer = nullptr;
}

// The process's observer, or null.
inline EventObserver* GetEventObserver() {
  return detail::g_event_observer;
}
inline void SetEventObserver(EventObserver* observer) {
  detail::g_event_observer = observer;
}

// An event a class declares. Raising it calls every connected handler in the order they were
// connected; arguments are passed by reference, so a handler may change them and the raiser
// reads them back afterwards. A handler may disconnect itself or others while the event is
// being raised.
template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args&...)>;

  explicit Event(std::string name, const vb::Object* source = nullptr)
      : name_(std::move(name)), source_(source) {}
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  const std::string& name() const { return name_; }
  void set_source(const vb::Object* source) { source_ = source; }

  // Returns an id for Disconnect.
  int Connect(Handler handler) {
    handlers_.push_back({next_id_, std::make_shared<Handler>(std::move(handler))});
    return next_id_++;
  }
  void Disconnect(int id) {
    std::erase_if(handlers_, [id](const Slot& s) { return s.id == id; });
  }
  void DisconnectAll() { handlers_.clear(); }
  bool connected() const { return !handlers_.empty(); }

  // RaiseEvent with variables the handlers may change.
  void Raise(Args&... args) {
    if (EventObserver* observer = GetEventObserver()) {
      const vb::Variant values[] = {vb::Variant(), vb::Variant(args)...};
      observer->EventRaised(source_, name_, std::span<const vb::Variant>(values).subspan(1));
    }
    // A snapshot, so handlers connected or disconnected meanwhile do not disturb the walk.
    const std::vector<Slot> snapshot = handlers_;
    for (const Slot& slot : snapshot) (*slot.handler)(args...);
  }
  // RaiseEvent with values nobody reads back.
  void operator()(Args... args) { Raise(args...); }

 private:
  struct Slot {
    int id;
    std::shared_ptr<Handler> handler;
  };
  std::string name_;
  const vb::Object* source_;
  std::vector<Slot> handlers_;
  int next_id_ = 1;
};

}  // namespace host
