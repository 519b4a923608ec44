// The driver on the real form engine: form files, paths, and the event, changed, msgbox and
// error lines a short script produces.

#include "apps/quorin-run/engine_host.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/quorin-run/runner.h"
#include "artwork/artwork.h"
#include "platform/host/control/user_control.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/host/services/msgbox.h"
#include "platform/host/services/property_page.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"

namespace scenario {
namespace {

// A user control with an element, a persisted property that reports PropertyChanged, a
// MouseDown that fails and a Click that shows a message box.
class Alarm : public host::UserControl {
 public:
  Alarm() {
    title = AddElement<VB::Label>("Title");
    title->Caption("Ready");
    glyph = AddElement<VB::Image>("Glyph");
    glyph->Picture(artwork::Picture("skin_parts/CbClose_1"));
  }
  static const host::ClassInfo& TypeInfo() {
    static host::ClassInfo& info = []() -> host::ClassInfo& {
      auto& i =
          host::TypeRegistry::Instance().Add("QuorinTest.Alarm", &host::UserControlBaseInfo());
      host::ClassBuilder<Alarm>(i)
          .Property("Level", &Alarm::Level, &Alarm::Level)
          .Property("Shade", &Alarm::Shade, &Alarm::Shade)
          .Property("Font", &Alarm::Font, &Alarm::Font)
          .Property("FontBold", &Alarm::FontBold)
          .Creatable();
      i.property_pages = {"QuorinTest.AlarmPage", "StandardFont", "StandardColor"};
      return i;
    }();
    return info;
  }
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int16_t Level() const { return level_; }
  void Level(std::int16_t v) {
    level_ = v;
    PropertyChanged("Level");
  }
  vb::OLE_COLOR Shade() const { return shade_; }
  void Shade(vb::OLE_COLOR v) {
    shade_ = v;
    PropertyChanged("Shade");
  }
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef v) {
    if (!v) throw vb::Error(vb::kInvalidPropertyValue);
    font_ = std::move(v);
    PropertyChanged("Font");
  }
  bool FontBold() const { return font_->Bold(); }
  void UserControl_ReadProperties(host::PropertyBag& bag) override {
    level_ = bag.ReadProperty("Level", std::int16_t{0}).ToInteger();
  }
  void UserControl_WriteProperties(host::PropertyBag& bag) override {
    bag.WriteProperty("Level", level_, std::int16_t{0});
  }
  void UserControl_MouseDown(std::int16_t, std::int16_t, float, float) override {
    throw vb::Error(vb::kObjectNotSet);
  }
  void UserControl_Click() override {
    host::MsgBox("value不能大于max值 !", host::vbCritical, "Error");
  }

  std::shared_ptr<VB::Label> title;
  std::shared_ptr<VB::Image> glyph;

 private:
  std::int16_t level_ = 0;
  vb::OLE_COLOR shade_ = 0x8000000F;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
};

// Alarm's property page: picking it up marks it changed; OK writes Level 9 into the selection.
class AlarmPage : public host::PropertyPage {
 public:
  static const host::ClassInfo& TypeInfo() {
    static host::ClassInfo& info = []() -> host::ClassInfo& {
      auto& i = host::TypeRegistry::Instance().Add("QuorinTest.AlarmPage",
                                                   &host::PropertyPage::BaseInfo());
      host::ClassBuilder<AlarmPage>(i).Creatable();
      return i;
    }();
    return info;
  }
  const host::ClassInfo& Class() const override { return TypeInfo(); }
  void PropertyPage_SelectionChanged() override { Changed(true); }
  void PropertyPage_ApplyChanges() override {
    for (const auto& o : SelectedControls()) host::LetProperty(*o, "Level", std::int16_t{9});
  }
};

constexpr const char* kForm =
    "VERSION 5.00\n"
    "Begin VB.Form Form1\n"
    "   BorderStyle     =   1\n"
    "   Caption         =   \"Alarm\"\n"
    "   ClientHeight    =   2100\n"
    "   ClientLeft      =   1500\n"
    "   ClientTop       =   1500\n"
    "   ClientWidth     =   4200\n"
    "   Begin QuorinTest.Alarm Alarm1\n"
    "      Height          =   2100\n"
    "      Left            =   0\n"
    "      Level           =   3\n"
    "      Top             =   0\n"
    "      Width           =   4200\n"
    "   End\n"
    "End\n";

class HostEngineRun : public ::testing::Test {
 protected:
  void SetUp() override {
    Alarm::TypeInfo();
    AlarmPage::TypeInfo();
    dir_ =
        std::filesystem::temp_directory_path() / ("quorin-run-host-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    form_ = (dir_ / "alarm.frm").string();
    std::ofstream(form_, std::ios::binary) << kForm;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  int Run(const std::string& script, std::vector<std::string> forms, bool design = false) {
    ScriptParse parsed = ParseScript(script, "t.txt");
    EXPECT_TRUE(parsed.ok()) << parsed.errors[0];
    RunOptions options;
    options.form_files = std::move(forms);
    options.design_mode = design;
    std::ostringstream out, err;
    int status = RunScenario(parsed.script, options, out, err, DefaultEngineFactory());
    out_ = out.str();
    err_ = err.str();
    return status;
  }
  // Each text appears on a later line than the one before.
  void ExpectInOrder(const std::vector<std::string>& texts) {
    std::size_t at = 0;
    for (const std::string& t : texts) {
      std::size_t found = out_.find(t, at);
      ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << t << "\n" << out_;
      at = found + t.size();
    }
  }

  std::filesystem::path dir_;
  std::string form_;
  std::string out_, err_;
};

TEST_F(HostEngineRun, AShortScriptLogsWhatTheEngineDoes) {
  const std::string saved = (dir_ / "out" / "saved.frm").string();
  int status =
      Run("screen 800 600 15\n"
          "show Form1\n"
          "get Form1.Alarm1.Level\n"
          "set Form1.Alarm1.Level 5\n"
          "get Form1.Alarm1.Title.Caption\n"
          "inspect Form1.Alarm1.Title\n"
          "inspect Form1.Alarm1.Glyph\n"
          "set Form1.Alarm1.Nope 1\n"
          "windows\n"
          "move 200 180\n"
          "click left\n"
          "key 13\n"
          "expect \"msgbox \"\"Error\"\"\"\n"
          "expect \"never printed\"\n"
          "save Form1 " +
              saved + "\n",
          {form_});
  EXPECT_EQ(status, kExitFailed) << out_ << err_;
  EXPECT_EQ(err_, "");
  ExpectInOrder({
      "event Form1.Load()",
      "event Form1.Activate()",
      "get Form1.Alarm1.Level = 3",
      "changed Form1.Alarm1 \"Level\"",
      "get Form1.Alarm1.Title.Caption = \"Ready\"",
      "inspect Form1.Alarm1.Title kind=Label left=",
      "inspect Form1.Alarm1.Glyph kind=Image left=0 top=0",
      "picture=\"skin_parts/CbClose/1\"",
      "set Form1.Alarm1.Nope failed 438 \"Object doesn't support this property or method\"",
      "window Form1.Alarm1 hwnd=",
      "error Form1.Alarm1 UserControl_MouseDown 91 \"Object variable or With block variable not "
      "set\"",
      "msgbox \"Error\" \"value不能大于max值 !\" critical ok",
      "expect \"never printed\" failed",
  });
  std::ifstream in(saved, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Level           =   5"), std::string::npos) << text;
}

// Pictures by file and Nothing, objects by path, and controls placed at design time.
TEST_F(HostEngineRun, ValuesPicturesAndPlacedControls) {
  const std::string pic = (dir_ / "dot.bmp").string();
  {
    // A 1x1 24-bit BMP.
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54,   0, 0, 0,  40,
                                 0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,    1, 0, 24, 0,
                                 0,   0,   0,  0, 4, 0, 0, 0, 0, 0, 0,    0, 0, 0,  0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0};
    std::ofstream(pic, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
  }
  const std::string saved = (dir_ / "design.frm").string();
  int status =
      Run("place Form1 VB.PictureBox Picture1 120 120 600 600\n"
          "set Form1.Picture1.Picture LoadPicture(\"" +
              pic +
              "\")\n"
              "inspect Form1.Picture1\n"
              "set Form1.Picture1.Picture Nothing\n"
              "inspect Form1.Picture1\n"
              "call Form1.Controls.Item \"Alarm1\"\n"
              "place Form1 QuorinTest.Nothing X 0 0 10 10\n"
              "save Form1 " +
              saved + "\n",
          {form_}, /*design=*/true);
  EXPECT_EQ(status, kExitOk) << out_ << err_;
  EXPECT_EQ(out_.find(" .Title."), std::string::npos) << out_;
  ExpectInOrder({
      "inspect Form1.Picture1 kind=PictureBox left=120 top=120 width=600 height=600 visible=1 "
      "enabled=1",
      "picture=\"" + pic + "\"",
      "inspect Form1.Picture1 kind=PictureBox",
      "picture=none",
      "call Form1.Controls.Item \"Alarm1\" = Form1.Alarm1",
      "place Form1 QuorinTest.Nothing X failed 438",
  });
  std::ifstream in(saved, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Begin VB.PictureBox Picture1"), std::string::npos) << text;
  EXPECT_NE(text.find("Begin QuorinTest.Alarm Alarm1"), std::string::npos) << text;
}

// Property pages open modally at design time; the script answers inside the dialog.
TEST_F(HostEngineRun, PropertyPagesRunModallyAtDesignTime) {
  int status =
      Run("propertypages Form1.Alarm1\n"
          "windows\n"
          "move 300 418\n"  // the dialog's OK button
          "click left\n"
          "get Form1.Alarm1.Level\n"
          "propertypages Form1\n",
          {form_}, /*design=*/true);
  EXPECT_EQ(status, kExitOk) << out_ << err_;
  ExpectInOrder({
      "window PropertyPages hwnd=",
      "event PropertyPages.OK.Click()",
      "changed Form1.Alarm1 \"Level\"",
      "get Form1.Alarm1.Level = 9",
      "propertypages Form1 failed 438",
  });
  EXPECT_EQ(Run("propertypages Form1.Alarm1\n", {form_}), kExitOk);
  EXPECT_NE(out_.find("propertypages Form1.Alarm1 failed 438"), std::string::npos) << out_;
}

// While the dialog is open, its tabs, buttons and pages' controls are paths like a form's:
// set, get, call and inspect reach them, their events are logged under those paths, and
// `windows` names their windows.
TEST_F(HostEngineRun, ScriptsDriveThePagesOfTheOpenDialog) {
  int status =
      Run("propertypages Form1.Alarm1\n"
          "windows\n"
          "get PropertyPages.Tabs.Tabs\n"
          "call PropertyPages.Tabs.TabCaption 1\n"
          "set PropertyPages.Tabs.Tab 1\n"
          "inspect PropertyPages.StandardFont.chkBold\n"
          "get PropertyPages.StandardFont.cmbProperty.Text\n"
          "set PropertyPages.StandardFont.chkBold.Value 1\n"
          "get PropertyPages.StandardFont.Changed\n"
          "set PropertyPages.Tabs.Tab 2\n"
          "set PropertyPages.StandardColor.Color &HFF&\n"
          "get PropertyPages.StandardColor.lblValue.Caption\n"
          "set PropertyPages.Apply.Value True\n"
          "get Form1.Alarm1.FontBold\n"
          "get Form1.Alarm1.Shade\n"
          "get PropertyPages.Apply.Enabled\n"
          "set PropertyPages.StandardColor.Color &H80000019&\n"
          "set PropertyPages.Nowhere.Value 1\n"
          "set PropertyPages.Cancel.Value True\n"
          "get PropertyPages.OK.Caption\n",
          {form_}, /*design=*/true);
  EXPECT_EQ(status, kExitOk) << out_ << err_;
  for (const char* window : {"window PropertyPages.Tabs hwnd=", "window PropertyPages.OK hwnd=",
                             "window PropertyPages.StandardFont hwnd=",
                             "window PropertyPages.StandardFont.cmbFont hwnd=",
                             "window PropertyPages.StandardColor.picPalette hwnd="}) {
    EXPECT_NE(out_.find(window), std::string::npos) << window << "\n" << out_;
  }
  ExpectInOrder({
      "get PropertyPages.Tabs.Tabs = 3",
      "call PropertyPages.Tabs.TabCaption 1 = \"Font\"",
      "event PropertyPages.Tabs.Click()",
      "inspect PropertyPages.StandardFont.chkBold kind=CheckBox",
      "caption=\"Bold\"",
      "get PropertyPages.StandardFont.cmbProperty.Text = \"Font\"",
      "event PropertyPages.StandardFont.chkBold.Click()",
      "get PropertyPages.StandardFont.Changed = True",
      "event PropertyPages.Tabs.Click()",
      "get PropertyPages.StandardColor.lblValue.Caption = \"&H000000FF&\"",
      "event PropertyPages.Apply.Click()",
      "changed Form1.Alarm1 \"Level\"",
      "changed Form1.Alarm1 \"Font\"",
      "changed Form1.Alarm1 \"Shade\"",
      "get Form1.Alarm1.FontBold = True",
      "get Form1.Alarm1.Shade = 255",
      "get PropertyPages.Apply.Enabled = False",
      "set PropertyPages.StandardColor.Color failed 380",
      "set PropertyPages.Nowhere.Value failed 438",
      "event PropertyPages.Cancel.Click()",
      "get PropertyPages.OK.Caption failed 438",
  });
}

// A damaged form file stops the run before the script, with the file and line.
TEST_F(HostEngineRun, ABadFormFileIsRefusedWithFileAndLine) {
  const std::string bad = (dir_ / "bad.frm").string();
  std::ofstream(bad, std::ios::binary) << "VERSION 5.00\nBegin VB.Form Form1\n"
                                          "   Begin VB.Gadget G1\n   End\nEnd\n";
  EXPECT_EQ(Run("show Form1\n", {bad}), kExitBadInput);
  EXPECT_EQ(err_.rfind(bad + ":3: ", 0), 0u) << err_;
  EXPECT_NE(err_.find("unknown class"), std::string::npos) << err_;
  EXPECT_EQ(out_, "");
  // A file refused while its form is being built logs none of the form's events.
  std::ofstream(bad, std::ios::binary) << "VERSION 5.00\nBegin VB.Form Form1\n"
                                          "   Begin VB.Label L1\n      BackColor = \"red\"\n"
                                          "   End\nEnd\n";
  EXPECT_EQ(Run("show Form1\n", {bad}), kExitBadInput);
  EXPECT_EQ(err_.rfind(bad + ":4: BackColor", 0), 0u) << err_;
  EXPECT_EQ(out_, "");
  // Positions far off any screen are refused, by the script as by the file.
  EXPECT_EQ(Run("set Form1.Alarm1.Left 1e30\nset Form1.Left -1e30\n", {form_}), kExitOk);
  EXPECT_NE(out_.find("set Form1.Alarm1.Left failed 380"), std::string::npos) << out_;
  EXPECT_NE(out_.find("set Form1.Left failed 380"), std::string::npos) << out_;
  // The same form twice is refused too.
  EXPECT_EQ(Run("", {form_, form_}), kExitBadInput);
  EXPECT_NE(err_.find("already loaded"), std::string::npos) << err_;
}

// A save that fails (its folder is a file) is reported and fails the run; one that works
// does not.
TEST_F(HostEngineRun, AFailedSaveFailsTheRun) {
  std::ofstream(dir_ / "blocked") << "not a folder";
  const std::string bad = (dir_ / "blocked" / "saved.frm").string();
  EXPECT_EQ(Run("show Form1\nsave Form1 " + bad + "\n", {form_}), kExitFailed) << out_;
  EXPECT_NE(out_.find("save Form1 " + bad + " failed 75"), std::string::npos) << out_;
  const std::string good = (dir_ / "saved.frm").string();
  EXPECT_EQ(Run("show Form1\nsave Form1 " + good + "\n", {form_}), kExitOk) << out_;
}

}  // namespace
}  // namespace scenario
