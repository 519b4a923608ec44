// Every creatable class of the library is known to form files: placed in a form file, it
// loads, saves and loads again to the same bytes.

#include <gtest/gtest.h>

#include <string>

#include "library/library.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/engine_classes.h"
#include "tests/platform/host/form_test_support.h"

namespace {

// The library's classes a form file may name, by their full names. Listed here rather than
// taken from the registry, so a class that was never registered fails.
constexpr const char* kClasses[] = {
    "QuorinSkinForVB6.QuorinSkin",
    "QuorinSkinForVB6.CommandButton",
    "QuorinSkinForVB6.LabelMenu",
    "QuorinSkinForVB6.VistaButton",
    "QuorinSkinForVB6.XpProgressBar",
    "QuorinSkinForVB6.RadioButton",
    "QuorinSkinForVB6.Frame",
    "QuorinSkinForVB6.TrayIcon",
    "QuorinSkinForVB6.XPTabstrip",
};

std::string FormWith(const std::string& full_name) {
  return "VERSION 5.00\r\n"
         "Begin VB.Form Form1\r\n"
         "   Caption         =   \"Every class\"\r\n"
         "   ClientHeight    =   3600\r\n"
         "   ClientLeft      =   600\r\n"
         "   ClientTop       =   450\r\n"
         "   ClientWidth     =   4800\r\n"
         "   Begin " +
         full_name +
         " Control1\r\n"
         "      Height          =   915\r\n"
         "      Left            =   240\r\n"
         "      Top             =   240\r\n"
         "      Width           =   1695\r\n"
         "   End\r\n"
         "End\r\n";
}

class EveryClass : public formtest::ScratchDir, public ::testing::WithParamInterface<const char*> {
 protected:
  EveryClass() {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
  }
  void TearDown() override {
    for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms())) {
      if (f->alive()) host::Unload(*f);
    }
    formtest::ScratchDir::TearDown();
  }
  desktop::HeadlessDesktop screen_;
};

TEST_P(EveryClass, LoadsSavesAndLoadsAgainToTheSameBytes) {
  const std::string name = GetParam();
  ASSERT_NE(host::TypeRegistry::Instance().Find(name), nullptr) << name << " is not registered";
  for (bool design : {true, false}) {
    SCOPED_TRACE(design ? "design time" : "run time");
    auto loaded = host::formio::LoadFormFile(Put("Form1.frm", FormWith(name)), design);
    ASSERT_EQ(loaded.form->Controls().Count(), 1);
    EXPECT_EQ(loaded.form->Controls().items()[0]->Class().full_name(), name);
    host::formio::SaveFormFile(*loaded.form, dir_ / "Saved1.frm", &loaded.file);
    host::Unload(*loaded.form);

    auto again = host::formio::LoadFormFile(dir_ / "Saved1.frm", design);
    host::formio::SaveFormFile(*again.form, dir_ / "Saved2.frm", &again.file);
    host::Unload(*again.form);
    const std::string first = Read(dir_ / "Saved1.frm");
    EXPECT_NE(first.find("Begin " + name + " Control1"), std::string::npos) << first;
    // Stored pictures name each save's own companion file; the rest is byte for byte.
    std::string second = Read(dir_ / "Saved2.frm");
    for (auto at = second.find("Saved2.frx"); at != std::string::npos;
         at = second.find("Saved2.frx"))
      second.replace(at, 10, "Saved1.frx");
    EXPECT_EQ(first, second);
    EXPECT_EQ(Read(dir_ / "Saved1.frx"), Read(dir_ / "Saved2.frx"));
  }
}

INSTANTIATE_TEST_SUITE_P(Library, EveryClass, ::testing::ValuesIn(kClasses),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string n = info.param;
                           return n.substr(n.find('.') + 1);
                         });

}  // namespace
