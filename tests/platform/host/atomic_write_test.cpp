// Saving replaces the files only when the new content is complete.

#include <string>

#include "form_test_support.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::FormNode;
using host::formfile::PropertyValue;
using host::formfile::WriteFormFile;

using AtomicWrite = ScratchDir;

FormFile SmallForm(const std::string& caption) {
  FormFile file;
  file.form.class_name = "VB.Form";
  file.form.name = "Form1";
  file.form.Set("Caption", PropertyValue::Scalar(vb::Variant(caption)));
  file.form.Set("Icon", PropertyValue::Picture(
                            vb::MakeBitmapPicture(vb::PixelBuffer{1, 1, {0xFF00FF00u}, false})));
  return file;
}

std::size_t FilesIn(const fs::path& dir) {
  std::size_t n = 0;
  for (const auto& entry : fs::directory_iterator(dir)) n += entry.is_regular_file();
  return n;
}

// A tree that cannot be written, or a folder that does not exist, leaves the files that were
// there as they were and no temporary files behind.
TEST_F(AtomicWrite, FailureLeavesTheOldFilesAlone) {
  const fs::path path = dir_ / "Form1.frm";
  WriteFormFile(SmallForm("old"), path);
  const std::string old_form = Read(path);
  const std::string old_frx = Read(dir_ / "Form1.frx");

  struct Case {
    const char* label;
    FormFile file;
    fs::path target;
    int number;
  };
  FormFile bad_name = SmallForm("new");
  FormNode label;
  label.class_name = "VB.Label";
  label.name = "two words";
  bad_name.form.children.push_back(label);
  FormFile bad_number = SmallForm("new");
  bad_number.form.Set("Left", PropertyValue::Scalar(vb::Variant(1.0 / 0.0)));
  FormFile bad_newline = SmallForm("new");
  bad_newline.newline = "\r";
  FormFile bad_guid = SmallForm("new");
  bad_guid.form.Set("Other", PropertyValue::Group({"{12}\r\nEnd", {}, ""}));
  const std::vector<Case> cases = {
      {"bad newline", bad_newline, path, vb::kInvalidPropertyValue},
      {"bad class id", bad_guid, path, vb::kInvalidPropertyValue},
      {"form named like its companion", SmallForm("new"), dir_ / "Form1.frx",
       vb::kInvalidPropertyValue},
      {"bad control name", bad_name, path, vb::kInvalidPropertyValue},
      {"number not finite", bad_number, path, vb::kInvalidPropertyValue},
      {"missing folder", SmallForm("new"), dir_ / "none" / "Form1.frm", 75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    try {
      WriteFormFile(c.file, c.target);
      ADD_FAILURE() << "written";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), c.number) << e.Detail();
    }
    EXPECT_EQ(Read(path), old_form);
    EXPECT_EQ(Read(dir_ / "Form1.frx"), old_frx);
    EXPECT_EQ(FilesIn(dir_), 2u);
  }

  WriteFormFile(SmallForm("new"), path);
  EXPECT_NE(Read(path), old_form);
  EXPECT_EQ(FilesIn(dir_), 2u);
}

}  // namespace
}  // namespace formtest
