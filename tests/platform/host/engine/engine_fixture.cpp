#include "tests/platform/host/engine/engine_fixture.h"

#include "platform/vb/error.h"

namespace host_test {

Probe::Probe() {
  Title = AddElement<VB::Label>("Title");
  Title->Move(0, 0, 600, 300);
  Pic = AddElement<VB::PictureBox>("Pic");
  Pic->Move(750, 0, 600, 300);
  auto record = [this](const std::string& what) {
    Note(what);
    if (on_event) on_event(what);
  };
  Title->MouseDown.Connect([record](std::int16_t& b, std::int16_t&, float&, float&) {
    record("Title_MouseDown " + std::to_string(b));
  });
  Title->MouseUp.Connect([record](std::int16_t& b, std::int16_t&, float&, float&) {
    record("Title_MouseUp " + std::to_string(b));
  });
  Title->Click.Connect([record] { record("Title_Click"); });
  Title->DblClick.Connect([record] { record("Title_DblClick"); });
  Pic->MouseDown.Connect([record](std::int16_t& b, std::int16_t&, float&, float&) {
    record("Pic_MouseDown " + std::to_string(b));
  });
  Pic->MouseUp.Connect([record](std::int16_t& b, std::int16_t&, float&, float&) {
    record("Pic_MouseUp " + std::to_string(b));
  });
  Pic->Click.Connect([record] { record("Pic_Click"); });
  Pic->DblClick.Connect([record] { record("Pic_DblClick"); });
  Pic->GotFocus.Connect([record] { record("Pic_GotFocus"); });
  Pic->LostFocus.Connect([record] { record("Pic_LostFocus"); });
}

void Probe::UserControl_Initialize() {
  Note("UserControl_Initialize");
  try {
    Extender();
  } catch (const vb::Error& e) {
    extender_error = e.Number();
  }
  try {
    Ambient();
  } catch (const vb::Error& e) {
    ambient_error = e.Number();
  }
}

void Probe::UserControl_ReadProperties(host::PropertyBag& bag) {
  Note("UserControl_ReadProperties");
  user_mode = Ambient().UserMode();
  caption_ = bag.ReadProperty("Caption", "Probe").ToString();
}

void Probe::UserControl_WriteProperties(host::PropertyBag& bag) {
  Note("UserControl_WriteProperties");
  bag.WriteProperty("Caption", caption_, "Probe");
}

void Probe::UserControl_MouseDown(std::int16_t b, std::int16_t, float x, float y) {
  Note("UserControl_MouseDown " + std::to_string(b) + " " + std::to_string(static_cast<int>(x)) +
       " " + std::to_string(static_cast<int>(y)));
  if (on_event) on_event("UserControl_MouseDown");
}

void Probe::UserControl_MouseUp(std::int16_t b, std::int16_t, float, float) {
  Note("UserControl_MouseUp " + std::to_string(b));
  if (on_event) on_event("UserControl_MouseUp");
}

const host::ClassInfo& Probe::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i =
        host::TypeRegistry::Instance().Add("QuorinTest.Probe", &host::UserControlBaseInfo());
    host::ClassBuilder<Probe>(i)
        .Property("Caption", &Probe::Caption, &Probe::Caption)
        .Property("Value", &Probe::Value, &Probe::Value)
        .Method("Add", &Probe::Add, {host::Param("A"), host::Optional("B", std::int32_t{10})})
        .IndexedProperty("Item", &Probe::Item, &Probe::Item,
                         {host::Optional("Index", std::int16_t{7})})
        .Event("Changed", {host::Param("NewValue")})
        .Enum("ProbeKind", {{"pkOne", 1}, {"pkTwo", 2}})
        .Creatable();
    return i;
  }();
  return info;
}

EngineTest::EngineTest() {
  host::RegisterEngineClasses();
  Probe::TypeInfo();
  host::SetErrorSink(&errors_);
  form_ = host::NewForm("Form1");
  form_->Move(1500, 1500, 6000, 4500);
}

EngineTest::~EngineTest() {
  for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms())) host::Unload(*f);
  if (form_ && form_->alive()) host::Unload(*form_);
  form_.reset();
  host::SetErrorSink(nullptr);
}

std::shared_ptr<Probe> EngineTest::PlaceProbe(const std::string& name,
                                              const host::PropertyBag* stored,
                                              const host::Placement& at) {
  auto probe = std::make_shared<Probe>();
  probe->SetName(name);
  probe->log = &log_;
  host::Place(*form_, *form_, probe, stored, at);
  return probe;
}

win32::POINT EngineTest::ScreenOf(const host::Control& control, int dx, int dy) const {
  win32::POINT p = control.ScreenOrigin();
  return {p.x + dx, p.y + dy};
}

}  // namespace host_test
