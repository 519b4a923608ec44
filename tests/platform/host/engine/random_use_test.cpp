// Random use of the form engine: intrinsic controls placed in forms, frames and picture boxes,
// late-bound members called with odd values, element arrays, menus, forms shown and unloaded
// (also from their own event handlers) and robot input. Bad values may fail with vb::Error;
// nothing may crash, and the sanitizers watch every run.

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/control/placement.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/elements/control_array.h"
#include "platform/host/elements/element.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/form/form.h"
#include "platform/host/form/menu.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/msgbox.h"
#include "platform/host/services/screen.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/vb/std_font.h"
#include "platform/vb/std_picture.h"
#include "platform/win/messages.h"

namespace {

constexpr const char* kClasses[] = {"VB.Label",   "VB.CommandButton", "VB.PictureBox", "VB.Frame",
                                    "VB.TextBox", "VB.CheckBox",      "VB.ComboBox",   "VB.Image",
                                    "VB.Timer",   "VB.Line"};

class RandomUse {
 public:
  explicit RandomUse(unsigned seed) : rng_(seed) {
    host::RegisterEngineClasses();
    host::SetErrorSink(&errors_);
  }
  ~RandomUse() {
    for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms()))
      Try([&] { host::Unload(*f); });
    host::SetErrorSink(nullptr);
  }

  void Run(int steps) {
    for (int i = 0; i < steps; ++i) Try([&] { Step(); });
    Try([&] { headless_.Run(); });
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  template <typename T>
  T& Any(std::vector<T>& v) {
    return v[static_cast<std::size_t>(Pick(0, static_cast<int>(v.size()) - 1))];
  }
  // Bad values are allowed to fail with the engine's errors, and only with those.
  template <typename F>
  static void Try(F&& f) {
    try {
      f();
    } catch (const vb::Error&) {
    }
  }

  vb::Variant Value() {
    switch (Pick(0, 17)) {
      case 0:
        return vb::Variant(static_cast<std::int16_t>(Pick(-3, 3)));
      case 1:
        return vb::Variant(static_cast<std::int32_t>(Pick(-1, 1) * 2147483647));
      case 2:
        return vb::Variant(1e300);
      case 3:
        return vb::Variant(-1e300);
      case 4:
        return vb::Variant(std::numeric_limits<double>::quiet_NaN());
      case 5:
        return vb::Variant(std::numeric_limits<double>::infinity());
      case 6:
        return vb::Variant(static_cast<float>(Pick(-100000, 100000)));
      case 7:
        return vb::Variant("&");
      case 8:
        return vb::Variant("");
      case 9:
        return vb::Variant(std::string(static_cast<std::size_t>(Pick(100, 5000)), 'W'));
      case 10:
        return vb::Variant("中文标题&A");
      case 11:
        return vb::Variant(Pick(0, 1) == 1);
      case 12:
        return vb::Variant(vb::ObjectRef());
      case 13: {
        vb::PixelBuffer pixels;
        pixels.width = Pick(0, 3) * Pick(0, 40);
        pixels.height = Pick(0, 3) * Pick(0, 40);
        pixels.pixels.assign(static_cast<std::size_t>(pixels.width * pixels.height), 0xFF336699u);
        return vb::Variant(vb::MakeBitmapPicture(std::move(pixels)));
      }
      case 14: {
        auto font = std::make_shared<vb::StdFont>("Arial", 8.0f);
        static constexpr float kSizes[] = {0.0f, -5.0f, 0.01f, 1e9f, 2000.0f, 72.0f};
        Try([&] { font->Size(kSizes[Pick(0, 5)]); });
        return vb::Variant(font);
      }
      case 15:
        return vb::Variant("12abc");
      case 16:
        return vb::Variant(static_cast<double>(Pick(-40000, 40000)) / 3.0);
      default:
        return vb::Variant();
    }
  }

  std::shared_ptr<VB::Form> SomeForm() {
    // Unloaded forms stay around now and then, as stale references of the program would.
    if (!forms_.empty() && Pick(0, 1) == 0) {
      std::erase_if(forms_, [](const auto& f) { return !f->alive(); });
    }
    // The program lets go of a form it never loaded (or one already unloaded).
    if (!forms_.empty() && Pick(0, 15) == 0)
      forms_.erase(forms_.begin() + Pick(0, static_cast<int>(forms_.size()) - 1));
    if (forms_.empty() || Pick(0, 8) == 0) {
      auto form = host::NewForm("Form" + std::to_string(forms_.size() + 1));
      form->Move(static_cast<float>(Pick(0, 6000)), static_cast<float>(Pick(0, 6000)),
                 static_cast<float>(Pick(1000, 8000)), static_cast<float>(Pick(1000, 7000)));
      forms_.push_back(form);
    }
    return Any(forms_);
  }
  std::shared_ptr<host::Object> SomeObject() {
    const int kind = Pick(0, 9);
    if (kind < 6 && !controls_.empty()) {
      if (Pick(0, 1) == 0) std::erase_if(controls_, [](const auto& c) { return !c->alive(); });
      if (!controls_.empty()) return Any(controls_);
    }
    if (kind < 8 && !menus_.empty()) return Any(menus_);
    return SomeForm();
  }

  // What a handler connected at random does while its event runs.
  void Mischief(const std::weak_ptr<VB::Form>& weak) {
    auto form = weak.lock();
    switch (Pick(0, 6)) {
      case 0:
        if (form) host::Unload(*form);
        break;
      case 1:
        if (form) form->Hide();
        break;
      case 2:
        if (array_ && array_->Count() > 0) {
          auto it = array_->members().rbegin();
          array_->Unload(it->first);
        }
        break;
      case 3:
        headless_.robot().Wait(10).Key(win32::VK_RETURN);
        host::MsgBox("Sure?", Pick(0, 5));
        break;
      case 4:
        LateBound();
        break;
      case 5:
        host::DoEvents();
        break;
      default:
        if (form) form->Show();
        break;
    }
  }

  void AddControl() {
    auto form = SomeForm();
    host::Container* container = form.get();
    host::ControlPtr holder;
    if (Pick(0, 1) && !containers_.empty()) {
      holder = Any(containers_).lock();
      if (holder) container = dynamic_cast<host::Container*>(holder.get());
    }
    // A container of another form still belongs to that form.
    host::Object* owner = form.get();
    if (container != form.get()) {
      if (auto* c = dynamic_cast<host::Control*>(container); c && c->Owner()) owner = c->Owner();
    }
    const char* cls = kClasses[Pick(0, 9)];
    host::Placement at;
    if (Pick(0, 1)) {
      at = {static_cast<float>(Pick(-5000, 20000)), static_cast<float>(Pick(-5000, 20000)),
            static_cast<float>(Pick(-100, 9000)), static_cast<float>(Pick(-100, 9000))};
    }
    std::string name = "c";
    name.append(std::to_string(controls_.size()));
    auto control = host::CreateControl(*container, *owner, cls, name, -1, nullptr, at);
    if (!control) return;
    controls_.push_back(control);
    if (dynamic_cast<host::Container*>(control.get())) containers_.push_back(control);
    if (auto* element = dynamic_cast<host::Element*>(control.get()); element && Pick(0, 2) == 0) {
      std::weak_ptr<VB::Form> weak = form;
      element->Click.Connect([this, weak] { Mischief(weak); });
    }
  }

  void ArrayStep() {
    if (!array_ || Pick(0, 20) == 0) {
      auto form = SomeForm();
      auto first = form->Add<VB::CommandButton>("cmdArr", {0, 0, 900, 400}, nullptr, nullptr, 0);
      array_ = std::make_unique<host::ControlArray<VB::CommandButton>>();
      array_->Adopt(first);
      std::weak_ptr<VB::Form> weak = form;
      array_->Connect([this, weak](VB::CommandButton& b) {
        b.Click.Connect([this, weak] { Mischief(weak); });
      });
      return;
    }
    static constexpr std::int16_t kIndices[] = {0, 1, 2, -1, -32768, 32767, 7, 3};
    const std::int16_t index = kIndices[Pick(0, 7)];
    if (Pick(0, 1)) {
      auto& member = array_->Load(index);
      member.Visible(true);
      member.Move(static_cast<float>(Pick(-1000, 8000)), static_cast<float>(Pick(-1000, 8000)));
    } else {
      array_->Unload(index);
    }
  }

  void LateBound() {
    const std::shared_ptr<host::Object> object = SomeObject();
    std::vector<const host::PropertyInfo*> properties;
    std::vector<const host::MethodInfo*> methods;
    for (const host::ClassInfo* c = &object->Class(); c; c = c->base()) {
      for (const auto& p : c->properties) properties.push_back(&p);
      for (const auto& m : c->methods) methods.push_back(&m);
    }
    // Modal members wait for the script; give them an Escape to end on.
    headless_.robot().Wait(20).Key(win32::VK_ESCAPE);
    const int what = Pick(0, 3);
    if (what == 3 && !methods.empty()) {
      const host::MethodInfo* method = Any(methods);
      if (method->name == "Show" || method->name == "PopupMenu") Try([&] { SomeMenuFor(); });
      std::vector<vb::Variant> args;
      const int n = Pick(0, 3);
      for (int i = 0; i < n; ++i) args.push_back(Value());
      host::CallMethod(*object, method->name, args);
      return;
    }
    if (properties.empty()) return;
    const std::string name = Any(properties)->name;
    if (what == 0) {
      host::GetProperty(*object, name);
    } else if (what == 1) {
      host::LetProperty(*object, name, Value());
    } else {
      const vb::Variant v = Value();
      host::SetProperty(*object, name, v.IsObject() ? v.ToObject() : vb::ObjectRef());
    }
  }

  void SomeMenuFor() {
    auto form = SomeForm();
    VB::Menu* parent = nullptr;
    // Any menu, also an unloaded one or one of another form.
    if (Pick(0, 1) && !menus_.empty()) parent = Any(menus_).get();
    static constexpr const char* kCaptions[] = {"&File", "-", "", "&&", "中文(&Z)", "E&xit&"};
    auto menu = form->AddMenu("mnu" + std::to_string(menus_.size()), kCaptions[Pick(0, 5)], parent,
                              static_cast<std::int16_t>(Pick(-2, 2)));
    if (menu) {
      menus_.push_back(menu);
      std::weak_ptr<VB::Form> weak = form;
      if (Pick(0, 1)) menu->Click.Connect([this, weak] { Mischief(weak); });
    }
  }

  void MenuStep() {
    if (menus_.empty() || Pick(0, 2) == 0) return SomeMenuFor();
    auto menu = Any(menus_);
    switch (Pick(0, 3)) {
      case 0:
        menu->Visible(Pick(0, 1) == 1);
        break;
      case 1:
        menu->Enabled(Pick(0, 1) == 1);
        break;
      case 2:
        menu->Caption(Pick(0, 1) ? "&Edit" : "-");
        break;
      default: {
        auto form = SomeForm();
        headless_.robot().Wait(20).Key(win32::VK_ESCAPE);
        form->PopupMenu(menu, Pick(0, 10), static_cast<float>(Pick(-100, 9000)),
                        static_cast<float>(Pick(-100, 9000)));
        break;
      }
    }
  }

  void Step() {
    auto& robot = headless_.robot();
    switch (Pick(0, 19)) {
      case 0:
      case 1:
      case 2:
        AddControl();
        break;
      case 3:
      case 4:
      case 5:
      case 6:
        LateBound();
        break;
      case 7:
        ArrayStep();
        break;
      case 8:
        MenuStep();
        break;
      case 9: {
        auto form = SomeForm();
        if (Pick(0, 4) == 0) {
          robot.Wait(30).Key(win32::VK_ESCAPE);
          robot.Do(
              "close", [form] { form->Hide(); }, 40);
          form->Show(1);
        } else {
          form->Show();
        }
        break;
      }
      case 10:
        SomeForm()->Hide();
        break;
      case 11:
        host::Unload(*SomeForm());
        break;
      case 12:
        robot.Click(Pick(0, 1279), Pick(0, 1023));
        break;
      case 13:
        robot.DoubleClick(Pick(0, 1279), Pick(0, 1023));
        break;
      case 14:
        robot.Drag(Pick(0, 1279), Pick(0, 1023), Pick(0, 1279), Pick(0, 1023), 3);
        break;
      case 15: {
        static constexpr win32::UINT kKeys[] = {win32::VK_TAB, win32::VK_RETURN, win32::VK_ESCAPE,
                                                'A', ' '};
        if (Pick(0, 2) == 0) {
          robot.KeyDown(win32::VK_MENU).Key(static_cast<win32::UINT>('A' + Pick(0, 25)));
          robot.KeyUp(win32::VK_MENU);
        } else {
          robot.Key(kKeys[Pick(0, 4)]);
        }
        break;
      }
      case 16:
        host::DoEvents();
        break;
      case 17:
        if (!controls_.empty()) {
          const host::ControlPtr c = Any(controls_);
          host::CallMethod(*c, "Move",
                           {Value(), static_cast<float>(Pick(-40000, 40000)), Value(), Value()});
        }
        break;
      case 18: {
        robot.Wait(20).Key(Pick(0, 1) ? win32::VK_ESCAPE : win32::VK_RETURN);
        host::MsgBox("Question", Pick(0, 6) + 16 * Pick(0, 4));
        break;
      }
      default:
        headless_.Run();
        break;
    }
  }

  std::mt19937 rng_;
  desktop::HeadlessDesktop headless_;
  host::RecordingErrorSink errors_;
  std::vector<std::shared_ptr<VB::Form>> forms_;
  std::vector<host::ControlPtr> controls_;
  std::vector<std::weak_ptr<host::Control>> containers_;
  std::vector<std::shared_ptr<VB::Menu>> menus_;
  std::unique_ptr<host::ControlArray<VB::CommandButton>> array_;
};

struct SeededRun {
  unsigned seed;
  int steps;
  const char* found;
};

// Seeds that once found a fault, and a few more for breadth.
constexpr SeededRun kRuns[] = {
    {1, 300, "controls of an unloaded form kept a pointer to it; menus added to it after"},
    {4, 300, "controls of a form freed without unloading kept a pointer to it as owner"},
    {7, 300, "a control placed in a frame of another form outlived its owner"},
    {2, 120, ""},
    {3, 120, ""},
    {5, 120, ""},
};

TEST(RandomUseTest, SeededSequencesNeverCrash) {
  for (const SeededRun& run : kRuns) {
    SCOPED_TRACE("seed " + std::to_string(run.seed) + " " + run.found);
    RandomUse(run.seed).Run(run.steps);
  }
}

}  // namespace
