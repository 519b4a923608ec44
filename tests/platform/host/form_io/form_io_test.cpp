#include "platform/host/form_io/form_io.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/control/user_control.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "tests/platform/host/form_test_support.h"

namespace {

namespace fs = std::filesystem;
using host::formio::LoadedForm;

// A user control that records its lifecycle and keeps one property in its bag.
class Recorder : public host::UserControl {
 public:
  static std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
  }
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int32_t Value() const { return value_; }
  void Value(std::int32_t v) {
    value_ = v;
    PropertyChanged("Value");
  }
  void UserControl_Initialize() override { Log().push_back(Name() + " Initialize"); }
  void UserControl_InitProperties() override { Log().push_back(Name() + " InitProperties"); }
  void UserControl_ReadProperties(host::PropertyBag& bag) override {
    value_ = bag.ReadProperty("Value", std::int32_t{7}).ToLong();
    Log().push_back(Name() + " ReadProperties " + std::to_string(value_));
  }
  void UserControl_WriteProperties(host::PropertyBag& bag) override {
    bag.WriteProperty("Value", value_, std::int32_t{7});
  }

 private:
  std::int32_t value_ = 7;
};

const host::ClassInfo& Recorder::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    auto& i =
        host::TypeRegistry::Instance().Add("QuorinTest.Recorder", &host::UserControlBaseInfo());
    host::ClassBuilder<Recorder>(i)
        .Property("Value", &Recorder::Value, &Recorder::Value)
        .Creatable();
    return i;
  }();
  return info;
}

constexpr const char* kForm = R"(VERSION 5.00
Begin VB.Form Form1
   Caption         =   "Mail"
   ClientHeight    =   3000
   ClientLeft      =   600
   ClientTop       =   450
   ClientWidth     =   4500
   LinkTopic       =   "Form1"
   Begin VB.Label Label1
      Caption         =   "Name:"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name            =   "Arial"
         Size            =   9.75
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   1215
   End
   Begin VB.CommandButton Command1
      Caption         =   "One"
      Height          =   375
      Index           =   0
      Left            =   120
      TabIndex        =   1
      Top             =   600
      Width           =   1215
   End
   Begin VB.CommandButton Command1
      Caption         =   "Two"
      Height          =   375
      Index           =   1
      Left            =   1440
      TabIndex        =   2
      Top             =   600
      Width           =   1215
   End
   Begin VB.Frame Frame1
      Caption         =   "Options"
      Height          =   975
      Left            =   120
      TabIndex        =   3
      Top             =   1080
      Width           =   2535
      Begin VB.Label Label2
         Caption         =   "Inside"   'a child of the frame
         Height          =   255
         Left            =   120
         TabIndex        =   4
         Top             =   240
         Width           =   1215
      End
   End
   Begin VB.PictureBox Picture1
      Height          =   600
      Left            =   2880
      Picture         =   LoadPicture("pic.bmp")
      ScaleHeight     =   540
      ScaleWidth      =   540
      TabIndex        =   5
      Top             =   120
      Width           =   600
   End
   Begin QuorinTest.Recorder Recorder1
      Height          =   495
      Left            =   2880
      TabIndex        =   6
      Tag             =   "hello"
      Top             =   1080
      Value           =   42
      Width           =   1215
   End
   Begin VB.Menu mnuFile
      Caption         =   "&File"
      Tag             =   "CBS"
      Begin VB.Menu mnuExit
         Caption         =   "E&xit"
      End
   End
End
)";

class FormIoTest : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    host::RegisterEngineClasses();
    Recorder::TypeInfo();
    Recorder::Log().clear();
    Put("pic.bmp", formtest::MakeBmp(8, 6, [](int x, int y) { return (x * 30) << 16 | y * 40; }));
  }
  void TearDown() override {
    for (auto& f : forms_) {
      if (f && f->alive()) host::Unload(*f);
    }
    ScratchDir::TearDown();
  }
  LoadedForm Load(const fs::path& path, bool design = false) {
    LoadedForm loaded = host::formio::LoadFormFile(path, design);
    forms_.push_back(loaded.form);
    return loaded;
  }
  static host::Object& Find(VB::Form& form, const std::string& display_name) {
    for (const auto& o : form.Controls()) {
      if (host::SameName(o->DisplayName(), display_name)) return *o;
    }
    throw std::runtime_error("no control " + display_name);
  }
  static std::string Get(host::Object& o, const std::string& key) {
    return host::GetProperty(o, key).ToString();
  }

  desktop::HeadlessDesktop headless_;
  std::vector<std::shared_ptr<VB::Form>> forms_;
};

TEST_F(FormIoTest, LoadsControlsArraysContainersPicturesAndMenus) {
  LoadedForm loaded = Load(Put("Form1.frm", kForm));
  VB::Form& form = *loaded.form;
  EXPECT_EQ(form.Caption(), "Mail");
  EXPECT_EQ(Get(Find(form, "Label1"), "Caption"), "Name:");
  auto font = std::dynamic_pointer_cast<vb::StdFont>(
      host::GetProperty(Find(form, "Label1"), "Font").ToObject());
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Name(), "Arial");
  EXPECT_TRUE(font->Bold());
  EXPECT_EQ(Get(Find(form, "Command1(0)"), "Caption"), "One");
  EXPECT_EQ(Get(Find(form, "Command1(1)"), "Caption"), "Two");
  EXPECT_EQ(Find(form, "Command1(1)").Index(), 1);
  EXPECT_FLOAT_EQ(host::GetProperty(Find(form, "Command1(1)"), "Left").ToSingle(), 1440);

  auto& inside = dynamic_cast<host::Control&>(Find(form, "Label2"));
  ASSERT_NE(inside.container(), nullptr);
  EXPECT_EQ(&inside.container()->ContainerObject(), &Find(form, "Frame1"));

  vb::ObjectRef picture = host::GetProperty(Find(form, "Picture1"), "Picture").ToObject();
  auto pic = std::dynamic_pointer_cast<vb::StdPicture>(picture);
  ASSERT_NE(pic, nullptr);

  auto& recorder = dynamic_cast<Recorder&>(Find(form, "Recorder1"));
  EXPECT_EQ(recorder.Value(), 42);
  EXPECT_EQ(recorder.Extender().Tag(), "hello");

  ASSERT_EQ(form.menus().size(), 1u);
  EXPECT_EQ(form.menus()[0]->Tag(), "CBS");
  ASSERT_EQ(form.menus()[0]->items().size(), 1u);
  EXPECT_EQ(form.menus()[0]->items()[0]->Caption(), "E&xit");

  // The client area is the one the file gives.
  EXPECT_FLOAT_EQ(form.Left(), 600);
  auto [w, h] = std::pair{form.ScaleWidth(), form.ScaleHeight()};
  EXPECT_FLOAT_EQ(w, 4500);
  EXPECT_FLOAT_EQ(h, 3000);
}

TEST_F(FormIoTest, SavingKeepsEverythingAndSavingAgainGivesTheSameBytes) {
  LoadedForm first = Load(Put("Form1.frm", kForm));
  dynamic_cast<VB::Label&>(Find(*first.form, "Label1")).Caption("Changed");
  const fs::path out1 = dir_ / "one" / "Form1.frm";
  fs::create_directories(out1.parent_path());
  host::formio::SaveFormFile(*first.form, out1, &first.file);
  const std::string text1 = Read(out1);
  EXPECT_NE(text1.find("Caption         =   \"Changed\""), std::string::npos) << text1;
  EXPECT_NE(text1.find("Tag             =   \"CBS\""), std::string::npos) << text1;
  EXPECT_NE(text1.find("LinkTopic       =   \"Form1\""), std::string::npos) << text1;
  EXPECT_NE(text1.find("'a child of the frame"), std::string::npos) << text1;
  EXPECT_NE(text1.find("BeginProperty Font"), std::string::npos) << text1;
  EXPECT_NE(text1.find("Size            =   9.75"), std::string::npos) << text1;
  EXPECT_NE(text1.find("Picture         =   \"Form1.frx\":"), std::string::npos) << text1;
  EXPECT_TRUE(fs::exists(dir_ / "one" / "Form1.frx"));

  LoadedForm second = Load(out1);
  EXPECT_EQ(Get(Find(*second.form, "Label1"), "Caption"), "Changed");
  EXPECT_EQ(Get(Find(*second.form, "Command1(1)"), "Caption"), "Two");
  EXPECT_EQ(dynamic_cast<Recorder&>(Find(*second.form, "Recorder1")).Value(), 42);
  EXPECT_NE(host::GetProperty(Find(*second.form, "Picture1"), "Picture").ToObject(), nullptr);
  ASSERT_EQ(second.form->menus().size(), 1u);
  EXPECT_EQ(second.form->menus()[0]->items().size(), 1u);

  const fs::path out2 = dir_ / "two" / "Form1.frm";
  fs::create_directories(out2.parent_path());
  host::formio::SaveFormFile(*second.form, out2, &second.file);
  EXPECT_EQ(Read(out2), text1);
  EXPECT_EQ(Read(dir_ / "two" / "Form1.frx"), Read(dir_ / "one" / "Form1.frx"));
}

TEST_F(FormIoTest, LoadedControlsReadPropertiesAndPlacedOnesInitProperties) {
  LoadedForm loaded = Load(Put("Form1.frm", kForm), /*design=*/true);
  host::CreateControl(*loaded.form, *loaded.form, "QuorinTest.Recorder", "Recorder2", -1, nullptr,
                      {120, 600, 1500, 900});
  EXPECT_EQ(Recorder::Log(),
            (std::vector<std::string>{"Recorder1 Initialize", "Recorder1 ReadProperties 42",
                                      "Recorder2 Initialize", "Recorder2 InitProperties"}));

  // Saved and opened again, both read their properties; nothing initializes anew.
  const fs::path out = dir_ / "saved.frm";
  host::formio::SaveFormFile(*loaded.form, out, &loaded.file);
  Recorder::Log().clear();
  LoadedForm back = Load(out);
  EXPECT_EQ(Recorder::Log(),
            (std::vector<std::string>{"Recorder1 Initialize", "Recorder1 ReadProperties 42",
                                      "Recorder2 Initialize", "Recorder2 ReadProperties 7"}));
  // The placed control keeps its place and size.
  auto& placed = dynamic_cast<host::Control&>(Find(*back.form, "Recorder2"));
  EXPECT_FLOAT_EQ(placed.left_twips(), 120);
  EXPECT_FLOAT_EQ(placed.top_twips(), 600);
  EXPECT_FLOAT_EQ(placed.width_twips(), 1500);
  EXPECT_FLOAT_EQ(placed.height_twips(), 900);
}

TEST_F(FormIoTest, FormMadeInMemorySavesAndLoads) {
  auto form = host::NewForm("Main");
  forms_.push_back(form);
  form->Caption("Fresh");
  auto button = form->Add<VB::CommandButton>("Go", {240, 240, 1200, 360});
  button->Caption("Go!");
  form->AddMenu("mnuHelp", "&Help");
  const fs::path out = dir_ / "Main.frm";
  host::formio::SaveFormFile(*form, out);
  LoadedForm back = Load(out);
  EXPECT_EQ(back.form->Name(), "Main");
  EXPECT_EQ(back.form->Caption(), "Fresh");
  EXPECT_EQ(Get(Find(*back.form, "Go"), "Caption"), "Go!");
  EXPECT_FLOAT_EQ(host::GetProperty(Find(*back.form, "Go"), "Width").ToSingle(), 1200);
  ASSERT_EQ(back.form->menus().size(), 1u);
  EXPECT_EQ(back.form->menus()[0]->Caption(), "&Help");
}

// Every damaged form is refused as a whole with its file, line and reason, and leaves the
// error sink as it was.
TEST_F(FormIoTest, DamagedFormsAreRefusedWithFileAndLine) {
  struct Case {
    const char* body;  // lines after "Begin VB.Form Form1" (line 2)
    int line;
    const char* reason;
  };
  const Case cases[] = {
      {"   Begin VB.Nothing X\n   End\n", 3, "unknown class"},
      {"   Begin VB.Label L\n      Begin VB.Label M\n      End\n   End\n", 4,
       "cannot hold controls"},
      {"   Begin VB.Menu m\n      Begin VB.Label L\n      End\n   End\n", 4,
       "cannot be inside a menu"},
      {"   Begin VB.Frame F\n      Begin VB.Menu m\n      End\n   End\n", 4, "menu m"},
      {"   Begin VB.Label L\n      Left = \"far\"\n   End\n", 4, "Left must be a number"},
      {"   Begin VB.Label L\n      Caption = \"ok\"\n      BackColor = \"red\"\n   End\n", 5,
       "BackColor"},
      {"   Begin VB.Label L\n   End\n   Begin VB.Label L\n   End\n", 5, ""},
      {"   Begin VB.Label L\n      Width = 1E+30\n   End\n", 4, "Width is out of range"},
      {"   ClientWidth = -5000\n", 3, "ClientWidth: Invalid property value"},
      {"   ClientLeft = \"x\"\n", 3, "ClientLeft must be a number"},
  };
  host::RecordingErrorSink outer;
  host::SetErrorSink(&outer);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    const fs::path path =
        Put("Bad.frm", std::string("VERSION 5.00\nBegin VB.Form Form1\n") + c.body + "End\n");
    formtest::ExpectRefused([&] { host::formio::LoadFormFile(path); }, path.string(), c.line,
                            c.reason);
    EXPECT_EQ(host::GetErrorSink(), &outer);
  }
  host::SetErrorSink(nullptr);
  EXPECT_TRUE(outer.reports.empty());
}

}  // namespace
