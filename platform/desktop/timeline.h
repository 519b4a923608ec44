#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace desktop {

// Scripted actions, each due at a virtual time. An action runs from whichever message loop
// is pumping when it falls due, one at a time, so what it causes is handled before the next.
class Timeline {
 public:
  struct Action {
    std::uint64_t due = 0;
    std::uint64_t serial = 0;
    std::string description;
    std::function<void()> run;
  };

  // Schedules `run` `delay` ms after the previous scripted action (or after `now` when the
  // script had run out).
  void Add(std::uint64_t now, std::uint64_t delay, std::string description,
           std::function<void()> run);
  std::optional<std::uint64_t> NextDue() const;
  // The first action, if it is due at `now`.
  const Action* PeekDue(std::uint64_t now) const {
    return actions_.empty() || actions_.front().due > now ? nullptr : &actions_.front();
  }
  // Takes the first action due at `now`, if any.
  std::optional<Action> TakeDue(std::uint64_t now);
  bool empty() const { return actions_.empty(); }
  std::size_t size() const { return actions_.size(); }
  // When the last scripted action falls due.
  std::uint64_t end() const { return end_; }

 private:
  // Ordered by (due, serial); scripts add at the back and take from the front, so both are
  // cheap however long the script is.
  std::deque<Action> actions_;
  std::uint64_t end_ = 0;
  std::uint64_t serial_ = 0;
};

}  // namespace desktop
