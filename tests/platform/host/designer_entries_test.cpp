// Form files as the original designer writes them: companion entries that are not pictures,
// companion names in another letter case, and text in a Western code page.

#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/vb/ansi.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::ParseFormFile;
using host::formfile::WriteFormFile;

using DesignerEntries = ScratchDir;

void U16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A list entry in the designer's layout: count, longest length, then length-prefixed items.
std::vector<std::uint8_t> ListEntry(const std::vector<std::string>& items) {
  std::vector<std::uint8_t> out;
  U16(out, static_cast<unsigned>(items.size()));
  if (items.empty()) return out;
  std::size_t longest = 0;
  for (const std::string& item : items) longest = std::max(longest, item.size());
  U16(out, static_cast<unsigned>(longest));
  for (const std::string& item : items) {
    U16(out, static_cast<unsigned>(item.size()));
    out.insert(out.end(), item.begin(), item.end());
  }
  return out;
}

// About box text (a multi-line Text without "$"), a combo box's List and ItemData, and an
// empty list box: read into their properties and written back to the same bytes.
TEST_F(DesignerEntries, TextListAndItemDataReadAndWriteBack) {
  vb::SetAnsiCodePage(1252);
  std::vector<std::uint8_t> frx;
  const std::string about = "Line one\r\nLigne deux \xE9t\xE9";  // code page 1252
  frx.push_back(static_cast<std::uint8_t>(about.size()));
  frx.insert(frx.end(), about.begin(), about.end());
  const std::size_t item_data = frx.size();
  for (std::uint8_t b : ListEntry({"0", "1", "25"})) frx.push_back(b);
  const std::size_t list = frx.size();
  for (std::uint8_t b : ListEntry({"Red", "Green", "Bl\xE9"})) frx.push_back(b);
  const std::size_t empty = frx.size();
  for (std::uint8_t b : ListEntry({})) frx.push_back(b);
  Put("About.frx", frx);
  char text[1024];
  std::snprintf(text, sizeof text,
                "VERSION 5.00\r\n"
                "Begin VB.Form frmAbout \r\n"
                "   Caption         =   \"About\"\r\n"
                "   Begin VB.TextBox txtInfo \r\n"
                "      Height          =   1455\r\n"
                "      MultiLine       =   -1  'True\r\n"
                "      Text            =   \"About.frx\":0000\r\n"
                "   End\r\n"
                "   Begin VB.ComboBox cboColour \r\n"
                "      ItemData        =   \"About.frx\":%04zX\r\n"
                "      List            =   \"About.frx\":%04zX\r\n"
                "   End\r\n"
                "   Begin VB.ComboBox cboNone \r\n"
                "      ItemData        =   \"About.frx\":%04zX\r\n"
                "   End\r\n"
                "End\r\n",
                item_data, list, empty);
  const fs::path path = Put("About.frm", std::string(text));

  const FormFile file = ParseFormFile(path);
  const auto* info = file.form.FindControl("txtInfo")->Find("Text");
  ASSERT_TRUE(info && info->scalar());
  EXPECT_EQ(info->scalar()->ToString(), "Line one\r\nLigne deux \xC3\xA9t\xC3\xA9");
  const auto* items = file.form.FindControl("cboColour")->Find("List");
  ASSERT_TRUE(items && items->list());
  EXPECT_EQ(items->list()->items, (std::vector<std::string>{"Red", "Green", "Bl\xC3\xA9"}));
  const auto* data = file.form.FindControl("cboColour")->Find("ItemData");
  ASSERT_TRUE(data && data->list());
  EXPECT_EQ(data->list()->items, (std::vector<std::string>{"0", "1", "25"}));
  EXPECT_TRUE(file.form.FindControl("cboNone")->Find("ItemData")->list()->items.empty());

  const fs::path copy = dir_ / "copy" / "About.frm";
  fs::create_directories(copy.parent_path());
  WriteFormFile(file, copy);
  EXPECT_EQ(Read(copy), text);
  EXPECT_EQ(Read(dir_ / "copy" / "About.frx"), std::string(frx.begin(), frx.end()));

  // A changed list is written in the same layout.
  FormFile changed = file;
  auto list_value = host::formfile::ListValue{{"Red", "Bl\xC3\xA9"}};
  for (auto& child : changed.form.children) {
    if (child.name == "cboColour")
      child.Set("List", host::formfile::PropertyValue::List(list_value));
  }
  WriteFormFile(changed, copy);
  const FormFile again = ParseFormFile(copy);
  EXPECT_EQ(again.form.FindControl("cboColour")->Find("List")->list()->items, list_value.items);
  vb::SetAnsiCodePage(936);
}

// A list entry that runs past the end of the companion file is refused with the line.
TEST_F(DesignerEntries, DamagedListIsRefused) {
  std::vector<std::uint8_t> frx;
  U16(frx, 3);
  U16(frx, 5);
  U16(frx, 5);
  frx.push_back('A');
  Put("F.frx", frx);
  const fs::path path = Put("F.frm",
                            "Begin VB.Form F\r\n   Begin VB.ComboBox c\r\n"
                            "      List            =   \"F.frx\":0000\r\n   End\r\nEnd\r\n");
  try {
    ParseFormFile(path);
    FAIL() << "a cut-short list was read";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), vb::kInvalidPropertyValue);
    EXPECT_NE(e.Detail().find(":3: "), std::string::npos) << e.Detail();
  }
}

// A form saved on a case-insensitive file system names its companion file in another case.
TEST_F(DesignerEntries, CompanionNameIgnoresLetterCase) {
  std::vector<std::uint8_t> frx;
  const std::string caption = "A long caption";
  frx.push_back(static_cast<std::uint8_t>(caption.size()));
  frx.insert(frx.end(), caption.begin(), caption.end());
  Put("LINEFUN.FRX", frx);
  const fs::path path = Put("LineFun.frm",
                            "Begin VB.Form frmLine\r\n"
                            "   Caption         =   $\"LINEFUN.frx\":0000\r\nEnd\r\n");
  EXPECT_EQ(ParseFormFile(path).form.Find("Caption")->scalar()->ToString(), caption);
}

// An accented letter just before a closing quote: in code page 936 it cannot start a
// double-byte character with the quote, so the string still ends there; in 1252 it reads as
// the letter.
TEST_F(DesignerEntries, CodePageNeverSwallowsTheClosingQuote) {
  const std::string bytes =
      "Begin VB.Form frmOpciones\r\n   Caption         =   \"Opci\xF3n\"\r\n"
      "   Tag             =   \"Caf\xE9\"\r\nEnd\r\n";
  const fs::path path = Put("Opciones.frm", bytes);
  struct Case {
    int code_page;
    std::string tag;
  };
  for (const Case& c : {Case{936, "Caf?"}, Case{1252, "Caf\xC3\xA9"}}) {
    SCOPED_TRACE(c.code_page);
    vb::SetAnsiCodePage(c.code_page);
    const FormFile file = ParseFormFile(path);
    EXPECT_EQ(file.form.Find("Tag")->scalar()->ToString(), c.tag);
    if (c.code_page == 1252) {
      // Unchanged text goes back in the same code page, byte for byte.
      WriteFormFile(file, dir_ / "out.frm");
      EXPECT_EQ(Read(dir_ / "out.frm"), bytes);
    }
  }
  vb::SetAnsiCodePage(936);
}

}  // namespace
}  // namespace formtest
