#include "apps/quorin-run/engine_host.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "artwork/artwork.h"
#include "library/library.h"
#include "platform/host/control/user_control.h"
#include "platform/host/event.h"
#include "platform/host/form/form.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/msgbox.h"
#include "platform/host/services/property_page.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/vb/std_picture.h"

namespace scenario {

namespace {

using host::SameName;

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t dot = path.find('.', start);
    parts.push_back(path.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return parts;
}

[[noreturn]] void NoSuchObject(const std::string& what) {
  throw vb::Error(vb::kNotSupported, what);
}

// A control or element of a container by display name ("LbMenu(2)"), however deep it sits
// in the container's picture boxes and frames.
host::Object* FindInContainer(const host::Container& container, std::string_view name) {
  for (const host::ControlPtr& child : container.children()) {
    if (SameName(child->DisplayName(), name)) return child.get();
  }
  for (const host::ControlPtr& child : container.children()) {
    if (auto* inner = dynamic_cast<const host::Container*>(child.get())) {
      if (host::Object* found = FindInContainer(*inner, name)) return found;
    }
  }
  return nullptr;
}

std::string Hex8(std::int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "&H%08X&", static_cast<unsigned>(value));
  return buffer;
}

// "skin_parts/CbClose_0" -> "skin_parts/CbClose/0": control, slot and index.
std::string SlotLabel(const std::string& slot) {
  std::size_t underscore = slot.rfind('_');
  std::size_t slash = slot.rfind('/');
  if (underscore == std::string::npos || (slash != std::string::npos && underscore < slash) ||
      underscore + 1 == slot.size()) {
    return slot;
  }
  for (std::size_t i = underscore + 1; i < slot.size(); ++i) {
    if (slot[i] < '0' || slot[i] > '9') return slot;
  }
  return slot.substr(0, underscore) + "/" + slot.substr(underscore + 1);
}

std::string ButtonsWord(const std::vector<std::string>& buttons) {
  std::string word;
  for (const std::string& b : buttons) {
    for (char c : b) {
      if (c != '&') word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return word.empty() ? "ok" : word;
}

class HostEngine : public Engine, public host::EventObserver, public host::ErrorSink {
 public:
  explicit HostEngine(const EngineContext& context)
      : sink_(context.sink), design_mode_(context.design_mode) {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
    host::SetEventObserver(this);
    host::SetErrorSink(this);
    host::SetMessageBoxObserver([this](const host::MessageBoxRecord& r) {
      Emit("msgbox " + Quote(r.title) + " " + Quote(r.prompt) + " " +
           (r.icon.empty() ? std::string("none") : r.icon) + " " + ButtonsWord(r.buttons));
    });
  }

  ~HostEngine() override {
    // The script is over: forms go quietly.
    host::SetMessageBoxObserver({});
    if (host::GetEventObserver() == this) host::SetEventObserver(nullptr);
    if (host::GetErrorSink() == this) host::SetErrorSink(nullptr);
    host::RecordingErrorSink quiet;
    host::SetErrorSink(&quiet);
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
      if (it->loaded.form && it->loaded.form->alive()) host::Unload(*it->loaded.form);
    }
    forms_.clear();
    host::SetErrorSink(nullptr);
  }

  // Engine
  std::string LoadForm(const std::string& file) override {
    std::vector<std::string> lines;
    std::string error;
    {
      struct Hold {
        std::vector<std::string>*& slot;
        ~Hold() { slot = nullptr; }
      } hold{held_lines_};
      held_lines_ = &lines;
      error = LoadFormHeld(file);
    }
    if (error.empty()) {
      for (std::string& line : lines) Emit(std::move(line));
    }
    return error;
  }

  std::string LoadFormHeld(const std::string& file) {
    try {
      host::formio::LoadedForm loaded = host::formio::LoadFormFile(file, design_mode_);
      for (const Entry& e : forms_) {
        if (SameName(e.loaded.form->Name(), loaded.form->Name())) {
          loaded.form->RunUnload(VB::vbFormCode);
          return file + ":" + std::to_string(loaded.file.form.line) + ": a form named " +
                 loaded.form->Name() + " is already loaded";
        }
      }
      RememberPictureFiles(loaded.file);
      forms_.push_back({std::move(loaded)});
      return {};
    } catch (const vb::Error& e) {
      return e.Detail().empty() ? file + ": " + e.Description() : e.Detail();
    }
  }

  Reply Show(const std::string& form, bool modal) override {
    VB::Form& f = FormNamed(form);
    f.Show(modal ? 1 : 0);
    return Reply::Ok();
  }

  Reply Set(const std::string& path, const Value& value) override {
    auto [object, member] = Member(path);
    auto [name, index] = Indexed(*object, member);
    vb::Variant v = Convert(value);
    if (v.IsObject()) {
      try {
        host::SetProperty(*object, name, index, v.ToObject());
      } catch (const vb::Error& e) {
        if (e.Number() != vb::kNotSupported) throw;
        host::LetProperty(*object, name, index, v);
      }
    } else {
      host::LetProperty(*object, name, index, v);
    }
    return Reply::Ok();
  }

  Reply Get(const std::string& path) override {
    auto [object, member] = Member(path);
    auto [name, index] = Indexed(*object, member);
    return Reply::Ok(Format(host::GetProperty(*object, name, index)));
  }

  Reply Call(const std::string& path, const std::vector<Value>& args) override {
    auto [object, member] = Member(path);
    std::vector<vb::Variant> values;
    for (const Value& a : args) values.push_back(Convert(a));
    return Reply::Ok(
        Format(host::CallMethod(*object, member, std::span<const vb::Variant>(values))));
  }

  Reply Inspect(const std::string& path) override {
    host::Object& object = Resolve(path);
    // A class whose short name means another one (the library's Frame beside VB.Frame)
    // prints its full name.
    const host::ClassInfo& cls = object.Class();
    std::string kind = cls.short_name();
    if (host::TypeRegistry::Instance().Find(kind) != &cls) kind = cls.full_name();
    std::string out = "kind=" + kind;
    auto number = [&](const char* key, float value) {
      out += std::string(" ") + key + "=" + FormatVariant(vb::Variant(value));
    };
    if (auto* control = dynamic_cast<host::Control*>(&object)) {
      number("left", control->Left());
      number("top", control->Top());
      number("width", control->Width());
      number("height", control->Height());
      out += std::string(" visible=") + (control->Visible() ? "1" : "0");
      out += std::string(" enabled=") + (control->Enabled() ? "1" : "0");
    } else if (auto* form = dynamic_cast<VB::Form*>(&object)) {
      number("left", form->Left());
      number("top", form->Top());
      number("width", form->Width());
      number("height", form->Height());
      out += std::string(" visible=") + (form->Visible() ? "1" : "0");
      out += std::string(" enabled=") + (form->Enabled() ? "1" : "0");
    } else if (auto* menu = dynamic_cast<VB::Menu*>(&object)) {
      out += std::string(" visible=") + (menu->Visible() ? "1" : "0");
      out += std::string(" enabled=") + (menu->Enabled() ? "1" : "0");
    }
    auto has = [&](const char* key) {
      const host::PropertyInfo* p = object.Class().FindProperty(key);
      return p && p->get;
    };
    auto read = [&](const char* key) -> std::optional<vb::Variant> {
      if (!has(key)) return std::nullopt;
      try {
        return host::GetProperty(object, key);
      } catch (const vb::Error&) {
        return std::nullopt;
      }
    };
    if (auto v = read("Caption")) out += " caption=" + Quote(v->ToString());
    if (auto v = read("ForeColor")) out += " forecolor=" + Hex8(v->ToLong());
    if (auto v = read("BackColor")) out += " backcolor=" + Hex8(v->ToLong());
    if (auto v = read("Picture")) out += " picture=" + PictureLabel(*v);
    return Reply::Ok(out);
  }

  Reply Save(const std::string& form, const std::string& file) override {
    VB::Form& f = FormNamed(form);
    const host::formfile::FormFile* original = nullptr;
    for (const Entry& e : forms_) {
      if (e.loaded.form.get() == &f) original = &e.loaded.file;
    }
    // Missing folders are made, as for shots.
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::path(file).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    // Saving compares with fresh instances; their lifecycle is not the script's business.
    host::SetEventObserver(nullptr);
    struct Restore {
      HostEngine* engine;
      ~Restore() { host::SetEventObserver(engine); }
    } restore{this};
    host::formio::SaveFormFile(f, file, original);
    return Reply::Ok();
  }

  Reply PropertyPages(const std::string& path) override {
    host::Object& object = Resolve(path);
    if (!design_mode_) throw vb::Error(vb::kNotSupported, "property pages open at design time");
    std::vector<std::shared_ptr<host::PropertyPage>> pages;
    for (const host::ClassInfo* c = &object.Class(); c; c = c->base()) {
      for (const std::string& name : c->property_pages) {
        const host::ClassInfo* info = host::TypeRegistry::Instance().Find(name);
        auto page = info && info->factory
                        ? std::dynamic_pointer_cast<host::PropertyPage>(info->factory())
                        : nullptr;
        if (!page) throw vb::Error(vb::kNotSupported, "no property page " + name);
        pages.push_back(std::move(page));
      }
    }
    if (pages.empty()) {
      throw vb::Error(vb::kNotSupported, object.Class().full_name() + " has no property pages");
    }
    host::PropertyPageHost dialog({host::KeepAlive(object)}, std::move(pages));
    dialog.Show();
    return Reply::Ok();
  }

  Reply Place(const Placement& p) override {
    VB::Form& form = FormNamed(p.form);
    host::Placement at{static_cast<float>(p.left), static_cast<float>(p.top),
                       static_cast<float>(p.width), static_cast<float>(p.height)};
    host::CreateControl(form, form, p.class_name, p.name, -1, nullptr, at);
    return Reply::Ok();
  }

  std::optional<std::string> OwnerPath(win32::HWND hwnd) override {
    if (!hwnd) return std::nullopt;
    for (const auto& form : AllForms()) {
      if (form->hWnd() == hwnd) return form->Path();
      if (auto path = OwnerIn(*form, hwnd)) return path;
    }
    return std::nullopt;
  }

  // EventObserver
  void EventRaised(const vb::Object* source, std::string_view event,
                   std::span<const vb::Variant> arguments) override {
    const std::string path = SourcePathOf(source);
    // An object not yet named (an element made in its control's constructor) has no path
    // a script could use; its events are not logged.
    if (path.empty() || path.front() == '.' || path.find("..") != std::string::npos) return;
    std::string line = "event " + path + "." + std::string(event) + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (i) line += ", ";
      line += Format(arguments[i]);
    }
    Emit(line + ")");
  }
  void PropertyChanged(const vb::Object* source, std::string_view property) override {
    Emit("changed " + SourcePathOf(source) + " " + Quote(property));
  }

  // ErrorSink
  void Report(const host::ErrorReport& report) override { Emit(report.Format()); }

 private:
  struct Entry {
    host::formio::LoadedForm loaded;
  };

  std::vector<std::shared_ptr<VB::Form>> AllForms() const {
    std::vector<std::shared_ptr<VB::Form>> all;
    for (const Entry& e : forms_) {
      if (e.loaded.form && e.loaded.form->alive()) all.push_back(e.loaded.form);
    }
    for (const auto& f : host::Forms()) {
      if (std::find(all.begin(), all.end(), f) == all.end()) all.push_back(f);
    }
    return all;
  }

  VB::Form& FormNamed(const std::string& name) {
    for (const auto& f : AllForms()) {
      if (SameName(f->Name(), name)) return *f;
    }
    NoSuchObject("no form " + name);
  }

  // Form1, Form1.Command2, Form1.Skin1.CloseButton, Form1.Skin1.LbMenu(2), Form1.mnuFile.
  host::Object& Resolve(const std::string& path) {
    std::vector<std::string> parts = SplitPath(path);
    host::Object* current = &FormNamed(parts[0]);
    for (std::size_t i = 1; i < parts.size(); ++i) {
      host::Object* next = nullptr;
      if (auto* form = dynamic_cast<VB::Form*>(current)) {
        for (const auto& o : form->Controls()) {
          if (SameName(o->DisplayName(), parts[i])) next = o.get();
        }
      } else if (auto* container = dynamic_cast<host::Container*>(current)) {
        next = FindInContainer(*container, parts[i]);
      }
      if (!next) next = current->NamedChild(parts[i]).get();
      if (!next && current->Class().FindProperty(parts[i])) {
        // A property holding an engine object, such as Form1.Controls.
        vb::Variant value = host::GetProperty(*current, parts[i]);
        if (value.IsObject()) {
          if (auto held = std::dynamic_pointer_cast<host::Object>(value.ToObject())) {
            held_.push_back(held);
            next = held.get();
          }
        }
      }
      if (!next) NoSuchObject(path);
      current = next;
    }
    return *current;
  }

  // "TabCaption(2)" of a member taking arguments: its name and the arguments; any other
  // member (an element such as "LbMenu(2)") as it stands.
  static std::pair<std::string, std::vector<vb::Variant>> Indexed(const host::Object& object,
                                                                  const std::string& member) {
    std::size_t paren = member.find('(');
    if (paren == std::string::npos || member.back() != ')' ||
        !host::TakesArguments(object, member.substr(0, paren))) {
      return {member, {}};
    }
    std::vector<vb::Variant> arguments;
    std::string inside = member.substr(paren + 1, member.size() - paren - 2);
    for (std::size_t start = 0; start <= inside.size();) {
      std::size_t comma = inside.find(',', start);
      if (comma == std::string::npos) comma = inside.size();
      ValueParse parsed = ParseValue(inside.substr(start, comma - start));
      if (!parsed.value || parsed.value->kind != Value::Kind::kLiteral) {
        NoSuchObject(member);
      }
      arguments.push_back(parsed.value->literal);
      start = comma + 1;
    }
    return {member.substr(0, paren), std::move(arguments)};
  }

  std::pair<host::Object*, std::string> Member(const std::string& path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) NoSuchObject(path);
    return {&Resolve(path.substr(0, dot)), path.substr(dot + 1)};
  }

  vb::Variant Convert(const Value& value) {
    switch (value.kind) {
      case Value::Kind::kLiteral:
        return value.literal;
      case Value::Kind::kNothing:
        return vb::Variant(vb::ObjectRef());
      case Value::Kind::kPicture: {
        vb::PictureRef picture = vb::LoadPicture(value.name);
        if (picture) picture_files_[picture.get()] = {picture, value.name};
        return vb::Variant(vb::ObjectRef(picture));
      }
      case Value::Kind::kObject:
        return vb::Variant(vb::ObjectRef(host::KeepAlive(Resolve(value.name))));
    }
    return {};
  }

  std::string Format(const vb::Variant& value) const {
    return FormatVariant(value, [](const vb::ObjectRef& object) -> std::string {
      if (auto* o = dynamic_cast<const host::Object*>(object.get())) return o->Path();
      return "<object>";
    });
  }

  static std::string SourcePathOf(const vb::Object* source) {
    if (auto* extender = dynamic_cast<const host::Extender*>(source)) {
      return extender->control().Path();
    }
    return host::SourcePath(source);
  }

  std::optional<std::string> OwnerIn(const host::Container& container, win32::HWND hwnd) {
    for (const host::ControlPtr& child : container.children()) {
      if (child->windowed() && child->hWnd() == hwnd) return child->Path();
      if (auto* inner = dynamic_cast<const host::Container*>(child.get())) {
        if (auto path = OwnerIn(*inner, hwnd)) return path;
      }
    }
    return std::nullopt;
  }

  void RememberPictureFiles(const host::formfile::FormFile& file) {
    file.form.Visit([&](const host::formfile::FormNode& node) {
      for (const auto& p : node.properties) {
        const host::formfile::PictureValue* pic = p.value.picture();
        if (!pic || !pic->picture) continue;
        std::string name = pic->load_path;
        if (name.empty() && pic->companion_offset) {
          char offset[16];
          std::snprintf(offset, sizeof offset, "%04X", *pic->companion_offset);
          name =
              host::formfile::CompanionPathFor(file.source_name).filename().string() + ":" + offset;
        }
        if (!name.empty()) picture_files_[pic->picture.get()] = {pic->picture, name};
      }
    });
  }

  // The artwork slot a picture comes from, the file it was loaded from, or none.
  std::string PictureLabel(const vb::Variant& value) {
    vb::ObjectRef object = value.IsObject() ? value.ToObject() : nullptr;
    if (!object) return "none";
    if (auto it = picture_files_.find(object.get());
        it != picture_files_.end() && it->second.picture.lock() == object) {
      return Quote(it->second.name);
    }
    for (const std::string& slot : artwork::Slots()) {
      try {
        if (artwork::Picture(slot) == object) return Quote(SlotLabel(slot));
      } catch (const vb::Error&) {
      }
    }
    return "memory";
  }

  struct PictureFile {
    std::weak_ptr<vb::Object> picture;
    std::string name;
  };

  // Lines go to the sink, or are held while a form file loads: a refused file logs nothing.
  void Emit(std::string line) {
    if (held_lines_) {
      held_lines_->push_back(std::move(line));
    } else {
      sink_.Emit(std::move(line));
    }
  }

  LineSink& sink_;
  std::vector<std::string>* held_lines_ = nullptr;
  bool design_mode_;
  std::vector<Entry> forms_;
  std::map<const vb::Object*, PictureFile> picture_files_;
  // Objects reached through properties stay alive while the engine runs.
  std::vector<std::shared_ptr<host::Object>> held_;
};

}  // namespace

std::unique_ptr<Engine> MakeHostEngine(const EngineContext& context) {
  return std::make_unique<HostEngine>(context);
}

}  // namespace scenario
