// Pictures in form files: through the companion file and through LoadPicture.

#include <string>
#include <vector>

#include "form_test_support.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::FormNode;
using host::formfile::ParseFormFile;
using host::formfile::PictureValue;
using host::formfile::PropertyValue;
using host::formfile::WriteFormFile;
using host::formfile::WriteOptions;

using Pictures = ScratchDir;

std::uint32_t Rgb(int x, int y) {
  return static_cast<std::uint32_t>(0x102030 + x * 0x40 + y * 0x400000);
}

vb::PixelBuffer Checker(int width, int height) {
  vb::PixelBuffer buffer;
  buffer.width = width;
  buffer.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Opaque, half-transparent (premultiplied) and clear pixels.
      const std::uint32_t kinds[] = {0xFF3366CCu, 0x80102040u, 0x00000000u};
      buffer.pixels.push_back(kinds[(x + y) % 3]);
    }
  }
  buffer.has_transparency = true;
  return buffer;
}

FormFile FormWithPictures(vb::PictureRef icon, vb::PictureRef picture) {
  FormFile file;
  file.form.class_name = "VB.Form";
  file.form.name = "Form1";
  file.form.Set("Icon", PropertyValue::Picture(std::move(icon)));
  FormNode box;
  box.class_name = "VB.PictureBox";
  box.name = "Picture1";
  box.Set("Picture", PropertyValue::Picture(std::move(picture)));
  file.form.children.push_back(std::move(box));
  return file;
}

// Pictures made in memory are stored in the companion file and load back with the same
// pixels and type; the entries follow one another in the engine's "lt" layout.
TEST_F(Pictures, MemoryPicturesRoundTripThroughTheCompanionFile) {
  const vb::PictureRef bitmap = vb::MakeBitmapPicture(Checker(5, 3));
  const vb::PictureRef icon = std::make_shared<vb::StdPicture>(
      vb::vbPicTypeIcon, std::make_shared<const vb::PixelBuffer>(Checker(16, 16)));
  const fs::path path = dir_ / "Main.frm";
  WriteFormFile(FormWithPictures(icon, bitmap), path);

  const std::string frx = Read(dir_ / "Main.frx");
  ASSERT_GE(frx.size(), 12u);
  EXPECT_EQ(frx.substr(4, 4), std::string("lt\0\0", 4));
  const auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(frx[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(frx[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(frx[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(frx[at + 3])) << 24;
  };
  const std::uint32_t first = u32(8);
  EXPECT_EQ(u32(0), first + 8);
  const std::string text = Read(path);
  EXPECT_NE(text.find("   Icon            =   \"Main.frx\":0000\r\n"), std::string::npos) << text;
  char second[64];
  std::snprintf(second, sizeof second, "      Picture         =   \"Main.frx\":%04X\r\n",
                first + 12);
  EXPECT_NE(text.find(second), std::string::npos) << text;

  const FormFile back = ParseFormFile(path);
  const vb::PictureRef icon_back = back.form.Find("Icon")->picture()->picture;
  const vb::PictureRef bitmap_back = back.form.children[0].Find("Picture")->picture()->picture;
  ASSERT_TRUE(icon_back && bitmap_back);
  EXPECT_EQ(icon_back->Type(), vb::vbPicTypeIcon);
  EXPECT_EQ(bitmap_back->Type(), vb::vbPicTypeBitmap);
  EXPECT_EQ(icon_back->Pixels()->pixels, icon->Pixels()->pixels);
  EXPECT_EQ(bitmap_back->Pixels()->pixels, bitmap->Pixels()->pixels);
  EXPECT_EQ(bitmap_back->PixelWidth(), 5);

  // Written again, the stored bytes are reused: both files come out the same.
  const fs::path again = dir_ / "Again.frm";
  WriteFormFile(back, again);
  EXPECT_EQ(Read(dir_ / "Again.frx"), frx);
}

// A companion file in the engine's own layout with a BMP in it reads, and writing the form
// again gives the same companion bytes and text.
TEST_F(Pictures, EngineCompanionFileWithBmpReadsAndRewritesIdentically) {
  std::vector<std::uint8_t> frx = PictureEntry(MakeBmp(3, 2, Rgb));
  const std::size_t second = frx.size();
  const std::vector<std::uint8_t> empty_entry = PictureEntry({});
  frx.insert(frx.end(), empty_entry.begin(), empty_entry.end());
  Put("Form1.frx", frx);
  char text[256];
  std::snprintf(
      text, sizeof text,
      "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Picture         =   \"Form1.frx\":0000\r\n"
      "   Icon            =   \"Form1.frx\":%04zX\r\nEnd\r\n",
      second);
  const fs::path path = Put("Form1.frm", std::string(text));

  const FormFile file = ParseFormFile(path);
  const PictureValue& picture = *file.form.Find("Picture")->picture();
  ASSERT_TRUE(picture.picture);
  EXPECT_EQ(picture.companion_offset, 0u);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(picture.picture->Pixels()->at(x, y), 0xFF000000u | Rgb(x, y));
  }
  EXPECT_TRUE(vb::IsEmpty(file.form.Find("Icon")->picture()->picture));

  const fs::path copy = dir_ / "copy" / "Form1.frm";
  fs::create_directories(copy.parent_path());
  WriteFormFile(file, copy);
  // The BMP keeps its bytes and its offset; the zero-length entry ("no icon") stays one, so
  // the form's default icon does not come back.
  EXPECT_EQ(Read(copy), text);
  EXPECT_EQ(Read(dir_ / "copy" / "Form1.frx"), std::string(frx.begin(), frx.end()));
}

// LoadPicture("…") reads a file relative to the form's folder. Saving stores the picture in
// the companion file; with keep_picture_files the reference stays, re-based on the folder the
// form is saved to.
TEST_F(Pictures, LoadPictureIsRelativeToTheFormFile) {
  const std::vector<std::uint8_t> bmp = MakeBmp(2, 2, Rgb);
  Put("src/icons/mail.bmp", bmp);
  const fs::path path = Put("src/Form1.frm",
                            "Begin VB.Form Form1\n"
                            "   Icon            =   LoadPicture(\"icons/mail.bmp\")\n"
                            "   Picture         =   LoadPicture(\"\")\n"
                            "End\n");
  const FormFile file = ParseFormFile(path);
  const PictureValue& icon = *file.form.Find("Icon")->picture();
  ASSERT_TRUE(icon.picture);
  EXPECT_EQ(icon.picture->Pixels()->at(1, 1), 0xFF000000u | Rgb(1, 1));
  EXPECT_EQ(icon.load_path, "icons/mail.bmp");
  EXPECT_TRUE(vb::IsEmpty(file.form.Find("Picture")->picture()->picture));

  const fs::path embedded = dir_ / "out" / "Embedded.frm";
  fs::create_directories(embedded.parent_path());
  WriteFormFile(file, embedded);
  EXPECT_EQ(Read(embedded),
            "Begin VB.Form Form1\n   Icon            =   \"Embedded.frx\":0000\n"
            "End\n");
  const std::vector<std::uint8_t> entry = PictureEntry(bmp);
  EXPECT_EQ(Read(dir_ / "out" / "Embedded.frx"), std::string(entry.begin(), entry.end()));
  const FormFile back = ParseFormFile(embedded);
  EXPECT_EQ(back.form.Find("Icon")->picture()->picture->Pixels()->pixels,
            icon.picture->Pixels()->pixels);

  WriteOptions keep;
  keep.keep_picture_files = true;
  struct Case {
    fs::path target;
    std::string reference;
  };
  const std::vector<Case> cases = {
      {dir_ / "src" / "Same.frm", "LoadPicture(\"icons/mail.bmp\")"},
      {dir_ / "out" / "Other.frm", "LoadPicture(\"../src/icons/mail.bmp\")"},
  };
  for (const Case& c : cases) {
    WriteFormFile(file, c.target, keep);
    EXPECT_EQ(Read(c.target),
              "Begin VB.Form Form1\n   Icon            =   " + c.reference + "\nEnd\n");
    EXPECT_FALSE(fs::exists(host::formfile::CompanionPathFor(c.target)));
    const FormFile reread = ParseFormFile(c.target);
    EXPECT_EQ(reread.form.Find("Icon")->picture()->picture->Pixels()->pixels,
              icon.picture->Pixels()->pixels);
  }
}

}  // namespace
}  // namespace formtest
