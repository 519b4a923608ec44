#include <cstring>

#include "platform/vb/ole_color.h"
#include "platform/win/shell.h"
#include "platform/win/shell32.h"
#include "tests/platform/desktop/desktop_fixture.h"

namespace desktop_test {
namespace {

constexpr UINT kTrayMessage = WM_USER + 101;

class Shell : public DesktopTest {
 protected:
  Shell() { headless_->compositor().draw_cursor = false; }

  win::Shell& shell() { return headless_->desktop().shell(); }
  HWND Taskbar() { return FindWindowA("Shell_TrayWnd", nullptr); }

  NOTIFYICONDATAA Record(HWND hwnd, UINT flags, const char* tip = "") {
    NOTIFYICONDATAA data;
    data.hWnd = hwnd;
    data.uID = 0;
    data.uFlags = flags;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon_->Handle();
    std::strncpy(data.szTip, tip, sizeof data.szTip - 1);
    return data;
  }

  // The screen position of the first notification icon's centre.
  POINT IconCentre() {
    win::TaskbarLayout layout = shell().Layout();
    EXPECT_FALSE(layout.icons.empty());
    POINT p{(layout.icons[0].left + layout.icons[0].right) / 2,
            (layout.icons[0].top + layout.icons[0].bottom) / 2};
    ClientToScreen(Taskbar(), &p);
    return p;
  }

  std::shared_ptr<vb::StdPicture> icon_ = [] {
    auto pixels = std::make_shared<vb::PixelBuffer>();
    pixels->width = pixels->height = 16;
    pixels->pixels.assign(256, 0xFFFF0000u);
    return std::make_shared<vb::StdPicture>(vb::vbPicTypeIcon, pixels);
  }();
};

TEST_F(Shell, TheTaskbarIsDockedAndKeepsItsPlaceWhenTold) {
  HWND taskbar = Taskbar();
  ASSERT_NE(taskbar, 0u);
  RECT r;
  GetWindowRect(taskbar, &r);
  EXPECT_EQ(r, (RECT{0, 984, 1280, 1024}));
  HWND form = recorder_.Make(WS_POPUP | WS_VISIBLE, {0, 0, 1280, 1024});
  // What the skin does to bring the taskbar in front of a maximised form.
  SetWindowPos(taskbar, 0, 0, 0, 0, 0, SWP_SHOWWINDOW);
  GetWindowRect(taskbar, &r);
  EXPECT_EQ(r, (RECT{0, 984, 1280, 1024}));
  EXPECT_EQ(WindowFromPoint({10, 1000}), taskbar);
  EXPECT_EQ(GetActiveWindow(), form);
}

struct EdgeCase {
  win::TaskbarEdge edge;
  RECT taskbar;
  RECT work;
};

TEST(ShellEdges, TheTaskbarDocksAtTheChosenEdgeAndTheWorkAreaAvoidsIt) {
  const EdgeCase cases[] = {
      {win::TaskbarEdge::kBottom, {0, 994, 1280, 1024}, {0, 0, 1280, 994}},
      {win::TaskbarEdge::kTop, {0, 0, 1280, 30}, {0, 30, 1280, 1024}},
      {win::TaskbarEdge::kLeft, {0, 0, 30, 1024}, {30, 0, 1280, 1024}},
      {win::TaskbarEdge::kRight, {1250, 0, 1280, 1024}, {0, 0, 1250, 1024}},
  };
  for (const EdgeCase& c : cases) {
    win::DesktopSettings settings;
    settings.taskbar_edge = c.edge;
    settings.taskbar_size = 30;
    desktop::HeadlessDesktop headless(settings);
    RECT r;
    GetWindowRect(FindWindowA("Shell_TrayWnd", ""), &r);
    EXPECT_EQ(r, c.taskbar);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work, c.work);
  }
}

TEST_F(Shell, ButtonsFollowTheTopLevelWindowsAndTheirTitles) {
  HWND a = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  HWND b = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {200, 200, 500, 400});
  recorder_.Make(WS_POPUP | WS_VISIBLE, {0, 0, 10, 10}, 0, WS_EX_TOOLWINDOW);
  recorder_.Make(WS_OVERLAPPEDWINDOW, {0, 0, 10, 10});                  // hidden
  recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 10, 10}, a);  // owned
  EXPECT_EQ(shell().ButtonWindows(), (std::vector<HWND>{a, b}));

  win::TaskbarLayout layout = shell().Layout();
  ASSERT_EQ(layout.buttons.size(), 2u);
  RECT button = layout.buttons[0].second;
  POINT at{button.left + 40, (button.top + button.bottom) / 2};
  ClientToScreen(Taskbar(), &at);
  auto snapshot = [&] {
    std::vector<gfx::Argb> pixels;
    const gfx::Bitmap& screen = headless_->Screen();
    for (int x = at.x - 10; x < at.x + 60; ++x) pixels.push_back(screen.pixel(x, at.y));
    return pixels;
  };
  std::vector<gfx::Argb> before = snapshot();
  SetWindowTextA(a, "A much longer title");
  EXPECT_NE(snapshot(), before);  // the button shows the new title

  // Clicking a button activates its window; a minimised one is restored.
  SetActiveWindow(b);
  robot().Click(at.x, at.y);
  Run();
  EXPECT_EQ(GetActiveWindow(), a);
  ShowWindow(a, SW_MINIMIZE);
  robot().Click(at.x, at.y);
  Run();
  EXPECT_FALSE(IsIconic(a));
  EXPECT_EQ(GetActiveWindow(), a);
  DestroyWindow(a);
  EXPECT_EQ(shell().ButtonWindows(), (std::vector<HWND>{b}));
}

TEST_F(Shell, NotifyIconsAreAddedModifiedAndDeletedByWindowAndId) {
  HWND hwnd = recorder_.Make(WS_POPUP, {0, 0, 10, 10});
  NOTIFYICONDATAA data = Record(hwnd, NIF_MESSAGE | NIF_TIP, "first");
  EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &data));  // already there
  ASSERT_EQ(shell().icons().size(), 1u);
  EXPECT_EQ(shell().icons()[0].tip, "first");
  NOTIFYICONDATAA tip = Record(hwnd, NIF_TIP, "second");
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &tip));
  EXPECT_EQ(shell().icons()[0].tip, "second");
  EXPECT_EQ(shell().icons()[0].callback_message, kTrayMessage);

  NOTIFYICONDATAA other = data;
  other.uID = 5;
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &other));
  EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &other));
  NOTIFYICONDATAA small = data;
  small.cbSize = 40;
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &small));
  EXPECT_FALSE(Shell_NotifyIconA(7, &data));
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, nullptr));
  NOTIFYICONDATAA dead = data;
  dead.hWnd = 0x123457;
  EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &dead));

  EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  EXPECT_TRUE(shell().icons().empty());
  EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  DestroyWindow(hwnd);  // icons leave with their window
  EXPECT_TRUE(shell().icons().empty());
}

TEST_F(Shell, MouseActivityOnAnIconReachesItsWindowAsTheCallbackMessage) {
  HWND hwnd = recorder_.Make(WS_POPUP, {0, 0, 10, 10});
  NOTIFYICONDATAA data = Record(hwnd, NIF_MESSAGE | NIF_ICON | NIF_TIP, "Quorin");
  data.uID = 3;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  POINT p = IconCentre();
  robot().MoveTo(p.x, p.y).DoubleClick(p.x, p.y).Click(p.x, p.y, win::MouseButton::kRight);
  Run();
  std::vector<LPARAM> got;
  for (const Received& r : recorder_.Log(hwnd, {kTrayMessage})) {
    EXPECT_EQ(r.wparam, 3u);
    // Moves repeat with every robot step; the first one is enough.
    if (r.lparam != 0x200 || got.empty()) got.push_back(r.lparam);
  }
  EXPECT_EQ(got, (std::vector<LPARAM>{0x200, 0x201, 0x202, 0x203, 0x202, 0x204, 0x205}));
}

TEST_F(Shell, IconsAndTheirTipsAreShown) {
  HWND hwnd = recorder_.Make(WS_POPUP, {0, 0, 10, 10});
  NOTIFYICONDATAA data = Record(hwnd, NIF_ICON | NIF_TIP, "Hello tray");
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  POINT p = IconCentre();
  EXPECT_EQ(Pixel(p.x, p.y), 0xFFFF0000u);
  robot().MoveTo(p.x, p.y).Wait(600);
  HWND tip = 0;
  robot().Do("look for the tip", [&] { tip = shell().tooltip(); });
  Run();
  ASSERT_NE(tip, 0u);
  EXPECT_EQ(win::WindowText(tip), "Hello tray");
  EXPECT_TRUE(IsWindowVisible(tip));
  robot().MoveTo(300, 300).Wait(600);
  Run();
  EXPECT_EQ(shell().tooltip(), 0u);
}

TEST_F(Shell, AWindowIconShowsInTheCaptionAndOnTheTaskbarButton) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  EXPECT_EQ(SendMessageA(hwnd, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(icon_->Handle())), 0);
  EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), static_cast<LRESULT>(icon_->Handle()));
  EXPECT_EQ(Pixel(100 + 4 + 1 + 8, 100 + 4 + 1 + 8), 0xFFFF0000u);  // the caption's icon box
  win::TaskbarLayout layout = shell().Layout();
  ASSERT_EQ(layout.buttons.size(), 1u);
  POINT p{layout.buttons[0].second.left + 12,
          (layout.buttons[0].second.top + layout.buttons[0].second.bottom) / 2};
  ClientToScreen(Taskbar(), &p);
  EXPECT_EQ(Pixel(p.x + 1, p.y + 1), 0xFFFF0000u);  // pressed in by one pixel: it is active
}

TEST_F(Shell, ShellExecuteIsRecordedNotRunAndTheComputerNameIsASetting) {
  HINSTANCE result = ShellExecuteA(0, "open", "http://example.com", nullptr, nullptr, 1);
  EXPECT_GT(result, 32u);
  ASSERT_EQ(shell().executed().size(), 1u);
  EXPECT_EQ(shell().executed()[0].file, "http://example.com");
  EXPECT_EQ(shell().executed()[0].operation, "open");
  EXPECT_LE(ShellExecuteA(0, "open", "", nullptr, nullptr, 1), 32u);

  char name[32];
  DWORD size = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &size));
  EXPECT_STREQ(name, "QUORIN-PC");
  EXPECT_EQ(size, 9u);
  DWORD tiny = 4;
  EXPECT_FALSE(GetComputerNameA(name, &tiny));
  EXPECT_EQ(tiny, 10u);
}

}  // namespace
}  // namespace desktop_test
