#include "platform/desktop/timeline.h"

#include <algorithm>

namespace desktop {

void Timeline::Add(std::uint64_t now, std::uint64_t delay, std::string description,
                   std::function<void()> run) {
  Action action;
  action.due = std::max(end_, now) + delay;
  action.serial = serial_++;
  action.description = std::move(description);
  action.run = std::move(run);
  end_ = action.due;
  auto position = std::upper_bound(
      actions_.begin(), actions_.end(), action, [](const Action& a, const Action& b) {
        return a.due < b.due || (a.due == b.due && a.serial < b.serial);
      });
  actions_.insert(position, std::move(action));
}

std::optional<std::uint64_t> Timeline::NextDue() const {
  if (actions_.empty()) return std::nullopt;
  return actions_.front().due;
}

std::optional<Timeline::Action> Timeline::TakeDue(std::uint64_t now) {
  if (actions_.empty() || actions_.front().due > now) return std::nullopt;
  Action action = std::move(actions_.front());
  actions_.pop_front();
  return action;
}

}  // namespace desktop
