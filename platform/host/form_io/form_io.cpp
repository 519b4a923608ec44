#include "platform/host/form_io/form_io.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/components/loader.h"
#include "platform/host/control/user_control.h"
#include "platform/host/form_io/stored_values.h"
#include "platform/host/services/designer.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/screen.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/win/desktop.h"
#include "platform/win/user32.h"
#include "platform/win/window.h"
#include "platform/win/window_manager.h"

namespace host::formio {

using formfile::FormFile;
using formfile::FormNode;
using formfile::PropertyValue;

namespace {

constexpr const char* kGeometry[] = {"Left", "Top", "Width", "Height"};
// Extender properties the container keeps for a user control (unless the control declares
// the property itself).
constexpr const char* kExtenderKeys[] = {"Visible",  "Enabled", "Tag",
                                         "TabIndex", "TabStop", "Align"};
// Form keys that describe the client area; the bridge converts them to the form's size.
constexpr const char* kClientKeys[] = {"ClientLeft", "ClientTop", "ClientWidth", "ClientHeight"};

template <std::size_t N>
bool OneOf(std::string_view key, const char* const (&names)[N]) {
  for (const char* n : names) {
    if (SameName(key, n)) return true;
  }
  return false;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool IsMenuClass(std::string_view cls) {
  return SameName(cls, "VB.Menu") || SameName(cls, "Menu");
}
bool IsFormClass(std::string_view cls) {
  return SameName(cls, "VB.Form") || SameName(cls, "Form");
}

// The property of a class (or its bases) that can be assigned, or null.
const PropertyInfo* Writable(const ClassInfo& info, std::string_view key) {
  const PropertyInfo* p = info.FindProperty(key);
  return p && (p->let || p->set) ? p : nullptr;
}

// Whether a user control's own class (below the shared user-control base) declares it.
bool DeclaredByControl(const ClassInfo& info, std::string_view key) {
  for (const ClassInfo* c = &info; c && c != &UserControlBaseInfo(); c = c->base()) {
    for (const PropertyInfo& p : c->properties) {
      if (SameName(p.name, key)) return true;
    }
  }
  return false;
}

bool IsUserControlClass(const ClassInfo& info) {
  for (const ClassInfo* c = &info; c; c = c->base()) {
    if (c == &UserControlBaseInfo()) return true;
  }
  return false;
}

bool HoldsControls(const ClassInfo& info) {
  return info.control_container || info.IsA("VB.Frame") || info.IsA("VB.PictureBox");
}

std::string DisplayName(const FormNode& node) {
  std::optional<int> index = node.Index();
  return index ? node.name + "(" + std::to_string(*index) + ")" : node.name;
}

// Where each property of the file ended up, so a failure names its line.
struct PendingExtender {
  std::string display_name;
  std::vector<std::pair<std::string, vb::Variant>> values;
};

struct Conversion {
  SavedForm saved;
  std::vector<PendingExtender> extenders;
  // Lower-case "<display name>|<key>" (the form's own keys under "|<key>") and
  // "<display name>" to the line of the property or the Begin.
  std::map<std::string, int> lines;
};

int LineOf(const FormNode& node, std::string_view key) {
  for (const auto& p : node.properties) {
    if (SameName(p.key, key)) return p.line;
  }
  return node.line;
}

std::optional<float> Number(const FormNode& node, std::string_view key, const FormFile& file) {
  const PropertyValue* v = node.Find(key);
  if (!v) return std::nullopt;
  const vb::Variant* scalar = v->scalar();
  if (!scalar || scalar->kind() == vb::Variant::Kind::String ||
      scalar->kind() == vb::Variant::Kind::Boolean) {
    throw formfile::FormFileError(file.source_name, LineOf(node, key),
                                  std::string(key) + " must be a number");
  }
  const double value = scalar->ToDouble();
  if (!(std::fabs(value) <= 16777216.0)) {
    throw formfile::FormFileError(file.source_name, LineOf(node, key),
                                  std::string(key) + " is out of range");
  }
  return static_cast<float>(value);
}

// The font a node's controls take when their blocks have none: its own, else the one it took.
vb::FontRef OwnFont(const FormNode& node, const vb::FontRef& inherited) {
  const PropertyValue* font = node.Find("Font");
  return font && font->font() ? *font->font() : inherited;
}

void ConvertNode(const FormNode& node, const FormNode* parent, const vb::FontRef& inherited_font,
                 bool parent_is_menu, const FormFile& file, Conversion& out) {
  const std::string display = DisplayName(node);
  out.lines[Lower(display)] = node.line;
  const bool menu = IsMenuClass(node.class_name);
  if (parent_is_menu && !menu) {
    throw formfile::FormFileError(file.source_name, node.line,
                                  node.class_name + " " + node.name + " cannot be inside a menu");
  }
  const ClassInfo* info = TypeRegistry::Instance().Find(node.class_name);
  if (!info || (!menu && !info->factory)) {
    throw formfile::FormFileError(file.source_name, node.line, "unknown class " + node.class_name);
  }
  if (parent && !parent_is_menu) {
    const ClassInfo* holder = TypeRegistry::Instance().Find(parent->class_name);
    if (menu) {
      throw formfile::FormFileError(file.source_name, node.line,
                                    "menu " + node.name + " must be on the form or in a menu");
    }
    if (!holder || !HoldsControls(*holder)) {
      throw formfile::FormFileError(file.source_name, node.line,
                                    parent->name + " cannot hold controls");
    }
  }
  SavedControl c;
  c.class_name = info->full_name();
  c.name = node.name;
  if (std::optional<int> index = node.Index()) c.index = static_cast<std::int16_t>(*index);
  if (parent) c.container = DisplayName(*parent);
  const bool user_control = IsUserControlClass(*info);
  PendingExtender extender{display, {}};
  if (!menu) {
    c.placement.left = Number(node, "Left", file);
    c.placement.top = Number(node, "Top", file);
    c.placement.width = Number(node, "Width", file);
    c.placement.height = Number(node, "Height", file);
  }
  for (const auto& p : node.properties) {
    if (SameName(p.key, "Index") || SameName(p.key, "Name")) continue;
    if (!menu && OneOf(p.key, kGeometry)) continue;
    if (p.value.group()) continue;  // kept in the tree, written back as read
    out.lines[Lower(display + "|" + p.key)] = p.line;
    vb::Variant value = p.value.ToVariant();
    if (user_control) {
      if (OneOf(p.key, kExtenderKeys) && !DeclaredByControl(*info, p.key)) {
        extender.values.emplace_back(p.key, std::move(value));
      } else {
        c.properties.Put(p.key, std::move(value));
      }
    } else if (Writable(*info, p.key) && !IsDeferredKey(p.key, false)) {
      c.properties.Put(p.key, std::move(value));
    }
    // Anything else is a property the engine does not have: kept in the tree only.
  }
  if (!user_control && !menu) AddAbsentDefaults(node, *info, inherited_font, c.properties);
  out.saved.controls.push_back(std::move(c));
  if (!extender.values.empty()) out.extenders.push_back(std::move(extender));
  for (const FormNode& child : node.children) {
    ConvertNode(child, &node, OwnFont(node, inherited_font), menu, file, out);
  }
}

Conversion Convert(const FormFile& file) {
  const FormNode& root = file.form;
  if (!IsFormClass(root.class_name)) {
    throw formfile::FormFileError(file.source_name, root.line,
                                  "the outer block must be a VB.Form, not " + root.class_name);
  }
  Conversion out;
  out.saved.name = root.name;
  const ClassInfo& form_info = VB::Form::TypeInfo();
  for (const auto& p : root.properties) {
    if (OneOf(p.key, kGeometry) || OneOf(p.key, kClientKeys) || p.value.group()) continue;
    if (!Writable(form_info, p.key) || IsDeferredKey(p.key, true)) continue;
    out.lines[Lower("|" + p.key)] = p.line;
    out.saved.properties.Put(p.key, p.value.ToVariant());
  }
  AddAbsentDefaults(root, form_info, nullptr, out.saved.properties);
  const vb::FontRef form_font = OwnFont(root, nullptr);
  for (const FormNode& child : root.children) {
    ConvertNode(child, nullptr, form_font, false, file, out);
  }
  return out;
}

// Collects the failures of the build ("Load …" procedures) and passes every other report on.
class BuildSink : public ErrorSink {
 public:
  explicit BuildSink(ErrorSink* next) : next_(next) {}
  void Report(const ErrorReport& report) override {
    if (report.procedure.rfind("Load ", 0) == 0) {
      failures.push_back(report);
    } else if (next_) {
      next_->Report(report);
    } else {
      win::Desktop::Current().Log(report.Format());
    }
  }
  std::vector<ErrorReport> failures;

 private:
  ErrorSink* next_;
};

Object* FindByDisplayName(VB::Form& form, std::string_view name) {
  for (const auto& o : form.Controls()) {
    if (SameName(o->DisplayName(), name)) return o.get();
  }
  return nullptr;
}

// Client area in twips: the window's client rectangle below the menu bar.
std::pair<float, float> ClientTwips(VB::Form& form) {
  win32::RECT rc{};
  win32::GetClientRect(form.hWnd(), &rc);
  const float w = static_cast<float>(rc.right - rc.left);
  const float h = static_cast<float>(rc.bottom - rc.top - form.menu_bar_height());
  return {w * Screen().TwipsPerPixelX(), std::max(0.0f, h) * Screen().TwipsPerPixelY()};
}

void ApplyFormGeometry(VB::Form& form, const FormFile& file) {
  const FormNode& root = file.form;
  // Applies one value; a refusal names the key's line.
  auto apply = [&](const char* key, const std::function<void()>& step) {
    try {
      step();
    } catch (const vb::Error& e) {
      throw formfile::FormFileError(file.source_name, LineOf(root, key),
                                    std::string(key) + ": " + e.Description());
    }
  };
  auto position = [&](const char* key, const char* client_key, bool x) {
    const char* used = key;
    std::optional<float> v = Number(root, key, file);
    if (!v) {
      used = client_key;
      v = Number(root, client_key, file);
    }
    if (v) apply(used, [&] { x ? form.Left(*v) : form.Top(*v); });
  };
  position("Left", "ClientLeft", true);
  position("Top", "ClientTop", false);
  if (std::optional<float> w = Number(root, "Width", file)) {
    apply("Width", [&] { form.Width(*w); });
  } else if (std::optional<float> cw = Number(root, "ClientWidth", file)) {
    apply("ClientWidth", [&] { form.Width(*cw + (form.Width() - ClientTwips(form).first)); });
  }
  if (std::optional<float> h = Number(root, "Height", file)) {
    apply("Height", [&] { form.Height(*h); });
  } else if (std::optional<float> ch = Number(root, "ClientHeight", file)) {
    apply("ClientHeight", [&] { form.Height(*ch + (form.Height() - ClientTwips(form).second)); });
  }
}

// What waits until every control is placed: list items, scale modes (positions in the file
// are twips), and the form's WindowState after its position and size.
void ApplyDeferred(VB::Form& form, const FormFile& file) {
  auto apply = [&](Object& live, const FormNode& node, const char* key) {
    const PropertyValue* v = node.Find(key);
    if (!v || !v->scalar() || !Writable(live.Class(), key)) return;
    try {
      LetProperty(live, key, *v->scalar());
    } catch (const vb::Error& e) {
      throw formfile::FormFileError(file.source_name, LineOf(node, key),
                                    std::string(key) + ": " + e.Description());
    }
  };
  // The designer writes the frontmost control first.
  auto stack = [&](const FormNode& node, Object* holder) {
    auto* container = dynamic_cast<Container*>(holder);
    if (!container) return;
    std::vector<Control*> front_first;
    for (const FormNode& child : node.children) {
      if (auto* c = dynamic_cast<Control*>(FindByDisplayName(form, DisplayName(child)))) {
        front_first.push_back(c);
      }
    }
    container->StackFrontFirst(front_first);
  };
  std::function<void(const FormNode&)> walk = [&](const FormNode& node) {
    stack(node, &node == &file.form ? static_cast<Object*>(&form)
                                    : FindByDisplayName(form, DisplayName(node)));
    for (const FormNode& child : node.children) {
      walk(child);
      Object* live = FindByDisplayName(form, DisplayName(child));
      if (!live || dynamic_cast<UserControl*>(live)) continue;
      try {
        ApplyLists(child, *live);
      } catch (const vb::Error& e) {
        throw formfile::FormFileError(file.source_name, LineOf(child, "ItemData"),
                                      "ItemData: " + e.Description());
      }
      // An AutoSize label keeps the size the designer measured until its text changes.
      auto* control = dynamic_cast<Control*>(live);
      const PropertyValue* auto_size = child.Find("AutoSize");
      if (control && auto_size && auto_size->scalar() && auto_size->scalar()->IsNumeric() &&
          auto_size->scalar()->ToBoolean()) {
        control->SizeTwips(Number(child, "Width", file), Number(child, "Height", file));
      }
      if (AppliesScaleMode(child)) apply(*live, child, "ScaleMode");
    }
  };
  walk(file.form);
  if (AppliesScaleMode(file.form)) apply(form, file.form, "ScaleMode");
  apply(form, file.form, "WindowState");
}

// The line a build failure belongs to: the property it names, else its control.
int FailureLine(const ErrorReport& report, const std::string& form_name,
                const std::map<std::string, int>& lines, int fallback) {
  std::string owner = report.source;
  if (owner.size() >= form_name.size() && SameName(owner.substr(0, form_name.size()), form_name)) {
    owner = owner.substr(form_name.size());
    if (!owner.empty() && owner[0] == '.') owner = owner.substr(1);
  }
  // The source path names the object; the last part is its display name.
  if (std::size_t dot = owner.rfind('.'); dot != std::string::npos) owner = owner.substr(dot + 1);
  const std::string what = report.procedure.substr(5);  // after "Load "
  if (auto it = lines.find(Lower(owner + "|" + what)); it != lines.end()) return it->second;
  if (auto it = lines.find(Lower(what)); it != lines.end()) return it->second;
  if (auto it = lines.find(Lower(owner)); it != lines.end()) return it->second;
  return fallback;
}

// A number as a form file writes positions: whole twips as Integer (or Long), else Single.
vb::Variant Coordinate(float value) {
  if (std::isfinite(value) && value == std::round(value)) {
    if (value >= -32768.0f && value <= 32767.0f) {
      return vb::Variant(static_cast<std::int16_t>(value));
    }
    if (std::fabs(value) < 2.0e9f) return vb::Variant(static_cast<std::int32_t>(value));
  }
  return vb::Variant(value);
}

// Writes a value unless it equals its default; an unchanged default written in the original
// file stays, so the text round-trips.
void WriteDefaulted(FormNode& node, std::string_view key, const vb::Variant& value,
                    const vb::Variant& default_value) {
  const PropertyValue* previous = node.Find(key);
  if (PropertyBag::SameValue(value, default_value)) {
    if (previous && !PropertyBag::SameValue(previous->ToVariant(), value)) node.Remove(key);
    return;
  }
  node.Set(key, PropertyValue::FromVariant(value, previous));
}

void WriteBag(FormNode& node, const PropertyBag& bag) {
  for (const PropertyBag::Entry& e : bag.entries()) {
    if (e.value.IsEmpty()) continue;
    node.Set(e.key, PropertyValue::FromVariant(e.value, node.Find(e.key)));
  }
}

// Drops keys of the original node that the engine manages but no longer stores (they went
// back to their default).
void DropUnsaved(FormNode& node, const PropertyBag& bag,
                 const std::function<bool(std::string_view)>& managed) {
  std::vector<std::string> drop;
  for (const auto& p : node.properties) {
    if (!bag.Find(p.key) && managed(p.key)) drop.push_back(p.key);
  }
  for (const std::string& key : drop) node.Remove(key);
}

// Positions and sizes go to the file in twips, whatever the container's scale. A control
// without a size of its own (a timer) writes its position only; a user control's size is its
// extender's.
void WriteGeometry(FormNode& node, const SavedControl& c, Object* live, const ClassInfo* info) {
  const bool sized = !info || info->IsA("VB.UserControl") || info->FindProperty("Width");
  std::optional<float> values[] = {c.placement.left, c.placement.top, c.placement.width,
                                   c.placement.height};
  if (auto* control = dynamic_cast<Control*>(live)) {
    values[0] = control->left_twips();
    values[1] = control->top_twips();
    values[2] = control->width_twips();
    values[3] = control->height_twips();
  }
  for (int i = 0; i < 4; ++i) {
    if (i >= 2 && !sized) continue;
    if (values[i]) {
      node.Set(kGeometry[i],
               PropertyValue::FromVariant(Coordinate(*values[i]), node.Find(kGeometry[i])));
    }
  }
}

vb::Variant Read(Object& object, std::string_view key) {
  try {
    return GetProperty(object, key);
  } catch (const vb::Error&) {
    return {};
  }
}

void SaveControlNode(FormNode& node, const SavedControl& c, Object* live) {
  const ClassInfo* info = TypeRegistry::Instance().Find(c.class_name);
  if (c.index >= 0) {
    node.SetIndex(c.index);
  } else {
    node.SetIndex(std::nullopt);
  }
  if (IsMenuClass(c.class_name)) {
    if (!live) return;
    WriteDefaulted(node, "Caption", Read(*live, "Caption"), vb::Variant(std::string()));
    WriteDefaulted(node, "Checked", Read(*live, "Checked"), vb::Variant(false));
    WriteDefaulted(node, "Enabled", Read(*live, "Enabled"), vb::Variant(true));
    WriteDefaulted(node, "Tag", Read(*live, "Tag"), vb::Variant(std::string()));
    WriteDefaulted(node, "Visible", Read(*live, "Visible"), vb::Variant(true));
    return;
  }
  const bool user_control = info && IsUserControlClass(*info);
  WriteGeometry(node, c, live, info);
  if (!user_control) {
    if (!live) return;
    std::shared_ptr<Object> fresh = info && info->factory ? info->factory() : nullptr;
    // The font a control without a Font block would take: its container's.
    vb::FontRef container_font;
    if (auto* control = dynamic_cast<Control*>(live); control && control->container()) {
      vb::Variant font = Read(control->container()->ContainerObject(), "Font");
      if (font.IsObject()) container_font = std::dynamic_pointer_cast<vb::StdFont>(font.ToObject());
    }
    SaveIntrinsic(node, *live, fresh.get(), false, container_font);
    return;
  }
  DropUnsaved(node, c.properties, [&](std::string_view key) {
    if (OneOf(key, kGeometry) || SameName(key, "Index") || SameName(key, "Name")) return false;
    const PropertyValue* v = node.Find(key);
    if (v && v->group()) return false;
    return !OneOf(key, kExtenderKeys) || DeclaredByControl(*info, key);
  });
  WriteBag(node, c.properties);
  if (!live) return;
  if (user_control) {
    auto* uc = dynamic_cast<UserControl*>(live);
    if (!uc) return;
    Object& ext = uc->Extender();
    auto extender = [&](const char* key, const vb::Variant& default_value) {
      if (!DeclaredByControl(*info, key)) WriteDefaulted(node, key, Read(ext, key), default_value);
    };
    extender("Visible", vb::Variant(true));
    extender("Enabled", vb::Variant(true));
    extender("Tag", vb::Variant(std::string()));
    extender("TabStop", vb::Variant(true));
    extender("TabIndex", vb::Variant(std::int16_t{0}));
    if (uc->Alignable()) extender("Align", vb::Variant(std::int16_t{0}));
  }
}

// One `Object = ` line for every registered control library whose classes the form uses;
// the lines already there stay as they are.
void WriteObjectLines(FormFile& out, const SavedForm& saved) {
  std::vector<std::string> classes;
  for (const SavedControl& c : saved.controls) classes.push_back(c.class_name);
  for (const std::string& line : components::ObjectLinesFor(classes)) {
    const std::string typelib = components::ObjectLineTypeLib(line);
    const bool present = std::any_of(
        out.header_lines.begin(), out.header_lines.end(),
        [&](const std::string& l) { return components::ObjectLineTypeLib(l) == typelib; });
    if (!present) out.header_lines.push_back(line);
  }
}

}  // namespace

formfile::ParseOptions EngineParseOptions() {
  RegisterEngineClasses();
  formfile::ParseOptions options;
  options.accept_class = [](std::string_view cls) {
    if (IsFormClass(cls) || IsMenuClass(cls)) return true;
    const ClassInfo* info = TypeRegistry::Instance().Find(cls);
    return info != nullptr && static_cast<bool>(info->factory);
  };
  // A control library named by an Object line is found in the component registry and loaded.
  options.object_line = [](std::string_view line) { return components::ResolveObjectLine(line); };
  return options;
}

LoadedForm LoadForm(FormFile file, bool design_mode) {
  RegisterEngineClasses();
  Conversion conversion = Convert(file);
  ErrorSink* previous = GetErrorSink();
  BuildSink sink(previous);
  SetErrorSink(&sink);
  std::shared_ptr<VB::Form> form;
  std::optional<vb::Error> failure;
  try {
    form = LoadSavedForm(conversion.saved, design_mode);
    for (const PendingExtender& pending : conversion.extenders) {
      auto* uc = dynamic_cast<UserControl*>(FindByDisplayName(*form, pending.display_name));
      if (!uc) continue;
      for (const auto& [key, value] : pending.values) {
        Dispatch(uc, "Load " + key, [&] { LetProperty(uc->Extender(), key, value); });
      }
    }
    ApplyFormGeometry(*form, file);
    ApplyDeferred(*form, file);
  } catch (const vb::Error& error) {
    failure = error;
  }
  SetErrorSink(previous);
  if (!failure && !sink.failures.empty()) {
    const ErrorReport& first = sink.failures.front();
    int line = FailureLine(first, file.form.name, conversion.lines, file.form.line);
    failure = formfile::FormFileError(file.source_name, line,
                                      first.procedure.substr(5) + ": " + first.description);
  }
  if (failure) {
    // Nothing half-loaded: the partly built form goes away with its controls.
    if (form && form->alive()) form->RunUnload(VB::vbFormCode);
    throw *failure;
  }
  return {std::move(form), std::move(file)};
}

LoadedForm LoadFormFile(const std::filesystem::path& path, bool design_mode) {
  return LoadForm(formfile::ParseFormFile(path, EngineParseOptions()), design_mode);
}

FormFile SaveTree(VB::Form& form, const FormFile* original) {
  SavedForm saved = SaveForm(form);
  FormFile out;
  if (original) {
    out = *original;
  } else {
    out.form.class_name = "VB.Form";
  }
  out.form.name = form.Name();
  // Controls keep their original blocks (comments, unknown keys); new ones get fresh ones.
  struct Entry {
    std::string key;
    std::string parent;
    FormNode node;
  };
  std::vector<Entry> entries;
  for (const SavedControl& c : saved.controls) {
    std::optional<int> index;
    if (c.index >= 0) index = c.index;
    FormNode node;
    const FormNode* before = original ? original->form.FindControl(c.name, index) : nullptr;
    if (before && SameName(before->class_name, c.class_name)) {
      node = *before;
      node.children.clear();
    } else {
      node.class_name = c.class_name;
      node.name = c.name;
    }
    Object* live =
        FindByDisplayName(form, index ? c.name + "(" + std::to_string(*index) + ")" : c.name);
    SaveControlNode(node, c, live);
    std::string key = Lower(DisplayName(node));
    entries.push_back({std::move(key), Lower(c.container), std::move(node)});
  }
  std::function<void(FormNode&, const std::string&)> assemble = [&](FormNode& parent,
                                                                    const std::string& key) {
    parent.children.clear();
    for (Entry& e : entries) {
      if (e.parent != key) continue;
      FormNode child = std::move(e.node);
      assemble(child, e.key);
      parent.children.push_back(std::move(child));
    }
  };
  assemble(out.form, "");
  WriteObjectLines(out, saved);

  // The form's own properties, then its client area as the designer writes it.
  FormNode& root = out.form;
  {
    auto fresh = std::make_shared<VB::Form>();
    SaveIntrinsic(root, form, fresh.get(), true, nullptr);
    if (fresh->alive()) fresh->RunUnload(VB::vbFormCode);
  }
  WriteDefaulted(root, "WindowState", Read(form, "WindowState"), vb::Variant(std::int16_t{0}));
  auto [client_w, client_h] = ClientTwips(form);
  float left = 0, top = 0;
  const win::Window* window = win::Desktop::Current().windows().Find(form.hWnd());
  if (window && form.Visible() && form.WindowState() != VB::vbNormal) {
    // A minimised or maximised form is saved with its restored place and size.
    const win32::RECT& r = window->normal_rect;
    const float tx = Screen().TwipsPerPixelX(), ty = Screen().TwipsPerPixelY();
    left = static_cast<float>(r.left) * tx;
    top = static_cast<float>(r.top) * ty;
    client_w =
        static_cast<float>(r.right - r.left - window->insets.left - window->insets.right) * tx;
    client_h = static_cast<float>(std::max(0, r.bottom - r.top - window->insets.top -
                                                  window->insets.bottom - form.menu_bar_height())) *
               ty;
  } else {
    left = form.Left();
    top = form.Top();
  }
  const std::pair<const char*, float> client[] = {{"ClientHeight", client_h},
                                                  {"ClientLeft", left},
                                                  {"ClientTop", top},
                                                  {"ClientWidth", client_w}};
  for (const auto& [key, value] : client) {
    // A form placed by its StartUpPosition keeps the place it was designed at.
    const bool placed_at_start =
        form.StartUpPosition() != 0 && (SameName(key, "ClientLeft") || SameName(key, "ClientTop"));
    if (placed_at_start && root.Find(key)) continue;
    root.Set(key, PropertyValue::FromVariant(Coordinate(value), root.Find(key)));
  }
  for (const char* key : {"Left", "Top", "Width", "Height"}) root.Remove(key);
  if ((root.Find("ScaleWidth") || root.Find("ScaleHeight")) && AppliesScaleMode(root)) {
    // The client area in the form's own scale.
    const float scale_w = ConvertScale(client_w, vbTwips, form.ScaleMode(), true);
    const float scale_h = ConvertScale(client_h, vbTwips, form.ScaleMode(), false);
    root.Set("ScaleWidth",
             PropertyValue::FromVariant(Coordinate(scale_w), root.Find("ScaleWidth")));
    root.Set("ScaleHeight",
             PropertyValue::FromVariant(Coordinate(scale_h), root.Find("ScaleHeight")));
  }
  return out;
}

void SaveFormFile(VB::Form& form, const std::filesystem::path& path, const FormFile* original) {
  formfile::WriteFormFile(SaveTree(form, original), path);
}

}  // namespace host::formio
