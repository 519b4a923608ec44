// A program that links only the engine: it registers the control library, finds its classes
// in the component registry, loads a form that uses them through the form's Object line,
// creates through the class factory and lets the library go.

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/components/guid.h"
#include "platform/host/components/loader.h"
#include "platform/host/components/registry.h"
#include "platform/host/control/placement.h"
#include "platform/host/form/form.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/types/class_info.h"
#include "platform/host/types/engine_classes.h"
#include "platform/win/shell.h"
#include "tests/platform/host/form_test_support.h"

namespace {

namespace hc = host::components;

constexpr const char* kTypeLib = "{63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}";
constexpr const char* kTrayIconId = "{2CBBD904-4DBD-439D-9717-85B9296A78AC}";

class ComponentServer : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    formtest::ScratchDir::SetUp();
    setenv("QUORIN_REGISTRY", (dir_ / "components.txt").c_str(), 1);
    host::RegisterEngineClasses();
    library_ = std::filesystem::weakly_canonical(QUORIN_SERVER_PATH).string();
  }
  void TearDown() override {
    for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms())) {
      if (f->alive()) host::Unload(*f);
    }
    unsetenv("QUORIN_REGISTRY");
    formtest::ScratchDir::TearDown();
  }
  std::string FormText(bool with_object_line) const {
    std::string text = "VERSION 5.00\r\n";
    if (with_object_line) {
      text += std::string("Object = \"") + kTypeLib + "#1.0#0\"; \"libQuorinSkinForVB6.so\"\r\n";
    }
    return text +
           "Begin VB.Form Form1\r\n"
           "   Caption         =   \"Loaded on demand\"\r\n"
           "   ClientHeight    =   1500\r\n"
           "   ClientLeft      =   600\r\n"
           "   ClientTop       =   600\r\n"
           "   ClientWidth     =   3000\r\n"
           "   Begin QuorinSkinForVB6.TrayIcon TrayIcon1\r\n"
           "      Left            =   120\r\n"
           "      Top             =   120\r\n"
           "      ShowIcon        =   -1  'True\r\n"
           "      IconTip         =   \"From the library\"\r\n"
           "   End\r\n"
           "End\r\n";
  }

  desktop::HeadlessDesktop screen_;
  std::string library_;
};

// First in this file, so that even in one process the library is not loaded before it.
TEST_F(ComponentServer, AFormLoadsTheLibraryItsObjectLineNames) {
  hc::Component tray;
  tray.progid = "QuorinSkinForVB6.TrayIcon";
  tray.clsid = *hc::ParseGuid(kTrayIconId);
  tray.typelib = *hc::ParseGuid(kTypeLib);
  tray.library = library_;
  hc::AddComponents({tray});

  // Without the Object line the engine does not know the class.
  EXPECT_THROW(host::formio::LoadFormFile(Put("Plain.frm", FormText(false))), vb::Error);

  auto loaded = host::formio::LoadFormFile(Put("Form1.frm", FormText(true)));
  ASSERT_EQ(loaded.form->Controls().Count(), 1);
  EXPECT_EQ(loaded.form->Controls().items()[0]->Class().full_name(), "QuorinSkinForVB6.TrayIcon");
  EXPECT_EQ(hc::LoadedServers(), std::vector<std::string>{library_});
  loaded.form->Show();
  auto& icons = screen_.desktop().shell().icons();
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].tip, "From the library");

  // A form made here that uses the library's class is saved with the library's line.
  auto other = host::NewForm("Form2");
  host::CreateControl(*other, *other, "QuorinSkinForVB6.TrayIcon", "TrayIcon1");
  host::formio::SaveFormFile(*other, dir_ / "Form2.frm");
  const std::string saved = Read(dir_ / "Form2.frm");
  const std::string line = std::string("Object = \"") + kTypeLib + "#1.0#0\"; \"" +
                           std::filesystem::path(library_).filename().string() + "\"";
  EXPECT_NE(saved.find(line + "\r\n"), std::string::npos) << saved;
  // Saving the loaded form keeps its one line.
  host::formio::SaveFormFile(*loaded.form, dir_ / "Form1-saved.frm", &loaded.file);
  const std::string again = Read(dir_ / "Form1-saved.frm");
  EXPECT_EQ(again.find("Object ="), again.rfind("Object ="));
}

TEST_F(ComponentServer, AnObjectLineOfAnUnloadableLibraryStopsTheFormAtThatLine) {
  hc::Component broken;
  broken.progid = "Broken.Control";
  broken.clsid = *hc::ParseGuid("{00000000-0000-0000-0000-0000000000AA}");
  broken.typelib = *hc::ParseGuid("{00000000-0000-0000-0000-0000000000BB}");
  broken.library = (dir_ / "missing.so").string();
  hc::AddComponents({broken});
  const std::string text =
      "VERSION 5.00\r\nObject = \"{00000000-0000-0000-0000-0000000000BB}#1.0#0\"; "
      "\"missing.so\"\r\n"
      "Begin VB.Form Form1\r\nEnd\r\n";
  try {
    host::formio::LoadFormFile(Put("Broken.frm", text));
    ADD_FAILURE() << "loaded a form whose library is missing";
  } catch (const vb::Error& e) {
    EXPECT_NE(e.Detail().find("Broken.frm:2:"), std::string::npos) << e.Detail();
  }
  EXPECT_THROW(host::formio::LoadFormFile(Put(
                   "Bad.frm", "VERSION 5.00\r\nObject = {x}\r\nBegin VB.Form Form1\r\nEnd\r\n")),
               vb::Error);
}

TEST_F(ComponentServer, RegisterListCreateUnloadAndUnregisterThroughTheEntryPoints) {
  hc::ServerLibrary& lib = hc::LoadServer(QUORIN_SERVER_PATH);
  ASSERT_EQ(lib.Register(), Q_S_OK);
  std::vector<hc::Component> entries = hc::ReadRegistry();
  std::vector<std::string> names;
  for (const hc::Component& e : entries) {
    names.push_back(e.progid);
    EXPECT_EQ(e.library, library_);
    EXPECT_EQ(hc::FormatGuid(e.typelib), kTypeLib);
    // Every registered class is one the library made known, under its full name.
    const host::ClassInfo* info = host::TypeRegistry::Instance().Find(e.progid);
    ASSERT_NE(info, nullptr) << e.progid;
    EXPECT_TRUE(static_cast<bool>(info->factory));
  }
  EXPECT_NE(std::find(names.begin(), names.end(), "QuorinSkinForVB6.TrayIcon"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "QuorinSkinForVB6.QuorinSkin"), names.end());
  for (const char* hidden : {"QuorinSkinForVB6.CommandButton", "QuorinSkinForVB6.LabelMenu",
                             "QuorinSkinForVB6.ThemeX"}) {
    EXPECT_EQ(std::find(names.begin(), names.end(), hidden), names.end()) << hidden;
  }

  // Create, and the library stays while anything of it is alive.
  const QGUID tray = *hc::ParseGuid(kTrayIconId);
  std::shared_ptr<host::Object> made = lib.CreateInstance(tray);
  ASSERT_TRUE(made);
  EXPECT_EQ(made->Class().full_name(), "QuorinSkinForVB6.TrayIcon");
  EXPECT_EQ(lib.CanUnloadNow(), Q_S_FALSE);
  made.reset();
  EXPECT_EQ(lib.CanUnloadNow(), Q_S_OK);

  void* object = nullptr;
  ASSERT_EQ(lib.GetClassObject(tray, hc::kIID_IClassFactory, &object), Q_S_OK);
  auto* factory = static_cast<QClassFactory*>(object);
  EXPECT_EQ(lib.CanUnloadNow(), Q_S_FALSE);  // a live factory
  EXPECT_EQ(factory->lpVtbl->LockServer(factory, 1), Q_S_OK);
  void* unused = &object;
  EXPECT_EQ(factory->lpVtbl->CreateInstance(factory, factory, &hc::kIID_IQuorinObject, &unused),
            Q_CLASS_E_NOAGGREGATION);
  EXPECT_EQ(unused, nullptr);
  EXPECT_EQ(factory->lpVtbl->CreateInstance(factory, nullptr, &hc::kIID_IClassFactory, &unused),
            Q_E_NOINTERFACE);
  factory->lpVtbl->Release(factory);
  EXPECT_EQ(lib.CanUnloadNow(), Q_S_FALSE);  // still locked
  EXPECT_FALSE(hc::UnloadServer(QUORIN_SERVER_PATH));
  ASSERT_EQ(lib.GetClassObject(tray, hc::kIID_IUnknown, &object), Q_S_OK);
  factory = static_cast<QClassFactory*>(object);
  factory->lpVtbl->LockServer(factory, 0);
  factory->lpVtbl->Release(factory);
  EXPECT_EQ(lib.CanUnloadNow(), Q_S_OK);

  // Unknown class ids and bad arguments are refused with the platform's codes.
  object = &object;
  EXPECT_EQ(lib.GetClassObject(*hc::ParseGuid("{00000000-0000-0000-0000-000000000001}"),
                               hc::kIID_IClassFactory, &object),
            Q_CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(lib.GetClassObject(tray, hc::kIID_IQuorinObject, &object), Q_E_NOINTERFACE);
  EXPECT_EQ(lib.GetClassObject(tray, hc::kIID_IClassFactory, nullptr), Q_E_POINTER);
  EXPECT_THROW(lib.CreateInstance(*hc::ParseGuid("{00000000-0000-0000-0000-000000000001}")),
               vb::Error);

  EXPECT_TRUE(hc::UnloadServer(QUORIN_SERVER_PATH));
  EXPECT_TRUE(hc::LoadedServers().empty());

  hc::ServerLibrary& again = hc::LoadServer(QUORIN_SERVER_PATH);
  ASSERT_EQ(again.Unregister(), Q_S_OK);
  EXPECT_TRUE(hc::ReadRegistry().empty());
}

TEST_F(ComponentServer, AFileThatIsNoServerIsRefused) {
  EXPECT_THROW(hc::LoadServer((dir_ / "none.so").string()), vb::Error);
  Put("junk.so", "not a library");
  try {
    hc::LoadServer((dir_ / "junk.so").string());
    ADD_FAILURE();
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), 48);
  }
}

}  // namespace
