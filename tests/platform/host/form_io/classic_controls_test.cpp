// The intrinsic option button, list box, shape and scroll bars, loaded from a form file in the
// designer's bytes: their values, grouping, events and saving; classes the engine lacks are
// refused by name.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/elements/list_box.h"
#include "platform/host/elements/option_button.h"
#include "platform/host/elements/scroll_bar.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/win/user32.h"
#include "tests/platform/host/form_test_support.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kForm =
    "VERSION 5.00\r\n"
    "Begin VB.Form frmPick \r\n"
    "   Caption         =   \"Pick\"\r\n"
    "   ClientHeight    =   3000\r\n"
    "   ClientLeft      =   60\r\n"
    "   ClientTop       =   345\r\n"
    "   ClientWidth     =   4500\r\n"
    "   Begin VB.Frame fraA \r\n"
    "      Caption         =   \"A\"\r\n"
    "      Height          =   1095\r\n"
    "      Left            =   120\r\n"
    "      TabIndex        =   0\r\n"
    "      Top             =   120\r\n"
    "      Width           =   1935\r\n"
    "      Begin VB.OptionButton optA \r\n"
    "         Caption         =   \"One\"\r\n"
    "         Height          =   255\r\n"
    "         Index           =   0\r\n"
    "         Left            =   120\r\n"
    "         TabIndex        =   1\r\n"
    "         Top             =   240\r\n"
    "         Value           =   -1  'True\r\n"
    "         Width           =   1575\r\n"
    "      End\r\n"
    "      Begin VB.OptionButton optA \r\n"
    "         Caption         =   \"Two\"\r\n"
    "         Height          =   255\r\n"
    "         Index           =   1\r\n"
    "         Left            =   120\r\n"
    "         TabIndex        =   2\r\n"
    "         Top             =   600\r\n"
    "         Width           =   1575\r\n"
    "      End\r\n"
    "   End\r\n"
    "   Begin VB.OptionButton optB \r\n"
    "      Caption         =   \"Outside\"\r\n"
    "      Height          =   255\r\n"
    "      Left            =   120\r\n"
    "      TabIndex        =   3\r\n"
    "      Top             =   1320\r\n"
    "      Value           =   -1  'True\r\n"
    "      Width           =   1575\r\n"
    "   End\r\n"
    "   Begin VB.ListBox lstNames \r\n"
    "      Height          =   1035\r\n"
    "      Left            =   2280\r\n"
    "      TabIndex        =   4\r\n"
    "      Top             =   120\r\n"
    "      Width           =   1935\r\n"
    "   End\r\n"
    "   Begin VB.HScrollBar hsbLevel \r\n"
    "      Height          =   255\r\n"
    "      LargeChange     =   10\r\n"
    "      Left            =   120\r\n"
    "      Max             =   100\r\n"
    "      TabIndex        =   5\r\n"
    "      Top             =   1800\r\n"
    "      Value           =   30\r\n"
    "      Width           =   4095\r\n"
    "   End\r\n"
    "   Begin VB.VScrollBar vsbBack \r\n"
    "      Height          =   975\r\n"
    "      Left            =   4200\r\n"
    "      Max             =   -10\r\n"
    "      Min             =   10\r\n"
    "      TabIndex        =   6\r\n"
    "      Top             =   120\r\n"
    "      Width           =   255\r\n"
    "   End\r\n"
    "   Begin VB.Shape shpLamp \r\n"
    "      BackColor       =   &H0000FF00&\r\n"
    "      BackStyle       =   1  'Opaque\r\n"
    "      Height          =   615\r\n"
    "      Left            =   2280\r\n"
    "      Shape           =   3  'Circle\r\n"
    "      Top             =   2280\r\n"
    "      Width           =   615\r\n"
    "   End\r\n"
    "End\r\n";

class ClassicControls : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    host::RegisterEngineClasses();
    host::SetErrorSink(&sink_);
  }
  void TearDown() override {
    if (form_ && form_->alive()) host::Unload(*form_);
    host::SetErrorSink(nullptr);
    ScratchDir::TearDown();
  }
  template <typename T>
  T& Find(const std::string& name) {
    for (const auto& o : form_->Controls()) {
      if (host::SameName(o->DisplayName(), name)) return dynamic_cast<T&>(*o);
    }
    throw std::runtime_error("no control " + name);
  }
  struct Sink : host::ErrorSink {
    void Report(const host::ErrorReport& r) override { reports.push_back(r.Format()); }
    std::vector<std::string> reports;
  };

  desktop::HeadlessDesktop headless_;
  Sink sink_;
  std::shared_ptr<VB::Form> form_;
};

TEST_F(ClassicControls, LoadGroupListScrollAndSaveBack) {
  const fs::path path = Put("Pick.frm", std::string(kForm));
  host::formio::LoadedForm loaded = host::formio::LoadFormFile(path);
  form_ = loaded.form;
  form_->Show();
  std::vector<std::string> events;
  auto& one = Find<VB::OptionButton>("optA(0)");
  auto& two = Find<VB::OptionButton>("optA(1)");
  auto& outside = Find<VB::OptionButton>("optB");
  // One in the frame and one on the form: two groups, both chosen as the file says.
  EXPECT_TRUE(one.Value());
  EXPECT_TRUE(outside.Value());
  two.Click.Connect([&] { events.push_back("two"); });
  two.Value(true);
  EXPECT_FALSE(one.Value());
  EXPECT_TRUE(outside.Value());  // another container, another group
  EXPECT_EQ(events, std::vector<std::string>{"two"});

  auto& list = Find<VB::ListBox>("lstNames");
  host::CallMethod(list, "AddItem", {vb::Variant(std::string("Zoe"))});
  host::CallMethod(list, "AddItem", {vb::Variant(std::string("Adam")), vb::Variant(0)});
  list.ItemData(1, 42);
  list.Click.Connect([&] { events.push_back("list"); });
  list.ListIndex(1);
  EXPECT_EQ(list.Text(), "Zoe");
  EXPECT_EQ(events.back(), "list");
  EXPECT_THROW(list.ListIndex(2), vb::Error);

  auto& level = Find<VB::HScrollBar>("hsbLevel");
  EXPECT_EQ(level.Value(), 30);
  level.Change.Connect([&] { events.push_back("change"); });
  level.Value(100);
  EXPECT_EQ(events.back(), "change");
  EXPECT_THROW(level.Value(101), vb::Error);
  // Min above Max: the range runs backwards and keys move toward Max.
  auto& back = Find<VB::VScrollBar>("vsbBack");
  EXPECT_EQ(back.Value(), 0);
  std::int16_t down = win32::VK_DOWN, shift = 0;
  back.OnKeyDown(down, shift);
  EXPECT_EQ(back.Value(), -1);
  EXPECT_TRUE(sink_.reports.empty()) << sink_.reports[0];

  // Saved, the changed values and the list's items and item data come back.
  const fs::path saved = dir_ / "saved" / "Pick.frm";
  fs::create_directories(saved.parent_path());
  host::formio::SaveFormFile(*form_, saved, &loaded.file);
  host::Unload(*form_);
  form_ = host::formio::LoadFormFile(saved).form;
  EXPECT_TRUE(Find<VB::OptionButton>("optA(1)").Value());
  EXPECT_FALSE(Find<VB::OptionButton>("optA(0)").Value());
  EXPECT_EQ(Find<VB::ListBox>("lstNames").Items(), (std::vector<std::string>{"Adam", "Zoe"}));
  EXPECT_EQ(Find<VB::ListBox>("lstNames").ItemData(1), 42);
  EXPECT_EQ(Find<VB::VScrollBar>("vsbBack").Value(), -1);
  EXPECT_EQ(host::GetProperty(Find<host::Object>("shpLamp"), "Shape").ToLong(), 3);
}

// The mouse on a scroll bar: the arrows step by SmallChange, the track by LargeChange, and
// the dragged thumb raises Scroll while it moves and Change once when let go.
TEST_F(ClassicControls, ScrollBarFollowsTheMouse) {
  form_ = host::formio::LoadFormFile(Put("Pick.frm", std::string(kForm))).form;
  form_->Show();
  auto& level = Find<VB::HScrollBar>("hsbLevel");
  std::vector<std::string> events;
  level.Change.Connect([&] { events.push_back("Change " + std::to_string(level.Value())); });
  level.Scroll.Connect([&] { events.push_back("Scroll"); });
  // 273 x 17 pixels: arrows of 17, a thumb of 17 on a travel of 222 for the range 0 to 100.
  win32::RECT r;
  win32::GetWindowRect(level.hWnd(), &r);
  ASSERT_EQ(r.right - r.left, 273);
  const int y = (r.top + r.bottom) / 2;
  headless_.robot().Click(r.left + 5, y);    // left arrow: 30 - 1
  headless_.robot().Click(r.right - 5, y);   // right arrow: 29 + 1
  headless_.robot().Click(r.right - 30, y);  // track after the thumb: 30 + 10
  const int thumb = r.left + 17 + 222 * 40 / 100 + 8;
  headless_.robot().Drag(thumb, y, thumb + 111, y);  // half the travel: 40 + 50
  headless_.Run();
  ASSERT_GE(events.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 3),
            (std::vector<std::string>{"Change 29", "Change 30", "Change 40"}));
  EXPECT_EQ(events[3], "Scroll");
  EXPECT_EQ(events.back(), "Change 90");
  EXPECT_EQ(level.Value(), 90);
}

// ItemData that is not a number refuses the file at its line.
TEST_F(ClassicControls, BadItemDataIsRefusedAtItsLine) {
  const std::uint8_t entries[] = {1, 0, 1, 0, 1, 0, 'x',  // ItemData "x"
                                  1, 0, 1, 0, 1, 0, 'A'};
  Put("Bad.frx", std::vector<std::uint8_t>(std::begin(entries), std::end(entries)));
  const fs::path path = Put("Bad.frm",
                            "VERSION 5.00\r\nBegin VB.Form frmBad \r\n"
                            "   Begin VB.ListBox lst \r\n"
                            "      ItemData        =   \"Bad.frx\":0000\r\n"
                            "      List            =   \"Bad.frx\":0007\r\n   End\r\nEnd\r\n");
  try {
    host::formio::LoadFormFile(path);
    FAIL() << "loaded ItemData that is no number";
  } catch (const vb::Error& e) {
    EXPECT_NE(e.Detail().find("Bad.frm:4: ItemData"), std::string::npos) << e.Detail();
  }
}

// A class the engine does not have is refused, named, at its line.
TEST_F(ClassicControls, UnknownClassesAreRefusedByName) {
  const fs::path path = Put("Drive.frm",
                            "VERSION 5.00\r\nBegin VB.Form frmDrive \r\n"
                            "   Begin VB.DriveListBox drvPick \r\n"
                            "      Height          =   315\r\n   End\r\nEnd\r\n");
  try {
    host::formio::LoadFormFile(path);
    FAIL() << "loaded a form with an unknown class";
  } catch (const vb::Error& e) {
    EXPECT_NE(e.Detail().find("Drive.frm:3: unknown class VB.DriveListBox"), std::string::npos)
        << e.Detail();
  }
}

}  // namespace
