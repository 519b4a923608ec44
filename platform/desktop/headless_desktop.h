#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/compositor.h"
#include "platform/desktop/robot.h"
#include "platform/desktop/timeline.h"
#include "platform/win/desktop.h"

namespace desktop {

// The embedded desktop: a virtual clock that moves only when the loop is idle or on Sleep,
// the robot's timeline as its input, and a compositor that renders the screen to a bitmap.
// Making one makes its window-system desktop the current one.
class HeadlessDesktop : public win::DesktopDriver {
 public:
  explicit HeadlessDesktop(win::DesktopSettings settings = {});
  ~HeadlessDesktop() override;

  win::Desktop& desktop() { return *desktop_; }
  Robot& robot() { return robot_; }
  Timeline& timeline() { return timeline_; }
  Compositor& compositor() { return compositor_; }

  // Runs the message loop until the script has run out and nothing more is due.
  void Run();
  // The screen as it is now (recomposing what changed).
  const gfx::Bitmap& Screen();
  bool SaveScreen(const std::string& path);
  const std::vector<std::string>& log() const { return log_; }

  // The driver interface.
  std::uint64_t Now() override { return now_; }
  void AdvanceClock(std::uint64_t time) override;
  std::optional<std::uint64_t> NextInputTime() override { return timeline_.NextDue(); }
  bool RunDueInput() override;
  void ScreenDamaged(const win32::RECT& rect) override { compositor_.Damage(rect); }
  void Log(std::string_view line) override { log_.emplace_back(line); }

 private:
  // A scripted action that is running, and how deep the loop waited when it started.
  struct Running {
    std::uint64_t due = 0;
    int modal_depth = 0;
    std::uint64_t sleeps = 0;
  };
  // Whether the next action may start while `running_` ones have not returned.
  bool MayStartNested(const Timeline::Action& next) const;

  std::uint64_t now_ = 0;
  std::vector<Running> running_;
  Timeline timeline_;
  Robot robot_{*this};
  Compositor compositor_;
  std::vector<std::string> log_;
  std::unique_ptr<win::Desktop> desktop_;
};

}  // namespace desktop
