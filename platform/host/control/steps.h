#pragma once

// How a control's handlers deal with run-time errors of their steps.

#include <optional>
#include <utility>

#include "platform/vb/error.h"

namespace host {

// Runs one step of a handler whose failing steps are skipped: a run-time error ends the step
// and the handler goes on with the next one. Run over a handler's whole body, it makes the
// handler end silently at its first failure. Returns whether the step completed.
template <typename Step>
bool Skipping(Step&& step) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (const vb::Error&) {
    return false;
  }
}

// Runs every step and remembers the first run-time error, so a reader can go on with the
// remaining values and report that first failure at the end (nothing is lost on the next
// save).
class FirstFailure {
 public:
  template <typename Step>
  void Run(Step&& step) {
    try {
      std::forward<Step>(step)();
    } catch (const vb::Error& e) {
      if (!failure_) failure_ = e;
    }
  }
  bool failed() const { return failure_.has_value(); }
  // Throws the first remembered error, if any.
  void Report() const {
    if (failure_) throw *failure_;
  }

 private:
  std::optional<vb::Error> failure_;
};

}  // namespace host
