#include <functional>
#include <string>
#include <vector>

#include "platform/win/event_loop.h"
#include "tests/platform/desktop/desktop_fixture.h"

namespace desktop_test {
namespace {

using ModalScripts = DesktopTest;

TEST_F(ModalScripts, AScriptThatRunsOutInsideAMoveLoopDismissesItLikeEscape) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  // Press on the caption and move, but never release.
  robot().MoveTo(200, 110).Press().Glide(300, 210, 4);
  Run();
  EXPECT_TRUE(IsWindow(hwnd));
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{100, 100, 400, 300}));  // put back, as Escape would
  EXPECT_EQ(GetCapture(), 0u);
  ASSERT_FALSE(headless_->log().empty());
  EXPECT_NE(headless_->log().back().find("window move"), std::string::npos);
  recorder_.ExpectSequence(hwnd, {{WM_ENTERSIZEMOVE}, {WM_EXITSIZEMOVE}}, "dismissed loop");
}

TEST_F(ModalScripts, ScriptedActionsRunInsideAModalLoopStartedByAnEarlierAction) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  bool seen_inside = false;
  robot().MoveTo(200, 110).Press().Glide(250, 160, 2);
  robot().Do("look from inside the loop", [&] { seen_inside = GetCapture() == hwnd; });
  robot().Release();
  Run();
  EXPECT_TRUE(seen_inside);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{150, 150, 450, 350}));
}

// Actions due at the same time run one after another: pending messages pumped from inside an
// action do not start the next one, but a modal loop or a Sleep inside it does.
TEST_F(ModalScripts, ActionsAtTheSameTimeWaitForThePreviousOneUnlessItWaits) {
  struct Case {
    const char* name;
    std::function<void(std::function<bool()> next_ran)> first;  // the first action's body
    bool next_runs_inside;
  };
  auto& loop = headless_->desktop().loop();
  const Case cases[] = {
      {"pumping pending messages", [&](auto) {
         loop.DoEvents();
         loop.DoEvents();
       }, false},
      {"sleeping, then pumping",
       [&](auto) {
         win32::Sleep(20);
         loop.DoEvents();
       },
       true},
      {"a modal loop the next action ends",
       [&](std::function<bool()> next_ran) {
         loop.RunModal({"message box", next_ran, {}, {}});
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> order;
    bool next_ran = false;
    robot().Do("first", [&] {
      order.push_back("first starts");
      c.first([&] { return next_ran; });
      order.push_back("first returns");
    });
    robot().Do("second", [&] {
      next_ran = true;
      order.push_back("second");
    });
    Run();
    const std::vector<std::string> inside = {"first starts", "second", "first returns"};
    const std::vector<std::string> after = {"first starts", "first returns", "second"};
    EXPECT_EQ(order, c.next_runs_inside ? inside : after);
  }
}

// An action due later than the running one began runs from whichever loop pumps when its
// time comes, a plain DoEvents included.
TEST_F(ModalScripts, ALaterActionRunsFromAPumpInsideABusyAction) {
  auto& loop = headless_->desktop().loop();
  bool later_ran = false;
  bool seen_inside = false;
  robot().Do("busy", [&] {
    for (int i = 0; i < 100 && !later_ran; ++i) loop.DoEvents();
    seen_inside = later_ran;
  });
  robot().Do("later", [&] { later_ran = true; }, 10);
  Run();
  EXPECT_TRUE(seen_inside);
}

}  // namespace
}  // namespace desktop_test
