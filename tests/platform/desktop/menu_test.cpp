#include "platform/win/menus.h"
#include "tests/platform/desktop/desktop_fixture.h"

namespace desktop_test {
namespace {

using Menus = DesktopTest;

// Item centres of a pop-up menu opened at (x, y): 3 px of frame, 17 px per item.
POINT ItemAt(int x, int y, int index) {
  return {x + 30, y + 3 + 17 * index + 8};
}

struct ChoiceCase {
  const char* name;
  std::function<void(desktop::Robot&)> script;
  UINT_PTR expected;
};

TEST_F(Menus, TrackPopupMenuAnswersMouseAndKeyboard) {
  const ChoiceCase cases[] = {
      {"click an item",
       [](desktop::Robot& r) {
         POINT p = ItemAt(300, 300, 1);
         r.Glide(p.x, p.y, 2).Press().Release();
       },
       20},
      {"arrows pass greyed items and skip the separator",
       [](desktop::Robot& r) {
         r.Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN).Key(VK_RETURN);
       },
       40},
      {"enter on a greyed item does nothing",
       [](desktop::Robot& r) { r.Key(VK_UP).Key(VK_UP).Key(VK_RETURN).Key(VK_UP).Key(VK_RETURN); },
       20},
      {"an access key", [](desktop::Robot& r) { r.Char('t'); }, 20},
      {"a greyed item cannot be chosen",
       [](desktop::Robot& r) {
         POINT p = ItemAt(300, 300, 2);
         r.Glide(p.x, p.y, 2).Press().Release().Key(VK_ESCAPE);
       },
       0},
      {"escape", [](desktop::Robot& r) { r.Key(VK_ESCAPE); }, 0},
      {"a click outside", [](desktop::Robot& r) { r.Click(50, 50); }, 0},
  };
  HWND hwnd = recorder_.Make();
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 10, "&One");
    AppendMenuA(menu, MF_STRING, 20, "&Two");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 30, "T&hree");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 40, "&Four");
    robot().MoveTo(300, 300);
    c.script(robot());
    EXPECT_EQ(
        static_cast<UINT_PTR>(TrackPopupMenu(menu, TPM_RETURNCMD, 300, 300, 0, hwnd, nullptr)),
        c.expected);
    DestroyMenu(menu);
    Run();
  }
}

TEST_F(Menus, APopUpMenuLeavesNobodyWithTheMouseWhenItCloses) {
  // A menu dropped from a press takes the mouse; when it closes the window that had it does
  // not get it back, so the next click goes where the cursor is.
  HWND hwnd = recorder_.Make();
  SetCapture(hwnd);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 10, "&One");
  robot().Key(VK_ESCAPE);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 300, 300, 0, hwnd, nullptr), 0);
  EXPECT_EQ(GetCapture(), static_cast<HWND>(0));
  DestroyMenu(menu);
}

// Clicks item `index` of the frontmost open pop-up menu, wherever it opened.
void ClickFrontPopupItem(desktop::Robot& robot, int index) {
  robot.Do(
      "click in the front pop-up",
      [index] {
        RECT r;
        GetWindowRect(FindWindowA("#32768", nullptr), &r);
        POINT p = ItemAt(r.left, r.top, index);
        win::InjectMouseMove(p.x, p.y);
        win::InjectMouseButton(win::MouseButton::kLeft, true);
        win::InjectMouseButton(win::MouseButton::kLeft, false);
      },
      20);
}

TEST_F(Menus, SubmenusOpenFromTheirItemsByMouseAndKeyboard) {
  const ChoiceCase cases[] = {
      {"access keys through the submenu", [](desktop::Robot& r) { r.Char('f').Char('s'); }, 12},
      {"right arrow opens and selects the first item",
       [](desktop::Robot& r) { r.Key(VK_DOWN).Key(VK_RIGHT).Key(VK_RETURN); }, 11},
      {"escape closes only the submenu",
       [](desktop::Robot& r) { r.Char('f').Key(VK_ESCAPE).Key(VK_DOWN).Key(VK_RETURN); }, 20},
      {"hovering opens the submenu and a click chooses in it",
       [](desktop::Robot& r) {
         POINT file = ItemAt(300, 300, 0);
         r.Glide(file.x, file.y, 2);
         ClickFrontPopupItem(r, 1);
       },
       12},
  };
  HWND hwnd = recorder_.Make();
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 11, "&Open");
    AppendMenuA(file, MF_STRING, 12, "&Save");
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_POPUP, file, "&File");
    AppendMenuA(menu, MF_STRING, 20, "&Edit");
    EXPECT_EQ(GetSubMenu(menu, 0), file);
    EXPECT_EQ(GetSubMenu(menu, 1), 0u);
    robot().MoveTo(300, 300);
    c.script(robot());
    EXPECT_EQ(
        static_cast<UINT_PTR>(TrackPopupMenu(menu, TPM_RETURNCMD, 300, 300, 0, hwnd, nullptr)),
        c.expected);
    EXPECT_EQ(FindWindowA("#32768", nullptr), 0u);  // every level closed
    DestroyMenu(menu);
    DestroyMenu(file);
    Run();
  }
}

TEST_F(Menus, WithoutReturnCmdTheChoiceIsPostedAsACommand) {
  HWND hwnd = recorder_.Make();
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 77, "&Go");
  robot().Key(VK_RETURN);  // nothing highlighted yet: nothing chosen
  robot().Char('g');
  recorder_.Clear();
  EXPECT_TRUE(TrackPopupMenu(menu, 0, 300, 300, 0, hwnd, nullptr));
  Run();
  std::vector<Received> commands = recorder_.Log(hwnd, {WM_COMMAND});
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].kind, Kind::kPosted);
  EXPECT_EQ(commands[0].wparam, 77u);
  recorder_.ExpectSequence(hwnd,
                           {{WM_ENTERMENULOOP},
                            {WM_INITMENU},
                            {WM_INITMENUPOPUP},
                            {WM_EXITMENULOOP},
                            {WM_COMMAND, Kind::kPosted}},
                           "menu notifications");
  DestroyMenu(menu);
}

TEST_F(Menus, ASystemMenuCommandChosenByTheRobotReachesTheWindow) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  // Right click on the caption opens the system menu at the cursor; Maximize is the fifth item.
  robot().Click(200, 110, win::MouseButton::kRight);
  POINT maximize = ItemAt(200, 110, 4);
  robot().Glide(maximize.x, maximize.y, 3).Press().Release();
  Run();
  EXPECT_TRUE(IsZoomed(hwnd));
  std::vector<Received> commands = recorder_.Log(hwnd, {WM_SYSCOMMAND});
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.back().wparam & 0xFFF0, SC_MAXIMIZE);
}

TEST_F(Menus, AltSpaceOpensTheSystemMenuFromTheKeyboard) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  robot().KeyDown(VK_MENU).Char(' ').KeyUp(VK_MENU).Char('x');
  Run();
  EXPECT_TRUE(IsZoomed(hwnd));
}

TEST_F(Menus, TheSkinsSystemMenuCallMinimisesWithTheAccessKey) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  robot().Char('n');
  POINT cursor;
  GetCursorPos(&cursor);
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  BOOL command = TrackPopupMenu(menu, TPM_RETURNCMD, cursor.x, cursor.y, 0, hwnd, nullptr);
  EXPECT_EQ(static_cast<WPARAM>(command), SC_MINIMIZE);
  if (command) SendMessageA(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
  EXPECT_TRUE(IsIconic(hwnd));
}

}  // namespace
}  // namespace desktop_test
