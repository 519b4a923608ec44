// Forms in the original designer's own bytes (CRLF, code page 1252, the designer's layout):
// what loads, where it goes, and that saving gives the same bytes back.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/elements/text_box.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/ansi.h"
#include "platform/win/user32.h"
#include "tests/platform/host/form_test_support.h"

namespace {

namespace fs = std::filesystem;
using host::formio::LoadedForm;

// Lines joined with the designer's CRLF.
std::string Crlf(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* line : lines) out += std::string(line) + "\r\n";
  return out;
}

class DesignerForms : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    host::RegisterEngineClasses();
    vb::SetAnsiCodePage(1252);
  }
  void TearDown() override {
    for (auto& f : forms_) {
      if (f && f->alive()) host::Unload(*f);
    }
    vb::SetAnsiCodePage(936);
    ScratchDir::TearDown();
  }
  LoadedForm Load(const fs::path& path) {
    LoadedForm loaded = host::formio::LoadFormFile(path);
    forms_.push_back(loaded.form);
    return loaded;
  }
  static host::Object& Find(VB::Form& form, const std::string& name) {
    for (const auto& o : form.Controls()) {
      if (host::SameName(o->DisplayName(), name)) return *o;
    }
    throw std::runtime_error("no control " + name);
  }
  // Loads, saves, loads the saved file and saves it again: both saves must give the same
  // bytes; returns the first save's form text.
  std::string SaveTwice(const fs::path& path, bool show = false) {
    LoadedForm first = Load(path);
    if (show) first.form->Show();
    const fs::path one = dir_ / "one" / path.filename();
    const fs::path two = dir_ / "two" / path.filename();
    fs::create_directories(one.parent_path());
    fs::create_directories(two.parent_path());
    host::formio::SaveFormFile(*first.form, one, &first.file);
    LoadedForm second = Load(one);
    if (show) second.form->Show();
    host::formio::SaveFormFile(*second.form, two, &second.file);
    EXPECT_EQ(Read(one), Read(two));
    EXPECT_EQ(Read(CompanionOf(one)), Read(CompanionOf(two)));
    return Read(one);
  }
  static fs::path CompanionOf(fs::path path) { return path.replace_extension(".frx"); }

  desktop::HeadlessDesktop headless_;
  std::vector<std::shared_ptr<VB::Form>> forms_;
};

// A form with a timer, a checked check box at TabIndex 0, a button without a caption, a
// zero-length icon ("no icon"), a combo box with items, a multi-line text box and an accented
// caption: saved, it gives back the designer's own bytes, twice.
TEST_F(DesignerForms, SavingLosesNothing) {
  std::vector<std::uint8_t> frx(12, 0);
  frx[0] = 8;  // a picture entry of zero bytes
  frx[4] = 'l';
  frx[5] = 't';
  // Entries follow one another in the order of the lines that refer to them.
  const std::uint8_t lists[] = {2, 0, 1, 0, 1, 0, '0', 1,   0,   '7',  // ItemData 0, 7
                                2, 0, 4, 0, 3, 0, 'O', 'n', 'e', 4,   0, 'T', 'w', 'o', '!'};
  frx.insert(frx.end(), std::begin(lists), std::end(lists));
  const std::string notes = "First line\r\nSecond line";
  frx.push_back(static_cast<std::uint8_t>(notes.size()));
  frx.insert(frx.end(), notes.begin(), notes.end());
  Put("Options.frx", frx);
  const std::string text = Crlf({
      "VERSION 5.00",
      "Begin VB.Form frmOptions ",
      "   BorderStyle     =   3  'Fixed Dialog",
      "   Caption         =   \"Opci\xF3n\"",
      "   ClientHeight    =   3195",
      "   ClientLeft      =   45",
      "   ClientTop       =   330",
      "   ClientWidth     =   4680",
      "   Icon            =   \"Options.frx\":0000",
      "   LinkTopic       =   \"Form1\"",
      "   MaxButton       =   0   'False",
      "   ScaleHeight     =   3195",
      "   ScaleWidth      =   4680",
      "   Begin VB.ComboBox cboSize ",
      "      Height          =   315",
      "      ItemData        =   \"Options.frx\":000C",
      "      Left            =   120",
      "      List            =   \"Options.frx\":0016",
      "      TabIndex        =   3",
      "      Top             =   1680",
      "      Width           =   2055",
      "   End",
      "   Begin VB.TextBox txtNotes ",
      "      Height          =   735",
      "      Left            =   120",
      "      MultiLine       =   -1  'True",
      "      TabIndex        =   2",
      "      Text            =   \"Options.frx\":0025",
      "      Top             =   840",
      "      Width           =   2055",
      "   End",
      "   Begin VB.Timer tmrBlink ",
      "      Interval        =   250",
      "      Left            =   3960",
      "      Top             =   120",
      "   End",
      "   Begin VB.CommandButton cmdGo ",
      "      Height          =   375",
      "      Left            =   120",
      "      TabIndex        =   1",
      "      Top             =   480",
      "      Width           =   1215",
      "   End",
      "   Begin VB.CheckBox chkSound ",
      "      Caption         =   \"Son activ\xE9\"",
      "      Height          =   255",
      "      Left            =   120",
      "      TabIndex        =   0",
      "      Top             =   120",
      "      Value           =   1  'Checked",
      "      Width           =   1935",
      "   End",
      "End",
      "Attribute VB_Name = \"frmOptions\"",
  });
  const fs::path path = Put("Options.frm", text);

  LoadedForm loaded = Load(path);
  VB::Form& form = *loaded.form;
  EXPECT_EQ(form.Caption(), "Opci\xC3\xB3n");
  EXPECT_FALSE(form.Icon());
  EXPECT_EQ(host::GetProperty(Find(form, "chkSound"), "Value").ToLong(), 1);
  EXPECT_EQ(host::GetProperty(Find(form, "cmdGo"), "Caption").ToString(), "");
  EXPECT_EQ(host::GetProperty(Find(form, "txtNotes"), "Text").ToString(), notes);
  auto& combo = dynamic_cast<VB::ComboBox&>(Find(form, "cboSize"));
  EXPECT_EQ(combo.Items(), (std::vector<std::string>{"One", "Two!"}));
  EXPECT_EQ(combo.ItemData(1), 7);

  EXPECT_EQ(SaveTwice(path), text);
  EXPECT_EQ(Read(CompanionOf(dir_ / "one" / "Options.frm")), std::string(frx.begin(), frx.end()));
}

// Positions are twips whatever the form's ScaleMode; a user scale is kept as written.
TEST_F(DesignerForms, PositionsAreTwipsWhateverTheScale) {
  const std::string pixels = Crlf({
      "VERSION 5.00",
      "Begin VB.Form frmPixels ",
      "   Caption         =   \"Pixels\"",
      "   ClientHeight    =   2520",
      "   ClientLeft      =   60",
      "   ClientTop       =   345",
      "   ClientWidth     =   4860",
      "   ScaleHeight     =   168",
      "   ScaleMode       =   3  'Pixel",
      "   ScaleWidth      =   324",
      "   Begin VB.TextBox Text1 ",
      "      Height          =   285",
      "      Left            =   120",
      "      TabIndex        =   0",
      "      Top             =   240",
      "      Width           =   4575",
      "   End",
      "End",
  });
  const fs::path path = Put("Pixels.frm", pixels);
  LoadedForm loaded = Load(path);
  host::Object& text = Find(*loaded.form, "Text1");
  EXPECT_EQ(loaded.form->ScaleWidth(), 324);
  EXPECT_EQ(host::GetProperty(text, "Left").ToDouble(), 8);     // 120 twips in pixels
  EXPECT_EQ(host::GetProperty(text, "Width").ToDouble(), 305);  // 4575 twips
  EXPECT_EQ(SaveTwice(path), pixels);

  const std::string user = Crlf({
      "VERSION 5.00",
      "Begin VB.Form frmChart ",
      "   Caption         =   \"Chart\"",
      "   ClientHeight    =   2520",
      "   ClientLeft      =   60",
      "   ClientTop       =   345",
      "   ClientWidth     =   3750",
      "   ScaleHeight     =   1488.899",
      "   ScaleLeft       =   -10",
      "   ScaleMode       =   0  'User",
      "   ScaleTop        =   100",
      "   ScaleWidth      =   200",
      "End",
  });
  EXPECT_EQ(SaveTwice(Put("Chart.frm", user)), user);
}

// The designer writes the frontmost control first: a button written before the frame it
// overlaps is seen, and a label before an overlapping label is hit first.
TEST_F(DesignerForms, ControlsEarlierInTheFileAreOnTop) {
  const std::string text = Crlf({
      "VERSION 5.00",
      "Begin VB.Form frmAsk ",
      "   Caption         =   \"Ask\"",
      "   ClientHeight    =   3000",
      "   ClientLeft      =   0",
      "   ClientTop       =   0",
      "   ClientWidth     =   4500",
      "   Begin VB.CommandButton cmdNo ",
      "      Caption         =   \"No\"",
      "      Height          =   495",
      "      Left            =   600",
      "      TabIndex        =   0",
      "      Top             =   600",
      "      Width           =   1215",
      "   End",
      "   Begin VB.Frame fraBack ",
      "      Height          =   2415",
      "      Left            =   120",
      "      TabIndex        =   1",
      "      Top             =   120",
      "      Width           =   4095",
      "   End",
      "   Begin VB.Label lblFront ",
      "      Caption         =   \"Front\"",
      "      Height          =   255",
      "      Left            =   120",
      "      Top             =   2640",
      "      Width           =   1215",
      "   End",
      "   Begin VB.Label lblBack ",
      "      Caption         =   \"Back\"",
      "      Height          =   255",
      "      Left            =   600",
      "      Top             =   2640",
      "      Width           =   1215",
      "   End",
      "End",
  });
  const fs::path path = Put("Ask.frm", text);
  LoadedForm loaded = Load(path);
  VB::Form& form = *loaded.form;
  form.Show();
  // The middle of the button, on the screen.
  const win32::HWND button = dynamic_cast<host::Control&>(Find(form, "cmdNo")).hWnd();
  win32::RECT r;
  win32::GetWindowRect(button, &r);
  const win32::POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  EXPECT_EQ(win32::WindowFromPoint(p), button);
  // Where the labels overlap (40 to 81 px across, 176 px down), the earlier one is hit.
  host::Control* hit = form.WindowlessAt({60, 180});
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->Name(), "lblFront");
  EXPECT_EQ(SaveTwice(path), text);
}

// What the file leaves out takes the class's default, not the name given when placing.
TEST_F(DesignerForms, AbsentCaptionsAreEmpty) {
  const std::string text = Crlf({
      "VERSION 5.00",
      "Begin VB.Form frmBare ",
      "   ClientHeight    =   3000",
      "   ClientLeft      =   0",
      "   ClientTop       =   0",
      "   ClientWidth     =   4500",
      "   Begin VB.Frame Frame1 ",
      "      Height          =   975",
      "      Left            =   120",
      "      TabIndex        =   0",
      "      Top             =   1200",
      "      Width           =   2535",
      "   End",
      "   Begin VB.CommandButton Command1 ",
      "      Height          =   375",
      "      Left            =   120",
      "      TabIndex        =   1",
      "      Top             =   120",
      "      Width           =   1215",
      "   End",
      "   Begin VB.CheckBox Check1 ",
      "      Height          =   255",
      "      Left            =   120",
      "      TabIndex        =   2",
      "      Top             =   600",
      "      Width           =   1215",
      "   End",
      "End",
  });
  const fs::path path = Put("Bare.frm", text);
  LoadedForm loaded = Load(path);
  EXPECT_EQ(loaded.form->Caption(), "");
  for (const char* name : {"Frame1", "Command1", "Check1"}) {
    EXPECT_EQ(host::GetProperty(Find(*loaded.form, name), "Caption").ToString(), "") << name;
  }
  EXPECT_EQ(SaveTwice(path), text);
}

// WindowState 1 or 2 loads: the position and size come first, the state when shown; and
// StartUpPosition places the form when it is first shown.
TEST_F(DesignerForms, WindowStateAndStartUpPosition) {
  struct Case {
    const char* lines;
    int left, top;  // outer position in pixels once shown (-1: not checked, -2: cascaded)
    std::int16_t state;
  };
  // 4500 x 3000 twips of client area with a sizable frame: 308 x 227 pixels outside.
  const Case cases[] = {
      {"   StartUpPosition =   0  'Manual\r\n", 100, 200, 0},
      {"   StartUpPosition =   1  'CenterOwner\r\n", (1280 - 308) / 2, (1024 - 227) / 2, 0},
      {"   StartUpPosition =   2  'CenterScreen\r\n", (1280 - 308) / 2, (1024 - 227) / 2, 0},
      {"   StartUpPosition =   3  'Windows Default\r\n", -2, -2, 0},
      {"   WindowState     =   2  'Maximized\r\n", -1, -1, 2},
      {"   WindowState     =   1  'Minimized\r\n", -1, -1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    const std::string text =
        "VERSION 5.00\r\nBegin VB.Form frmPlace \r\n"
        "   Caption         =   \"Place\"\r\n"
        "   ClientHeight    =   3000\r\n"
        "   ClientLeft      =   1500\r\n"
        "   ClientTop       =   3000\r\n"
        "   ClientWidth     =   4500\r\n" +
        std::string(c.lines) + "End\r\n";
    const fs::path path = Put("Place.frm", text);
    LoadedForm loaded = Load(path);
    loaded.form->Show();
    EXPECT_EQ(loaded.form->WindowState(), c.state);
    win32::RECT r;
    win32::GetWindowRect(loaded.form->hWnd(), &r);
    if (c.left >= 0) {
      EXPECT_EQ(r.left, c.left);
      EXPECT_EQ(r.top, c.top);
      EXPECT_EQ(r.right - r.left, 308);
    } else if (c.left == -2) {
      // The window system's default place: a step of the cascade from the work area's corner.
      EXPECT_EQ(r.left, r.top);
      EXPECT_EQ(r.left % 26, 0);
    }
    // Saved while shown, the form keeps its own place and size and its state.
    EXPECT_EQ(SaveTwice(path, true), text);
    host::Unload(*loaded.form);
  }
}

}  // namespace
