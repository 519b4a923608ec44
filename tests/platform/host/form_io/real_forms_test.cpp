// Real form files of small applications (see real_forms/README.md): they load, show, and
// save back to their own bytes, twice.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/form_io/form_io.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/ansi.h"
#include "tests/platform/host/form_test_support.h"

namespace {

namespace fs = std::filesystem;

class RealForms : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    host::RegisterEngineClasses();
    vb::SetAnsiCodePage(1252);
  }
  void TearDown() override {
    for (auto& f : forms_) {
      if (f && f->alive()) host::Unload(*f);
    }
    vb::SetAnsiCodePage(936);
    ScratchDir::TearDown();
  }
  host::formio::LoadedForm LoadAndShow(const fs::path& path) {
    host::formio::LoadedForm loaded = host::formio::LoadFormFile(path);
    forms_.push_back(loaded.form);
    loaded.form->Show();
    return loaded;
  }
  static host::Object& Find(VB::Form& form, const std::string& name) {
    for (const auto& o : form.Controls()) {
      if (host::SameName(o->DisplayName(), name)) return *o;
    }
    throw std::runtime_error("no control " + name);
  }

  desktop::HeadlessDesktop headless_;
  std::vector<std::shared_ptr<VB::Form>> forms_;
};

TEST_F(RealForms, LoadShowAndSaveBackToTheSameBytes) {
  struct Case {
    const char* name;
    int code_page;
  };
  for (const Case& c : {Case{"tempconv.frm", 1252}, Case{"calc.frm", 1252},
                        Case{"rocket_nopic.frm", 1252}, Case{"clock932.frm", 932}}) {
    const char* name = c.name;
    SCOPED_TRACE(name);
    vb::SetAnsiCodePage(c.code_page);
    const fs::path original = fs::path(QUORIN_REAL_FORMS) / name;
    const fs::path one = dir_ / "one" / name;
    const fs::path two = dir_ / "two" / name;
    fs::create_directories(one.parent_path());
    fs::create_directories(two.parent_path());
    host::formio::LoadedForm first = LoadAndShow(original);
    host::formio::SaveFormFile(*first.form, one, &first.file);
    host::formio::LoadedForm second = LoadAndShow(one);
    host::formio::SaveFormFile(*second.form, two, &second.file);
    EXPECT_EQ(Read(one), Read(original));
    EXPECT_EQ(Read(two), Read(one));
  }
}

// A Japanese form in code page 932 (half-width katakana in a comment, a form without a
// caption): read in 932 its texts are right; read in 936 the bytes that are no character
// there become "?" without taking the line end or the quote after them.
TEST_F(RealForms, TheCodePageDecidesTheText) {
  const fs::path path = fs::path(QUORIN_REAL_FORMS) / "clock932.frm";
  vb::SetAnsiCodePage(932);
  host::formio::LoadedForm japanese = LoadAndShow(path);
  EXPECT_EQ(japanese.form->Caption(), "");
  EXPECT_EQ(host::GetProperty(Find(*japanese.form, "Command1"), "Caption").ToString(),
            "\xE8\xA8\xAD\xE5\xAE\x9A...");  // 設定...
  EXPECT_EQ(japanese.file.form.Find("BorderStyle")->comment(),
            "\xE5\x9B\xBA\xE5\xAE\x9A\xEF\xBE\x80\xEF\xBE\x9E\xEF\xBD\xB2\xEF\xBD\xB1"
            "\xEF\xBE\x9B\xEF\xBD\xB8\xEF\xBE\x9E");  // 固定ﾀﾞｲｱﾛｸﾞ
  vb::SetAnsiCodePage(936);
  const host::formfile::FormFile chinese =
      host::formfile::ParseFormFile(path, host::formio::EngineParseOptions());
  EXPECT_TRUE(chinese.form.Find("BorderStyle")->comment().ends_with("?"));
  EXPECT_EQ(chinese.form.Find("ClientHeight")->scalar()->ToLong(), 4230);
}

// What the files mean: labels in the form's font size themselves to it; a maximised form
// with a timer; shapes behind the buttons.
TEST_F(RealForms, ValuesTheDesignerMeant) {
  const fs::path dir(QUORIN_REAL_FORMS);
  host::formio::LoadedForm temp = LoadAndShow(dir / "tempconv.frm");
  auto font = std::dynamic_pointer_cast<vb::StdFont>(
      host::GetProperty(Find(*temp.form, "Label1"), "Font").ToObject());
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Size(), 15);
  EXPECT_TRUE(font->Bold());
  EXPECT_EQ(host::GetProperty(Find(*temp.form, "Option1"), "Caption").ToString(), "Farheniet");

  host::formio::LoadedForm rocket = LoadAndShow(dir / "rocket_nopic.frm");
  EXPECT_EQ(rocket.form->WindowState(), 2);
  EXPECT_EQ(host::GetProperty(Find(*rocket.form, "Timer1"), "Interval").ToLong(), 500);
  EXPECT_FALSE(host::GetProperty(Find(*rocket.form, "Timer1"), "Enabled").ToBoolean());

  host::formio::LoadedForm calc = LoadAndShow(dir / "calc.frm");
  EXPECT_EQ(host::GetProperty(Find(*calc.form, "Shape1"), "Shape").ToLong(), 0);
  EXPECT_EQ(host::GetProperty(Find(*calc.form, "Command1(10)"), "Caption").ToString(), "00");
}

}  // namespace
