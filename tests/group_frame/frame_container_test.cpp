// The group frame as a container, and kept apart from the engine's own VB.Frame.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "group_frame/frame.h"
#include "library/library.h"
#include "option_button/radio_button.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "tests/platform/host/form_test_support.h"

namespace {

class FrameContainer : public formtest::ScratchDir {
 protected:
  FrameContainer() {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
  }
  void TearDown() override {
    for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms())) {
      if (f->alive()) host::Unload(*f);
    }
    formtest::ScratchDir::TearDown();
  }
  desktop::HeadlessDesktop headless_;
};

TEST_F(FrameContainer, ControlsInsideMoveWithTheFrameAndTabSkipsIt) {
  auto form = host::NewForm("Form1");
  form->Move(1500, 1500, 6000, 4500);
  auto frame = form->Add<quorin::Frame>("Frame1", {300, 300, 2400, 1500});
  auto inner1 = form->Add<quorin::RadioButton>("Option1", {12, 24, 120, 20}, nullptr, frame.get());
  auto inner2 = form->Add<quorin::RadioButton>("Option2", {12, 54, 120, 20}, nullptr, frame.get());
  auto outer = form->Add<quorin::RadioButton>("Option3", {3000, 300, 1800, 300});
  inner1->Extender().TabIndex(1);
  inner2->Extender().TabIndex(2);
  outer->Extender().TabIndex(3);
  frame->Extender().TabIndex(4);  // after the buttons inside it
  form->Show();
  headless_.Run();
  EXPECT_EQ(host::GetProperty(*inner1, "Container").ToObject().get(), frame.get());

  const win32::POINT before = inner1->ScreenOrigin();
  frame->Extender().Move(600, 450, {}, {});
  const win32::POINT after = inner1->ScreenOrigin();
  EXPECT_EQ(after.x - before.x, 20);
  EXPECT_EQ(after.y - before.y, 10);

  // The frame takes no focus: Tab goes round the three buttons, each once.
  outer->Extender().SetFocus();
  std::vector<std::string> focused;
  auto note = [&] {
    for (const auto& r : {inner1, inner2, outer}) {
      if (win32::GetFocus() == r->p->hWnd()) focused.push_back(r->Name());
    }
  };
  for (int i = 0; i < 4; ++i) headless_.robot().Key(win32::VK_TAB).Do("focus", note);
  headless_.Run();
  ASSERT_EQ(focused.size(), 4u);
  EXPECT_EQ(std::set<std::string>(focused.begin(), focused.begin() + 3).size(), 3u)
      << ::testing::PrintToString(focused);
  EXPECT_EQ(focused[3], focused[0]);
  // Backwards likewise.
  focused.clear();
  for (int i = 0; i < 3; ++i) {
    headless_.robot().KeyDown(win32::VK_SHIFT).Key(win32::VK_TAB).KeyUp(win32::VK_SHIFT);
    headless_.robot().Do("focus", note);
  }
  headless_.Run();
  EXPECT_EQ(std::set<std::string>(focused.begin(), focused.end()).size(), 3u)
      << ::testing::PrintToString(focused);
}

TEST_F(FrameContainer, ShortNamesMeanTheEnginesOwnClasses) {
  auto& registry = host::TypeRegistry::Instance();
  EXPECT_EQ(registry.Find("Frame"), &VB::Frame::TypeInfo());
  EXPECT_EQ(registry.Find("frame"), &VB::Frame::TypeInfo());
  EXPECT_EQ(registry.Find("QuorinSkinForVB6.Frame"), &quorin::Frame::TypeInfo());
  EXPECT_EQ(registry.Find("CommandButton")->full_name(), "VB.CommandButton");
  EXPECT_EQ(registry.Find("RadioButton"), &quorin::RadioButton::TypeInfo());  // only one

  auto form = host::NewForm("Form1");
  auto ours = form->Add<quorin::Frame>("Frame1", {0, 0, 1500, 1500});
  auto engines = form->Add<VB::Frame>("Frame2", {1500, 0, 1500, 1500});
  struct Case {
    host::Control* object;
    const char* name;
    bool is;
  };
  const Case cases[] = {
      {ours.get(), "QuorinSkinForVB6.Frame", true},
      {ours.get(), "Frame", false},
      {ours.get(), "VB.Frame", false},
      {ours.get(), "UserControl", true},
      {engines.get(), "Frame", true},
      {engines.get(), "VB.Frame", true},
      {engines.get(), "QuorinSkinForVB6.Frame", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(host::IsKindOf(c.object, c.name), c.is) << c.object->Name() << " " << c.name;
  }
}

// Both frames in one form file, each holding an option button and a label.
constexpr const char* kBothFrames =
    "VERSION 5.00\r\n"
    "Begin VB.Form Form1\r\n"
    "   Caption         =   \"Frames\"\r\n"
    "   ClientHeight    =   3600\r\n"
    "   ClientLeft      =   600\r\n"
    "   ClientTop       =   450\r\n"
    "   ClientWidth     =   6000\r\n"
    "   Begin QuorinSkinForVB6.Frame Frame1\r\n"
    "      Height          =   1800\r\n"
    "      Left            =   120\r\n"
    "      Top             =   120\r\n"
    "      Width           =   2700\r\n"
    "      Caption         =   \"Ours\"\r\n"
    "      Begin QuorinSkinForVB6.RadioButton Option1\r\n"
    "         Height          =   20\r\n"
    "         Left            =   12\r\n"
    "         Top             =   30\r\n"
    "         Width           =   120\r\n"
    "         Value           =   -1  'True\r\n"
    "      End\r\n"
    "      Begin VB.Label Label1\r\n"
    "         Caption         =   \"in ours\"\r\n"
    "         Height          =   20\r\n"
    "         Left            =   12\r\n"
    "         Top             =   60\r\n"
    "         Width           =   120\r\n"
    "      End\r\n"
    "   End\r\n"
    "   Begin VB.Frame Frame2\r\n"
    "      Caption         =   \"Engine's\"\r\n"
    "      Height          =   1800\r\n"
    "      Left            =   3000\r\n"
    "      Top             =   120\r\n"
    "      Width           =   2700\r\n"
    "      Begin QuorinSkinForVB6.RadioButton Option2\r\n"
    "         Height          =   300\r\n"
    "         Left            =   120\r\n"
    "         Top             =   360\r\n"
    "         Width           =   1800\r\n"
    "         Value           =   -1  'True\r\n"
    "      End\r\n"
    "   End\r\n"
    "End\r\n";

TEST_F(FrameContainer, FormFilesKeepBothFramesApartAndTheirGroupsSeparate) {
  auto loaded = host::formio::LoadFormFile(Put("Form1.frm", kBothFrames), false);
  VB::Form& form = *loaded.form;
  auto find = [&](const std::string& name) -> host::Object& {
    for (const auto& o : form.Controls().items()) {
      if (o->Name() == name) return *o;
    }
    throw std::runtime_error("no " + name);
  };
  EXPECT_EQ(find("Frame1").Class().full_name(), "QuorinSkinForVB6.Frame");
  EXPECT_EQ(find("Frame2").Class().full_name(), "VB.Frame");
  EXPECT_EQ(host::GetProperty(find("Option1"), "Container").ToObject().get(), &find("Frame1"));
  EXPECT_EQ(host::GetProperty(find("Label1"), "Container").ToObject().get(), &find("Frame1"));
  EXPECT_EQ(host::GetProperty(find("Option2"), "Container").ToObject().get(), &find("Frame2"));
  EXPECT_EQ(host::GetProperty(find("Frame1"), "Caption").ToString(), "Ours");
  // Both selected: each sits in its own container, so selecting one leaves the other.
  auto& option1 = dynamic_cast<quorin::RadioButton&>(find("Option1"));
  auto& option2 = dynamic_cast<quorin::RadioButton&>(find("Option2"));
  option2.Value(false);
  option2.UserControl_Click();
  EXPECT_TRUE(option1.Value());
  EXPECT_TRUE(option2.Value());

  host::formio::SaveFormFile(form, dir_ / "Saved.frm", &loaded.file);
  const std::string saved = Read(dir_ / "Saved.frm");
  EXPECT_NE(saved.find("Begin QuorinSkinForVB6.Frame Frame1"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Begin VB.Frame Frame2"), std::string::npos) << saved;
  auto again = host::formio::LoadFormFile(dir_ / "Saved.frm", false);
  host::formio::SaveFormFile(*again.form, dir_ / "Saved2.frm", &again.file);
  EXPECT_EQ(saved, Read(dir_ / "Saved2.frm"));
}

}  // namespace
