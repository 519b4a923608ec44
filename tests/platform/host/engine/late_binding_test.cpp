#include "platform/host/types/late_binding.h"

#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/vb/error.h"
#include "tests/platform/host/engine/engine_fixture.h"

namespace host_test {
namespace {

using LateBinding = EngineTest;

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const vb::Error& e) {
    return e.Number();
  }
  return 0;
}

TEST_F(LateBinding, MembersAreFoundByNameWithoutRegardToCase) {
  auto probe = PlaceProbe("Probe1");
  host::LetProperty(*probe, "caption", "Hello");
  EXPECT_EQ(probe->Caption(), "Hello");
  EXPECT_EQ(host::GetProperty(*probe, "CAPTION").ToString(), "Hello");
  // Extender members answer through the control too.
  host::LetProperty(*probe, "Left", 450);
  EXPECT_FLOAT_EQ(probe->Left(), 450);
  EXPECT_EQ(host::GetProperty(*probe, "name").ToString(), "Probe1");
  // Methods with optional arguments take their defaults.
  EXPECT_EQ(host::CallMethod(*probe, "add", {vb::Variant(std::int32_t{1})}).ToLong(), 11);
  EXPECT_EQ(host::CallMethod(*probe, "Add", {std::int32_t{1}, std::int32_t{2}}).ToLong(), 3);
}

TEST_F(LateBinding, IndexedPropertiesTakeTheirArguments) {
  auto probe = PlaceProbe("Probe1");
  const vb::Variant three[] = {vb::Variant(std::int16_t{3})};
  EXPECT_EQ(host::GetProperty(*probe, "item", three).ToString(), "item3");
  EXPECT_EQ(host::GetProperty(*probe, "Item").ToString(), "item7");  // the optional index
  host::LetProperty(*probe, "Item", three, vb::Variant("x"));
  EXPECT_EQ(probe->Caption(), "x3");
  // A get with arguments of a method calls it.
  const vb::Variant one[] = {vb::Variant(std::int32_t{1})};
  EXPECT_EQ(host::GetProperty(*probe, "Add", one).ToLong(), 11);
  const vb::Variant two[] = {vb::Variant(std::int16_t{1}), vb::Variant(std::int16_t{2})};
  EXPECT_EQ(ErrorOf([&] { host::GetProperty(*probe, "Item", two); }), 450);
  EXPECT_EQ(ErrorOf([&] { host::LetProperty(*probe, "Caption", three, vb::Variant("y")); }), 450);
  const vb::Variant word[] = {vb::Variant("abc")};
  EXPECT_EQ(ErrorOf([&] { host::GetProperty(*probe, "Item", word); }), 13);
  EXPECT_TRUE(host::TakesArguments(*probe, "Item"));
  EXPECT_TRUE(host::TakesArguments(*probe, "Add"));
  EXPECT_FALSE(host::TakesArguments(*probe, "Caption"));
}

TEST_F(LateBinding, FailuresHaveTheEngineNumbers) {
  auto probe = PlaceProbe("Probe1");
  auto label = form_->Add<VB::Label>("Label1");
  struct Case {
    const char* name;
    std::function<void()> access;
    int number;
  };
  const Case cases[] = {
      {"unknown property", [&] { host::GetProperty(*probe, "NoSuchThing"); }, 438},
      {"unknown method", [&] { host::CallMethod(*probe, "Frobnicate"); }, 438},
      {"let of a get-only property", [&] { host::LetProperty(*label, "Name", "x"); }, 438},
      {"a string where a number goes", [&] { host::LetProperty(*probe, "Value", "abc"); }, 13},
      {"an integer that overflows",
       [&] { host::LetProperty(*probe, "Value", std::int32_t{70000}); }, 6},
      {"a required argument left out", [&] { host::CallMethod(*probe, "Add"); }, 449},
      {"too many arguments",
       [&] {
         host::CallMethod(*probe, "Add", {1, 2, 3});
       },
       450},
      {"an object where a font goes", [&] { host::SetProperty(*label, "Font", probe); }, 13},
      {"Nothing as an object", [&] { host::AsObject(vb::Variant()); }, 91},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.access), c.number);
  }
}

TEST_F(LateBinding, ObjectPropertiesAreSetByReference) {
  auto label = form_->Add<VB::Label>("Label1");
  auto font = std::make_shared<vb::StdFont>("Arial", 12);
  host::SetProperty(*label, "Font", font);
  EXPECT_EQ(label->Font(), font);
  font->Size(20);
  EXPECT_FLOAT_EQ(host::GetProperty(*label, "FontSize").ToSingle(), 20);
}

TEST_F(LateBinding, TypeOfTestsUseFullAndShortNames) {
  auto probe = PlaceProbe("Probe1");
  auto label = form_->Add<VB::Label>("Label1");
  EXPECT_TRUE(host::IsKindOf(probe, "QuorinTest.Probe"));
  EXPECT_TRUE(host::IsKindOf(probe, "probe"));
  EXPECT_TRUE(host::IsKindOf(probe, "VB.UserControl"));
  EXPECT_FALSE(host::IsKindOf(label, "QuorinTest.Probe"));
  EXPECT_TRUE(host::IsKindOf(label, "VB.Label"));
  EXPECT_FALSE(host::IsKindOf(nullptr, "VB.Label"));
  EXPECT_EQ(host::TypeName(label.get()), "Label");
}

TEST_F(LateBinding, TheParentFormIsReachableByName) {
  auto probe = PlaceProbe("Probe1");
  host::Object& parent = host::AsObject(vb::Variant(probe->Parent()));
  host::LetProperty(parent, "Caption", "Renamed");
  EXPECT_EQ(form_->Caption(), "Renamed");
  host::Object& controls = host::AsObject(host::GetProperty(parent, "Controls"));
  EXPECT_EQ(host::GetProperty(controls, "Count").ToLong(), 1);
  vb::Variant first = host::CallMethod(controls, "Item", {std::int32_t{0}});
  EXPECT_EQ(first.ToObject(), probe);
  EXPECT_EQ(host::GetProperty(parent, "Probe1").ToObject(), probe);
  EXPECT_EQ(ErrorOf([&] { host::CallMethod(controls, "Item", {std::int32_t{5}}); }), 9);
}

TEST_F(LateBinding, AWalkOfTheParentsControlsFindsSiblingsInTheSameContainer) {
  auto frame = form_->Add<VB::Frame>("Frame1", {0, 1500, 3000, 2000});
  auto a = PlaceProbe("A");
  auto b = PlaceProbe("B");
  auto inside = std::make_shared<Probe>();
  inside->SetName("Inside");
  host::Place(*frame, *form_, inside, nullptr, {100, 300, 1500, 900});
  form_->Add<VB::Label>("Label1");
  // What an option button does: every Probe of the parent whose Container is its own.
  auto siblings_of = [](Probe& self) {
    std::vector<std::string> names;
    host::Object& parent = host::AsObject(vb::Variant(self.Parent()));
    host::Object& controls = host::AsObject(host::GetProperty(parent, "Controls"));
    std::int32_t count = host::GetProperty(controls, "Count").ToLong();
    for (std::int32_t i = 0; i < count; ++i) {
      vb::ObjectRef member = host::CallMethod(controls, "Item", {i}).ToObject();
      if (!host::IsKindOf(member, "QuorinTest.Probe")) continue;
      vb::ObjectRef container =
          host::GetProperty(host::AsObject(vb::Variant(member)), "Container").ToObject();
      if (container != self.Extender().Container()) continue;
      names.push_back(static_cast<host::Object&>(*member).Name());
    }
    return names;
  };
  EXPECT_EQ(siblings_of(*a), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(siblings_of(*inside), (std::vector<std::string>{"Inside"}));
}

TEST_F(LateBinding, TheRegistryKnowsEveryEngineClassAndMakesThemByName) {
  for (const char* name :
       {"VB.Form", "VB.Menu", "VB.Label", "VB.Image", "VB.PictureBox", "VB.Timer", "VB.Line",
        "VB.TextBox", "VB.CheckBox", "VB.ComboBox", "VB.CommandButton", "VB.Frame"}) {
    SCOPED_TRACE(name);
    const host::ClassInfo* info = host::TypeRegistry::Instance().Find(name);
    ASSERT_NE(info, nullptr);
  }
  auto made = host::CreateControl(*form_, *form_, "VB.Label", "Made");
  EXPECT_TRUE(host::IsKindOf(made, "VB.Label"));
  auto probe = host::CreateControl(*form_, *form_, "QuorinTest.Probe", "ByName");
  EXPECT_TRUE(host::IsKindOf(probe, "QuorinTest.Probe"));
  EXPECT_EQ(ErrorOf([&] { host::CreateControl(*form_, *form_, "VB.Nothing", "X"); }), 438);
  const host::ClassInfo& info = Probe::TypeInfo();
  ASSERT_NE(info.FindEvent("changed"), nullptr);
  EXPECT_TRUE(info.FindEvent("Changed")->params[0].by_ref);
  ASSERT_NE(info.FindEnum("ProbeKind"), nullptr);
  EXPECT_EQ(info.FindEnum("ProbeKind")->members[1].second, 2);
}

}  // namespace
}  // namespace host_test
