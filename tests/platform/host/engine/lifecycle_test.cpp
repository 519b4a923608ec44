#include "tests/platform/host/engine/engine_fixture.h"

#include "platform/vb/error.h"

namespace host_test {
namespace {

using Lifecycle = EngineTest;

TEST_F(Lifecycle, NewAndStoredInstancesRunTheirOwnOrder) {
  host::PropertyBag stored;
  stored.Put("Caption", "Saved");
  struct Case {
    const char* name;
    const host::PropertyBag* stored;
    Log expected;
  };
  const Case cases[] = {
      {"new instance",
       nullptr,
       {"UserControl_Initialize", "UserControl_InitProperties", "UserControl_Resize",
        "UserControl_Show", "UserControl_Hide", "UserControl_Terminate"}},
      {"stored instance",
       &stored,
       {"UserControl_Initialize", "UserControl_ReadProperties", "UserControl_Resize",
        "UserControl_Show", "UserControl_Hide", "UserControl_Terminate"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log_.clear();
    auto form = host::NewForm("Lifecycle");
    auto probe = std::make_shared<Probe>();
    probe->SetName("Probe1");
    probe->log = &log_;
    host::Place(*form, *form, probe, c.stored, {0, 0, 1500, 900});
    form->Show();
    host::Unload(*form);
    EXPECT_EQ(log_, c.expected);
    EXPECT_FALSE(probe->alive());
  }
}

TEST_F(Lifecycle, ExtenderAndAmbientAreNotAvailableInsideInitialize) {
  auto probe = PlaceProbe("Probe1");
  EXPECT_EQ(probe->extender_error, vb::kObjectNotSet);
  EXPECT_EQ(probe->ambient_error, vb::kObjectNotSet);
  // Once sited both answer.
  EXPECT_EQ(probe->Extender().Name(), "Probe1");
  EXPECT_EQ(probe->Ambient().DisplayName(), "Probe1");
  EXPECT_TRUE(probe->Ambient().UserMode());
}

TEST_F(Lifecycle, ResizeRunsWhenTheContainerChangesTheSize) {
  auto probe = PlaceProbe("Probe1");
  log_.clear();
  probe->Extender().Width(3000);
  probe->Extender().Left(300);  // a move alone is no resize
  EXPECT_EQ(log_, (Log{"UserControl_Resize"}));
  EXPECT_FLOAT_EQ(probe->Width(), 3000);
  win32::RECT r;
  win32::GetWindowRect(probe->hWnd(), &r);
  EXPECT_EQ(r.right - r.left, 200);  // 3000 twips at 15 twips a pixel
}

TEST_F(Lifecycle, ExtenderContainerIsTheHoldingObjectItself) {
  auto frame = form_->Add<VB::Frame>("Frame1", {0, 0, 3000, 2000});
  auto on_form = PlaceProbe("OnForm");
  auto in_frame = std::make_shared<Probe>();
  in_frame->SetName("InFrame");
  host::Place(*frame, *form_, in_frame, nullptr, {100, 300, 1500, 900});
  EXPECT_EQ(on_form->Extender().Container().get(), form_.get());
  EXPECT_EQ(in_frame->Extender().Container().get(), frame.get());
  EXPECT_EQ(in_frame->Parent().get(), form_.get());
  // The frame's control is still one of the form's Controls.
  bool listed = false;
  for (const auto& o : form_->Controls()) listed = listed || o == in_frame;
  EXPECT_TRUE(listed);
  EXPECT_EQ(in_frame->Path(), "Form1.InFrame");
}

// A probe that declares itself alignable.
class DockedProbe : public Probe {
 public:
  static const host::ClassInfo& TypeInfo() {
    static host::ClassInfo& info = []() -> host::ClassInfo& {
      host::ClassInfo& i =
          host::TypeRegistry::Instance().Add("QuorinTest.DockedProbe", &Probe::TypeInfo());
      i.alignable = true;
      return i;
    }();
    return info;
  }
  const host::ClassInfo& Class() const override { return TypeInfo(); }
};

TEST_F(Lifecycle, AnAlignableControlDocksToTheEdgeItIsGiven) {
  auto docked = std::make_shared<DockedProbe>();
  docked->SetName("Docked");
  host::Place(*form_, *form_, docked, nullptr, {300, 300, 1500, 600});
  docked->Extender().Align(2);
  EXPECT_FLOAT_EQ(docked->Left(), 0);
  EXPECT_FLOAT_EQ(docked->Width(), form_->ScaleWidth());
  EXPECT_FLOAT_EQ(docked->Top() + docked->Height(), form_->ScaleHeight());
  form_->Height(form_->Height() + 1500);
  EXPECT_FLOAT_EQ(docked->Top() + docked->Height(), form_->ScaleHeight());
  auto plain = PlaceProbe("Plain");
  EXPECT_THROW(plain->Extender().Align(1), vb::Error);
}

TEST_F(Lifecycle, PropertyChangedMarksTheInstanceDirtyUntilSaved) {
  auto probe = PlaceProbe("Probe1");
  EXPECT_FALSE(probe->dirty());
  probe->Caption("Changed");
  EXPECT_TRUE(probe->dirty());
  EXPECT_TRUE(probe->changed_properties().count("Caption"));
  host::PropertyBag bag;
  probe->RunWriteProperties(bag);
  EXPECT_FALSE(probe->dirty());
  EXPECT_EQ(bag.ReadProperty("Caption", "").ToString(), "Changed");
}

TEST_F(Lifecycle, ControlsPlacedOnAFormAreListedInOrderWithItsMenus) {
  auto first = PlaceProbe("First");
  auto menu = form_->AddMenu("mnuFile", "&File");
  auto label = form_->Add<VB::Label>("Label1");
  std::vector<std::string> names;
  for (const auto& o : form_->Controls()) names.push_back(o->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"First", "mnuFile", "Label1"}));
  EXPECT_EQ(form_->Controls().Count(), 3);
}

}  // namespace
}  // namespace host_test
