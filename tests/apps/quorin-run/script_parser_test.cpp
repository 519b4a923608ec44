#include <gtest/gtest.h>

#include "apps/quorin-run/script_parser.h"

namespace scenario {
namespace {

struct LineCase {
  const char* line;
  const char* expected;  // the action described, or the error's reason
};

TEST(ScriptParser, EachCommandReadsItsArguments) {
  const LineCase cases[] = {
      {"screen 800 600 12", "screen 800 600 12"},
      {"screen 1024 768 7.5", "screen 1024 768 7.5"},
      {"taskbar left 30", "taskbar left 30"},
      {"taskbar none", "taskbar none"},
      {"show Form1", "show Form1"},
      {"show Form1 modal   # as a dialog", "show Form1 modal"},
      {"set Form1.QuorinSkin1.Skin 1", "set Form1.QuorinSkin1.Skin Integer(1)"},
      {"set Form1.Icon LoadPicture(\"my pics/a.ico\")",
       "set Form1.Icon Picture(\"my pics/a.ico\")"},
      {"set Form1.Frame1.Container Form1.Picture1",
       "set Form1.Frame1.Container Object(Form1.Picture1)"},
      {"get Form1.QuorinSkin1.Caption", "get Form1.QuorinSkin1.Caption"},
      {"call Form1.XPTabstrip1.AddTab 60 \"Mail\"",
       "call Form1.XPTabstrip1.AddTab Integer(60) String(\"Mail\")"},
      {"call Form1.Refresh", "call Form1.Refresh"},
      {"\tmove  -5 2000", "move -5 2000"},
      {"down left", "down left"},
      {"up right", "up right"},
      {"click middle", "click middle"},
      {"dblclick left", "dblclick left"},
      {"drag right 100 10 300 40", "drag right 100 10 300 40"},
      {"key 39", "key 39"},
      {"keydown 16", "keydown 16"},
      {"keyup 16", "keyup 16"},
      {"char \"é\"", "char \"é\""},
      {"type \"a # b\"", "type \"a # b\""},  // no comment inside quotes
      {"type \"\"", "type \"\""},
      {"alt \"e\"", "alt \"e\""},
      {"wait 0", "wait 0"},
      {"wait 100", "wait 100"},
      {"shot out/main.png", "shot out/main.png"},
      {"shot \"my shots/a.png\"", "shot my shots/a.png"},
      {"shot out/#1.png", "shot out/#1.png"},  // # inside a word is no comment
      {"pixel 0 0", "pixel 0 0"},
      {"windows", "windows"},
      {"inspect Form1.QuorinSkin1.LbMenu(2)", "inspect Form1.QuorinSkin1.LbMenu(2)"},
      {"expect \"event Form1.QuorinSkin1.CloseForm()\"",
       "expect \"event Form1.QuorinSkin1.CloseForm()\""},
      {"save Form1 out/form1.frm", "save Form1 out/form1.frm"},
      {"propertypages Form1.XPTabstrip1", "propertypages Form1.XPTabstrip1"},
      {"place Form1 QuorinSkinForVB6.VistaButton VistaButton1 120 480 1695 915",
       "place Form1 QuorinSkinForVB6.VistaButton VistaButton1 120 480 1695 915"},
  };
  for (const LineCase& c : cases) {
    ScriptParse parsed = ParseScript(c.line, "t.txt");
    ASSERT_TRUE(parsed.ok()) << c.line << ": " << parsed.errors[0];
    ASSERT_EQ(parsed.script.actions.size(), 1u) << c.line;
    EXPECT_EQ(Describe(parsed.script.actions[0]), c.expected) << c.line;
  }
}

TEST(ScriptParser, ABadLineIsReportedWithFileLineAndReason) {
  const LineCase cases[] = {
      {"jump 1", "unknown command \"jump\""},
      {"Click left", "unknown command \"Click\""},
      {"move 1", "expected \"move X Y\""},
      {"move a 1", "bad x \"a\": expected a whole number from -100000 to 100000"},
      {"move 1 2.5", "bad y \"2.5\": expected a whole number from -100000 to 100000"},
      {"click both", "bad mouse button \"both\": expected left, right or middle"},
      {"drag left 1 2 3", "expected \"drag left|right|middle X1 Y1 X2 Y2\""},
      {"key 300", "bad virtual key \"300\": expected a whole number from 1 to 254"},
      {"wait -1", "bad wait \"-1\": expected a whole number from 0 to 86400000"},
      {"wait 99999999999999999999",
       "bad wait \"99999999999999999999\": expected a whole number from 0 to 86400000"},
      {"char \"ab\"", "char takes one character, got 2"},
      {"char \"\"", "char takes one character, got 0"},
      {"alt \"%\"", "alt takes one letter or digit, as in alt \"e\""},
      {"type hello", "expected text in quotes, as in type \"TEXT\""},
      {"type \"hello", "unterminated string \"hello"},
      {"type \"\xff\"", "the text \"\xff\" is not valid UTF-8"},
      {"expect \"a\" \"b\"", "expected \"expect \"TEXT\"\""},
      {"set Form1.Caption", "expected \"set PATH VALUE\""},
      {"set Form1..Caption 1",
       "bad path \"Form1..Caption\": expected names joined by dots, as in "
       "Form1.QuorinSkin1.LbMenu(2)"},
      {"get 1abc",
       "bad path \"1abc\": expected names joined by dots, as in "
       "Form1.QuorinSkin1.LbMenu(2)"},
      {"call Form1.Go &HZZ&",
       "bad hexadecimal number &HZZ&: expected &H and one to eight hexadecimal digits, as in "
       "&H8000000F&"},
      {"show Form1 now", "expected \"show FORM [modal]\""},
      {"show Form1.Text1", "bad form name \"Form1.Text1\": expected a name such as Form1"},
      {"taskbar middle 30", "bad taskbar edge \"middle\": expected bottom, top, left or right"},
      {"taskbar top", "expected \"taskbar bottom|top|left|right SIZE, or taskbar none\""},
      {"screen 0 600 15", "bad width \"0\": expected a whole number from 1 to 4096"},
      {"screen 800 600 0", "bad twips per pixel \"0\": expected a number above 0 and up to 1440"},
      {"screen 800 600 x", "bad twips per pixel \"x\": expected a number above 0 and up to 1440"},
      {"pixel 1280 0", "pixel 1280 0 is outside the 1280x1024 screen"},
      {"pixel 0 -1", "pixel 0 -1 is outside the 1280x1024 screen"},
      {"windows all", "expected \"windows\""},
      {"shot", "expected \"shot FILE\""},
      {"shot \"\"", "bad file name \"\""},
      {"place Form1 Quorin..X B 1 2 3 4",
       "bad class name \"Quorin..X\": expected a name such as QuorinSkinForVB6.VistaButton"},
      {"place Form1 A.B 1x 1 2 3 4",
       "bad control name \"1x\": expected a letter, then letters, digits or _"},
      {"place Form1 A.B C 1 2 -3 4",
       "bad width \"-3\": expected a whole number from 0 to 10000000"},
      {"place Form1 A.B C 1 2 3", "expected \"place FORM CLASS NAME LEFT TOP WIDTH HEIGHT\""},
  };
  for (const LineCase& c : cases) {
    ScriptParse parsed = ParseScript(c.line, "t.txt");
    ASSERT_EQ(parsed.errors.size(), 1u) << c.line;
    EXPECT_EQ(parsed.errors[0], std::string("t.txt:1: ") + c.expected) << c.line;
  }
}

TEST(ScriptParser, EveryBadLineOfAScriptIsReportedAtItsLine) {
  // A byte order mark, CRLF line ends, comments and blank lines do not shift the numbers.
  ScriptParse parsed = ParseScript(
      "\xEF\xBB\xBF# a tour\r\n\r\nclick left\r\nbogus\r\n   # indented comment\nmove 1\n",
      "tour.txt");
  EXPECT_EQ(parsed.errors, (std::vector<std::string>{
                               "tour.txt:4: unknown command \"bogus\"",
                               "tour.txt:6: expected \"move X Y\"",
                           }));
  using namespace std::string_literals;
  std::string with_nul = "windows\nwin\0dows\n"s;
  parsed = ParseScript(with_nul, "n.txt");
  EXPECT_EQ(parsed.errors,
            (std::vector<std::string>{"n.txt:2: the line holds a NUL byte; a script is text"}));
}

TEST(ScriptParser, TheDesktopIsDescribedBeforeAnythingElseAndOnlyOnce) {
  ScriptParse parsed = ParseScript("screen 800 600 12\ntaskbar right 50\npixel 799 599\n", "s");
  ASSERT_TRUE(parsed.ok()) << parsed.errors[0];
  const win::DesktopSettings& settings = parsed.script.settings;
  EXPECT_EQ(settings.width, 800);
  EXPECT_EQ(settings.height, 600);
  EXPECT_EQ(settings.twips_per_pixel, 12.0f);
  EXPECT_EQ(settings.taskbar_edge, win::TaskbarEdge::kRight);
  EXPECT_EQ(settings.taskbar_size, 50);
  EXPECT_TRUE(settings.taskbar);

  EXPECT_FALSE(ParseScript("taskbar none\n", "s").script.settings.taskbar);

  const LineCase cases[] = {
      {"move 1 1\nscreen 800 600 15",
       "s:2: screen must come before every other command (line 1 comes first)"},
      {"windows\n# comment\ntaskbar top 20",
       "s:3: taskbar must come before every other command (line 1 comes first)"},
      {"screen 800 600 15\nscreen 640 480 15", "s:2: screen is given twice (first on line 1)"},
      {"screen 100 100 15\npixel 100 5", "s:2: pixel 100 5 is outside the 100x100 screen"},
  };
  for (const LineCase& c : cases) {
    parsed = ParseScript(c.line, "s");
    ASSERT_EQ(parsed.errors.size(), 1u) << c.line;
    EXPECT_EQ(parsed.errors[0], c.expected);
  }
}

}  // namespace
}  // namespace scenario
