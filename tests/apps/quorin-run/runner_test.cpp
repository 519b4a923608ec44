#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

#include "apps/quorin-run/runner.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/vb/error.h"
#include "platform/win/procedures.h"
#include "platform/win/shell32.h"
#include "platform/win/user32.h"

namespace scenario {
namespace {

using namespace win32;

// A stand-in form engine: LoadForm makes one plain window, Form1, at 100,100 400x300, and a
// few paths answer so that the driver's wiring can be seen.
class FakeEngine : public Engine {
 public:
  explicit FakeEngine(const EngineContext& context) : context_(context) {}
  ~FakeEngine() override {
    if (IsWindow(form_)) DestroyWindow(form_);
  }

  std::string LoadForm(const std::string& file) override {
    if (file == "bad.frm") return "bad.frm:3: Begin without End";
    WNDPROC proc = win::Desktop::Current().procedures().Register(
        [](HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) -> LRESULT {
          return DefWindowProcA(hwnd, msg, wparam, lparam);
        });
    WNDCLASSA wc;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = "FakeForm";
    wc.hbrBackground = 15 + 1;
    RegisterClassA(&wc);
    form_ = CreateWindowExA(0, "FakeForm", "Mail", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, 0, 0, 0,
                            nullptr);
    return {};
  }
  Reply Show(const std::string& form, bool) override {
    if (form != "Form1") return Reply::Failed(424, "Object required");
    ShowWindow(form_, SW_SHOWNORMAL);
    context_.sink.Emit("event Form1.Activate()");
    return Reply::Ok();
  }
  Reply Set(const std::string& path, const Value& value) override {
    if (path != "Form1.Caption") return Reply::Failed(438, "no such property");
    SetWindowTextA(form_, value.literal.ToString().c_str());
    context_.sink.Emit("changed Form1 \"Caption\"");
    return Reply::Ok();
  }
  Reply Get(const std::string& path) override {
    if (path == "Clock") return Reply::Ok(std::to_string(context_.desktop.Now()));
    RECT r;
    GetWindowRect(form_, &r);
    if (path == "Form1.Left") return Reply::Ok(std::to_string(r.left));
    return Reply::Failed(438, "no such property");
  }
  Reply Call(const std::string& path, const std::vector<Value>& args) override {
    if (path == "Form1.Throw") throw vb::Error(vb::kObjectNotSet);
    if (path == "Form1.Quit") {
      PostQuitMessage(0);
      return Reply::Ok("Empty");
    }
    if (path == "Form1.StartTimer") {
      // A 50 ms timer, to show when time passes.
      SetTimer(form_, 1, 50, [this](HWND, UINT, UINT_PTR, DWORD) {
        context_.sink.Emit("event Form1.Timer1.Timer() at " +
                           std::to_string(context_.desktop.Now()));
      });
      return Reply::Ok("Empty");
    }
    if (path != "Form1.Open" || args.size() != 1) return Reply::Failed(450, "Wrong arguments");
    context_.sink.Emit("event Form1.Opening()");
    ShellExecuteA(form_, "open", args[0].literal.ToString().c_str(), nullptr, nullptr, 1);
    context_.sink.Emit("event Form1.Opened()");
    return Reply::Ok("True");
  }
  Reply Inspect(const std::string&) override { return Reply::Ok("kind=Form left=100"); }
  Reply Save(const std::string&, const std::string&) override { return Reply::Ok(); }
  Reply PropertyPages(const std::string&) override { return Reply::Ok(); }
  Reply Place(const Placement& p) override {
    context_.sink.Emit("placed " + p.class_name + " " + p.name + " " + std::to_string(p.left) +
                       " " + std::to_string(p.top) + " " + std::to_string(p.width) + " " +
                       std::to_string(p.height) +
                       (context_.design_mode ? " at design time" : " at run time"));
    return Reply::Ok();
  }
  std::optional<std::string> OwnerPath(HWND hwnd) override {
    if (hwnd == form_) return "Form1";
    return std::nullopt;
  }

 private:
  EngineContext context_;
  HWND form_ = 0;
};

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunText(const std::string& text, RunOptions options = {}, bool fake_engine = false) {
  ScriptParse parsed = ParseScript(text, "t.txt");
  EXPECT_TRUE(parsed.ok()) << parsed.errors[0];
  std::ostringstream out, err;
  EngineFactory factory;
  if (fake_engine) {
    factory = [](const EngineContext& c) { return std::make_unique<FakeEngine>(c); };
  }
  Outcome run;
  run.status = RunScenario(parsed.script, options, out, err, factory);
  run.out = out.str();
  run.err = err.str();
  return run;
}

RunOptions WithForm() {
  RunOptions options;
  options.form_files = {"form1.frm"};
  return options;
}

TEST(ScenarioRun, APlatformScriptPrintsPixelsWindowsAndFailedExpects) {
  Outcome run = RunText(
      "screen 320 240 15\n"
      "taskbar top 20\n"
      "pixel 5 5\n"      // the taskbar
      "pixel 160 200\n"  // the wallpaper
      "windows\n"
      "expect \"class=\"\"Shell_TrayWnd\"\"\"\n"
      "expect \"Shell_TrayWnd\"\n"  // already seen by the previous expect
      "show Form1\n"
      "get Form1.Caption\n"
      "set Form1.Caption \"x\"\n"
      "call Form1.XPTabstrip1.AddTab 60 \"Mail\"\n"
      "inspect Form1.QuorinSkin1\n"
      "move 10 100\n");
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "pixel 5 5 = #D4D0C8\n"
            "pixel 160 200 = #3A6EA5\n"
            "window Shell_TrayWnd hwnd=65554 class=\"Shell_TrayWnd\" rect=0,0,320,20 visible=1 "
            "enabled=1 style=0x90000000 exstyle=0x00000088 alpha=255 topmost=1 region=none "
            "title=\"\"\n"
            "expect \"Shell_TrayWnd\" failed\n"
            "show Form1 failed 438 \"Object doesn't support this property or method\"\n"
            "get Form1.Caption failed 438 \"Object doesn't support this property or method\"\n"
            "set Form1.Caption failed 438 \"Object doesn't support this property or method\"\n"
            "call Form1.XPTabstrip1.AddTab 60 \"Mail\" failed 438 \"Object doesn't support this "
            "property or method\"\n"
            "inspect Form1.QuorinSkin1 failed 438 \"Object doesn't support this property or "
            "method\"\n");
}

TEST(ScenarioRun, EngineAndShellLinesComeInTheOrderTheyHappen) {
  Outcome run = RunText(
      "show Form1\n"
      "set Form1.Caption \"Inbox\"\n"
      "windows\n"
      "call Form1.Open \"https://example.com/?a=\"\"b\"\"\"\n"
      "expect \"shell open\"\n"
      "call Form1.Throw\n"
      "get Form1.Nope\n"
      "inspect Form1\n",
      WithForm(), true);
  EXPECT_EQ(run.status, kExitOk) << run.out;
  std::istringstream lines(run.out);
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("window ") && !line.starts_with("window Form1 ")) continue;
    got.push_back(line);
  }
  EXPECT_EQ(got,
            (std::vector<std::string>{
                "event Form1.Activate()",
                "changed Form1 \"Caption\"",
                "window Form1 hwnd=65556 class=\"FakeForm\" rect=100,100,400,300 visible=1 "
                "enabled=1 style=0x10CF0000 exstyle=0x00000000 alpha=255 topmost=0 region=none "
                "title=\"Inbox\"",
                "event Form1.Opening()",
                "shell open \"https://example.com/?a=\"\"b\"\"\"",
                "event Form1.Opened()",
                "call Form1.Open \"https://example.com/?a=\"\"b\"\"\" = True",
                "call Form1.Throw failed 91 \"Object variable or With block variable not set\"",
                "get Form1.Nope failed 438 \"no such property\"",
                "inspect Form1 kind=Form left=100",
            }));
}

TEST(ScenarioRun, OnlyWaitLetsTimePass) {
  // Input of every kind takes no virtual time; the form's 50 ms timer ticks only when a
  // wait reaches it, and nothing runs on after the script ends.
  Outcome run = RunText(
      "show Form1\n"
      "call Form1.StartTimer\n"
      "get Clock\n"
      "move 10 10\n"
      "click left\n"
      "dblclick right\n"
      "drag left 10 10 100 100\n"
      "type \"hello\"\n"
      "key 13\n"
      "alt \"e\"\n"
      "char \"x\"\n"
      "pixel 1 1\n"
      "get Clock\n"
      "wait 30\n"
      "get Clock\n"
      "wait 30\n"
      "get Clock\n"
      "wait 40\n",
      WithForm(), true);
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out,
            "event Form1.Activate()\n"
            "call Form1.StartTimer = Empty\n"
            "get Clock = 0\n"
            "pixel 1 1 = #3A6EA5\n"
            "get Clock = 0\n"
            "get Clock = 30\n"
            "event Form1.Timer1.Timer() at 50\n"
            "get Clock = 60\n"
            "event Form1.Timer1.Timer() at 100\n");
}

TEST(ScenarioRun, AScriptThatRunsOutInsideAModalLoopEndsItAndSaysSo) {
  // Pressing on the caption starts the move loop; the rest of the script runs inside it.
  Outcome run = RunText(
      "show Form1\n"
      "move 200 110\n"
      "down left\n"
      "move 300 210\n"
      "get Form1.Left\n"
      "expect \"= 200\"\n",
      WithForm(), true);
  EXPECT_EQ(run.status, kExitOk) << run.out;
  EXPECT_EQ(run.out,
            "event Form1.Activate()\n"
            "get Form1.Left = 200\n"
            "dismissed \"window move\"\n");
}

TEST(ScenarioRun, WhenTheProgramQuitsTheRestOfTheScriptDoesNotRunAndItsExpectsFail) {
  struct Case {
    const char* script;
    int status;
    const char* out;
  };
  const Case cases[] = {
      {"call Form1.Quit\nwait 10\nget Clock\nexpect \"Clock\"\n", kExitFailed,
       "call Form1.Quit = Empty\nquit after line 1; the rest of the script did not run\n"},
      {"get Clock\nexpect \"Clock\"\ncall Form1.Quit\nwindows\n", kExitOk,
       "get Clock = 0\ncall Form1.Quit = Empty\n"
       "quit after line 3; the rest of the script did not run\n"},
  };
  for (const Case& c : cases) {
    Outcome run = RunText(c.script, WithForm(), true);
    EXPECT_EQ(run.status, c.status) << c.script;
    EXPECT_EQ(run.out, c.out);
  }
}

TEST(ScenarioRun, RefusedFormFilesAndMisplacedCommandsStopTheRunBeforeItStarts) {
  struct Case {
    std::vector<std::string> forms;
    bool design;
    bool fake_engine;
    const char* script;
    const char* err;
  };
  const Case cases[] = {
      {{"a.frm"},
       false,
       false,
       "windows\n",
       "a.frm: the form engine is not available yet, so form files cannot be loaded\n"},
      {{"form1.frm", "bad.frm"}, false, true, "windows\n", "bad.frm:3: Begin without End\n"},
      {{},
       false,
       true,
       "windows\nplace Form1 A.B C 1 2 3 4\n",
       "t.txt:2: place works at design time only; run with --design\n"},
  };
  for (const Case& c : cases) {
    RunOptions options;
    options.form_files = c.forms;
    options.design_mode = c.design;
    Outcome run = RunText(c.script, options, c.fake_engine);
    EXPECT_EQ(run.status, kExitBadInput) << c.script;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");  // nothing ran
  }
  RunOptions design = WithForm();
  design.design_mode = true;
  Outcome run = RunText("place Form1 QuorinSkinForVB6.VistaButton VistaButton1 120 480 1695 915\n",
                        design, true);
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out,
            "placed QuorinSkinForVB6.VistaButton VistaButton1 120 480 1695 915 at "
            "design time\n");
}

TEST(ScenarioRun, ShotsMakeTheirFolderAndAFailedShotFailsTheRun) {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quorin-run-test-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::path shot = dir / "deep" / "main.png";
  std::filesystem::path blocked = dir / "file";
  Outcome run = RunText("screen 64 48 15\nshot " + shot.string() + "\n");
  EXPECT_EQ(run.status, kExitOk) << run.out;
  ASSERT_TRUE(std::filesystem::exists(shot));
  std::ifstream png(shot, std::ios::binary);
  char magic[4] = {};
  png.read(magic, 4);
  EXPECT_EQ(std::string(magic + 1, 3), "PNG");

  std::ofstream(blocked) << "not a folder";
  run = RunText("shot " + (blocked / "a.png").string() + "\nwindows\n");
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_TRUE(run.out.starts_with("shot " + (blocked / "a.png").string() +
                                  " failed \"cannot make the folder: "))
      << run.out;
  EXPECT_NE(run.out.find("window Shell_TrayWnd"), std::string::npos);  // the script went on
  std::filesystem::remove_all(dir);
}

TEST(ScenarioRun, TheShippedExampleScriptsRunAndTheirExpectsHold) {
  std::filesystem::path examples = QUORIN_RUN_EXAMPLES;
  std::filesystem::path work = std::filesystem::temp_directory_path() /
                               ("quorin-run-examples-" + std::to_string(::getpid()));
  std::filesystem::create_directories(work);
  std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(work);  // the scripts write their shots under out/
  int scripts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(examples)) {
    if (entry.path().extension() != ".txt") continue;
    ++scripts;
    std::ifstream in(entry.path(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ScriptParse parsed = ParseScript(text, entry.path().filename().string());
    ASSERT_TRUE(parsed.ok()) << parsed.errors[0];
    // A script with a form file of the same name runs with it, on the real engine; a line
    // "# forms: a.frm b.frm" names the forms of a script that needs others or several.
    RunOptions options;
    std::filesystem::path form = entry.path();
    form.replace_extension(".frm");
    if (std::filesystem::exists(form)) options.form_files.push_back(form.string());
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      // "# design" runs the script at design time, as --design does.
      if (line == "# design") options.design_mode = true;
      const std::string marker = "# forms:";
      if (line.rfind(marker, 0) != 0) continue;
      std::istringstream names(line.substr(marker.size()));
      for (std::string name; names >> name;) {
        options.form_files.push_back((examples / name).string());
      }
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunScenario(parsed.script, options, out, err, DefaultEngineFactory()), kExitOk)
        << entry.path() << "\n"
        << out.str() << err.str();
  }
  std::filesystem::current_path(before);
  std::filesystem::remove_all(work);
  EXPECT_GT(scripts, 0) << "no example scripts in " << examples;
}

}  // namespace
}  // namespace scenario
