#include "apps/quorin-run/runner.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "apps/quorin-run/window_listing.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/vb/error.h"
#include "platform/win/shell.h"

namespace scenario {

void Output::Emit(std::string line) {
  out_ << line << '\n' << std::flush;
  if (remember_) recent_.push_back(std::move(line));
}

bool Output::Check(std::string_view text) {
  bool found = false;
  for (const std::string& line : recent_) {
    if (line.find(text) != std::string::npos) found = true;
  }
  recent_.clear();
  return found;
}

namespace {

constexpr int kDragSteps = 8;

// The headless desktop with its log turned into driver lines as they are written.
class ScenarioDesktop : public desktop::HeadlessDesktop {
 public:
  ScenarioDesktop(const win::DesktopSettings& settings, LineSink& sink)
      : HeadlessDesktop(settings), sink_(sink) {}

  void Log(std::string_view line) override {
    HeadlessDesktop::Log(line);
    sink_.Emit(Translate(line));
  }

 private:
  std::string Translate(std::string_view line) {
    constexpr std::string_view kShell = "ShellExecute ";
    std::vector<win::ShellExecuteRecord>& executed = desktop().shell().executed();
    if (line.starts_with(kShell) && !executed.empty()) {
      const win::ShellExecuteRecord& r = executed.back();
      // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + string.
      std::string out = "shell ";
      out.append(r.operation.empty() ? std::string("open") : r.operation);
      out.append(" ").append(Quote(r.file));
      if (!r.parameters.empty()) out.append(" ").append(Quote(r.parameters));
      return out;
    }
    constexpr std::string_view kModal = "input ran out inside the modal loop \"";
    constexpr std::string_view kDismissed = "\": dismissed";
    if (line.starts_with(kModal) && line.ends_with(kDismissed) &&
        line.size() >= kModal.size() + kDismissed.size()) {
      std::string_view name =
          line.substr(kModal.size(), line.size() - kModal.size() - kDismissed.size());
      return "dismissed " + Quote(name);
    }
    return "desktop " + std::string(line);
  }

  LineSink& sink_;
};

// The virtual key of a character typed without modifiers, or 0 (as the robot types).
win32::UINT KeyOf(char32_t c) {
  if (c < 0x80 && std::isalpha(static_cast<int>(c)))
    return static_cast<win32::UINT>(std::toupper(static_cast<int>(c)));
  if ((c >= '0' && c <= '9') || c == ' ') return static_cast<win32::UINT>(c);
  if (c == '\n' || c == '\r') return win32::VK_RETURN;
  if (c == '\t') return win32::VK_TAB;
  return 0;
}

// The characters of text the parser has checked.
std::u32string CodePoints(const std::string& text) {
  return DecodeUtf8(text).value_or(std::u32string());
}

// One run of a script: schedules its actions and carries them out as they fall due.
class ScriptRun {
 public:
  ScriptRun(const Script& script, ScenarioDesktop& desktop, scenario::Engine& engine,
            Output& output)
      : script_(script), desktop_(desktop), engine_(engine), output_(output) {}

  void Schedule() {
    for (const Action& action : script_.actions) Schedule(action);
  }

  // After the loop has returned: the exit status. The loop returns early only when the
  // program quit (PostQuitMessage); what was left of the script then never ran.
  int Finish() {
    if (!desktop_.timeline().empty()) {
      output_.Emit("quit after line " + std::to_string(last_line_) +
                   "; the rest of the script did not run");
      if (expects_run_ < expects_total_) failed_ = true;
    }
    return failed_ ? kExitFailed : kExitOk;
  }

 private:
  // A step at the moment of the previous one: only `wait` lets time pass.
  void Step(const Action& action, std::function<void()> run) {
    desktop_.robot().Do(
        std::string(CommandName(action.command)) + " (line " + std::to_string(action.line) + ")",
        [this, line = action.line, run = std::move(run)] {
          last_line_ = line;
          run();
        });
  }

  void Key(const Action& a, win32::UINT vk, bool down) {
    Step(a, [vk, down] { win::InjectKey(vk, down); });
  }
  void Char(const Action& a, char32_t ch) {
    Step(a, [ch] { win::InjectChar(ch); });
  }
  void Button(const Action& a, bool down) {
    Step(a, [button = a.button, down] { win::InjectMouseButton(button, down); });
  }
  void Move(const Action& a, int x, int y) {
    Step(a, [x, y] { win::InjectMouseMove(x, y); });
  }

  void Schedule(const Action& a) {
    auto n = [&](std::size_t i) { return static_cast<int>(a.numbers[i]); };
    switch (a.command) {
      case Command::kScreen:
      case Command::kTaskbar:
        return;  // the desktop was made with them
      case Command::kMove:
        return Move(a, n(0), n(1));
      case Command::kDown:
      case Command::kUp:
        return Button(a, a.command == Command::kDown);
      case Command::kDoubleClick:
        Button(a, true);
        Button(a, false);
        [[fallthrough]];
      case Command::kClick:
        Button(a, true);
        return Button(a, false);
      case Command::kDrag: {
        Move(a, n(0), n(1));
        Button(a, true);
        for (int i = 1; i <= kDragSteps; ++i)
          Move(a, n(0) + (n(2) - n(0)) * i / kDragSteps, n(1) + (n(3) - n(1)) * i / kDragSteps);
        return Button(a, false);
      }
      case Command::kKey: {
        win32::UINT vk = static_cast<win32::UINT>(a.numbers[0]);
        Key(a, vk, true);
        // Keys that have a character send it between down and up.
        static constexpr std::pair<win32::UINT, char32_t> kChars[] = {{win32::VK_RETURN, U'\r'},
                                                                      {win32::VK_ESCAPE, U'\x1b'},
                                                                      {win32::VK_BACK, U'\b'},
                                                                      {win32::VK_TAB, U'\t'},
                                                                      {win32::VK_SPACE, U' '}};
        for (const auto& [key, ch] : kChars) {
          if (key == vk) Char(a, ch);
        }
        return Key(a, vk, false);
      }
      case Command::kKeyDown:
      case Command::kKeyUp:
        return Key(a, static_cast<win32::UINT>(a.numbers[0]), a.command == Command::kKeyDown);
      case Command::kChar:
        return Char(a, CodePoints(a.text)[0]);
      case Command::kType:
        for (char32_t ch : CodePoints(a.text)) {
          win32::UINT vk = KeyOf(ch);
          if (vk) Key(a, vk, true);
          Char(a, ch);
          if (vk) Key(a, vk, false);
        }
        return;
      case Command::kAlt: {
        win32::UINT vk = KeyOf(static_cast<unsigned char>(a.text[0]));
        Key(a, win32::VK_MENU, true);
        Key(a, vk, true);
        Char(a, static_cast<unsigned char>(a.text[0]));
        Key(a, vk, false);
        return Key(a, win32::VK_MENU, false);
      }
      case Command::kWait:
        desktop_.robot().Do(
            "wait (line " + std::to_string(a.line) + ")",
            [this, line = a.line] { last_line_ = line; }, static_cast<std::uint64_t>(a.numbers[0]));
        return;
      case Command::kExpect:
        ++expects_total_;
        return Step(a, [this, &a] { Expect(a); });
      default:
        return Step(a, [this, &a] { Perform(a); });
    }
  }

  void Expect(const Action& a) {
    ++expects_run_;
    if (output_.Check(a.text)) return;
    failed_ = true;
    output_.Emit("expect " + Quote(a.text) + " failed");
    output_.Check("");  // the failure line does not count for the next expect
  }

  // Runs an engine command and prints its outcome: `echo = text`, or `echo failed n "…"`.
  // Runs the command; last_ok_ tells whether it succeeded.
  void Ask(const std::string& echo, bool print_text, const std::function<Reply()>& call,
           const char* separator = " = ") {
    Reply reply;
    try {
      reply = call();
    } catch (const vb::Error& e) {
      reply = Reply::Failed(e.Number(), e.Description());
    } catch (const std::exception& e) {
      reply = Reply::Failed(51, std::string("Internal error: ") + e.what());
    }
    if (!reply.ok) {
      output_.Emit(echo + " failed " + std::to_string(reply.number) + " " +
                   Quote(reply.description));
    } else if (print_text) {
      output_.Emit(echo + separator + reply.text);
    }
    last_ok_ = reply.ok;
  }

  void Perform(const Action& a) {
    const std::vector<std::string>& names = a.names;
    switch (a.command) {
      case Command::kShow:
        return Ask("show " + names[0] + (a.modal ? " modal" : ""), false,
                   [&] { return engine_.Show(names[0], a.modal); });
      case Command::kSet:
        return Ask("set " + names[0], false, [&] { return engine_.Set(names[0], a.values[0]); });
      case Command::kGet:
        return Ask("get " + names[0], true, [&] { return engine_.Get(names[0]); });
      case Command::kCall: {
        std::string echo = "call " + names[0];
        for (const Value& v : a.values) echo += " " + v.source;
        return Ask(echo, true, [&] { return engine_.Call(names[0], a.values); });
      }
      case Command::kInspect:
        return Ask(
            "inspect " + names[0], true, [&] { return engine_.Inspect(names[0]); }, " ");
      case Command::kSave:
        Ask("save " + names[0] + " " + names[1], false,
            [&] { return engine_.Save(names[0], names[1]); });
        // A form that could not be saved is lost work: the run fails.
        if (!last_ok_) failed_ = true;
        return;
      case Command::kPropertyPages:
        return Ask("propertypages " + names[0], false,
                   [&] { return engine_.PropertyPages(names[0]); });
      case Command::kPlace: {
        Placement p{names[0],
                    names[1],
                    names[2],
                    static_cast<int>(a.numbers[0]),
                    static_cast<int>(a.numbers[1]),
                    static_cast<int>(a.numbers[2]),
                    static_cast<int>(a.numbers[3])};
        return Ask("place " + names[0] + " " + names[1] + " " + names[2], false,
                   [&] { return engine_.Place(p); });
      }
      case Command::kPixel: {
        int x = static_cast<int>(a.numbers[0]), y = static_cast<int>(a.numbers[1]);
        char color[8];
        std::snprintf(color, sizeof color, "#%06X",
                      static_cast<unsigned>(desktop_.Screen().pixel(x, y) & 0xFFFFFFu));
        output_.Emit("pixel " + std::to_string(x) + " " + std::to_string(y) + " = " + color);
        return;
      }
      case Command::kShot:
        return Shot(names[0]);
      case Command::kWindows:
        for (std::string& line : ListWindows(
                 desktop_.desktop(), [&](win32::HWND hwnd) { return engine_.OwnerPath(hwnd); })) {
          output_.Emit(std::move(line));
        }
        return;
      case Command::kTray:
        for (std::string& line : ListTrayIcons(
                 desktop_.desktop(), [&](win32::HWND hwnd) { return engine_.OwnerPath(hwnd); })) {
          output_.Emit(std::move(line));
        }
        return;
      default:
        return;
    }
  }

  void Shot(const std::string& file) {
    std::filesystem::path path(file);
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    if (ec || !desktop_.SaveScreen(file)) {
      failed_ = true;
      output_.Emit("shot " + file + " failed " +
                   Quote(ec ? "cannot make the folder: " + ec.message() : "cannot write the file"));
    }
  }

  const Script& script_;
  ScenarioDesktop& desktop_;
  scenario::Engine& engine_;
  Output& output_;
  int expects_total_ = 0;
  int expects_run_ = 0;
  int last_line_ = 0;  // the line of the last step that ran
  bool failed_ = false;
  bool last_ok_ = true;
};

}  // namespace

int RunScenario(const Script& script, const RunOptions& options, std::ostream& out,
                std::ostream& err, const EngineFactory& factory) {
  if (!options.design_mode) {
    bool refused = false;
    for (const Action& a : script.actions) {
      if (a.command != Command::kPlace) continue;
      err << script.file << ":" << a.line
          << ": place works at design time only; run with --design\n";
      refused = true;
    }
    if (refused) return kExitBadInput;
  }
  bool has_expect = std::any_of(script.actions.begin(), script.actions.end(),
                                [](const Action& a) { return a.command == Command::kExpect; });
  Output output(out, has_expect);
  ScenarioDesktop desktop(script.settings, output);
  EngineContext context{desktop, output, options.design_mode};
  std::unique_ptr<Engine> engine = factory ? factory(context) : MakeUnavailableEngine();
  if (!engine) engine = MakeUnavailableEngine();
  for (const std::string& file : options.form_files) {
    std::string error = engine->LoadForm(file);
    if (!error.empty()) {
      err << error << '\n';
      return kExitBadInput;
    }
  }
  ScriptRun run(script, desktop, *engine, output);
  run.Schedule();
  desktop.Run();
  int status = run.Finish();
  engine.reset();  // forms go before the desktop they live on
  return status;
}

}  // namespace scenario
