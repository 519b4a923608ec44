#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/win/desktop.h"
#include "platform/win/input.h"
#include "platform/win/procedures.h"
#include "platform/win/user32.h"

namespace win_test {

using namespace win32;

enum class Kind { kSent, kPosted };

struct Received {
  HWND hwnd = 0;
  UINT message = 0;
  Kind kind = Kind::kSent;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
};

// One expected step of a message sequence.
struct Expect {
  UINT message;
  Kind kind = Kind::kSent;
};

std::string MessageName(UINT message);

// A window class whose windows log every message they get (registered on the current
// desktop), and helpers to compare what arrived with an expected sequence.
class MessageRecorder {
 public:
  MessageRecorder();

  HWND Make(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT rect = {100, 100, 400, 300},
            HWND parent = 0, DWORD ex_style = 0, const char* class_name = "LogWindow");
  // The messages `hwnd` received (0: every window), keeping only the ones in `watch` (empty:
  // all of them).
  std::vector<Received> Log(HWND hwnd = 0, const std::set<UINT>& watch = {}) const;
  void Clear() { log_.clear(); }
  // Compares the received messages of `hwnd` with `expected`, looking only at the messages
  // the expected list mentions; fails with both lists side by side.
  void ExpectSequence(HWND hwnd, const std::vector<Expect>& expected, const char* what) const;

  // Per-test extra behaviour of the logging procedure; return true to skip DefWindowProc.
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)> on_message;

 private:
  std::vector<Received> log_;
};

// A fresh desktop per test with a message recorder on it.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() = default;

  HWND Make(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT rect = {100, 100, 400, 300},
            HWND parent = 0, DWORD ex_style = 0, const char* class_name = "LogWindow") {
    return recorder_.Make(style, rect, parent, ex_style, class_name);
  }
  std::vector<Received> Log(HWND hwnd = 0, const std::set<UINT>& watch = {}) const {
    return recorder_.Log(hwnd, watch);
  }
  void ClearLog() { recorder_.Clear(); }
  void ExpectSequence(HWND hwnd, const std::vector<Expect>& expected, const char* what) {
    recorder_.ExpectSequence(hwnd, expected, what);
  }

  std::unique_ptr<win::Desktop> desktop_ = std::make_unique<win::Desktop>();
  MessageRecorder recorder_;
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)>& on_message_ = recorder_.on_message;
};

}  // namespace win_test
