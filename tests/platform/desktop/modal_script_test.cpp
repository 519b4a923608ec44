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

}  // namespace
}  // namespace desktop_test
