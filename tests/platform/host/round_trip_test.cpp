// Reading a form file, writing it back and reading it again.

#include <string>
#include <vector>

#include "form_test_support.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::FormNode;
using host::formfile::ParseFormFile;
using host::formfile::ParseFormText;
using host::formfile::PropertyValue;
using host::formfile::WriteFormFile;

std::string Join(const std::vector<std::string>& lines, const std::string& newline) {
  std::string out;
  for (const std::string& line : lines) out += line + newline;
  return out;
}

// The mail form as the engine lays it out, with an Object line, comments, a font, a menu tree
// and the Attribute lines and code that follow the form.
const std::vector<std::string> kMailForm = {
    "VERSION 5.00",
    "Object = \"{6B9B7C64-1F1A-4C1B-9D1E-2E3F4A5B6C7D}#1.0#0\"; \"QuorinSkin.ocx\"",
    "Begin VB.Form Form1",
    "   BorderStyle     =   2  'Sizable",
    "   Caption         =   \"Mail\"",
    "   ClientHeight    =   4500",
    "   ClientWidth     =   6000",
    "   BackColor       =   &H8000000F&",
    "   Begin QuorinSkinForVB6.QuorinSkin QuorinSkin1",
    "      Height          =   4500",
    "      Left            =   0",
    "      Top             =   0",
    "      Width           =   6000",
    "      Caption         =   \"Mail\"",
    "      Theme           =   1",
    "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}",
    "         Name            =   \"Arial\"",
    "         Size            =   9.75",
    "         Weight          =   700",
    "      EndProperty",
    "   End",
    "   Begin VB.Menu mnuFile",
    "      Caption         =   \"&File\"",
    "      Tag             =   \"CBS\"",
    "      Begin VB.Menu mnuExit",
    "         Caption         =   \"E&xit\"",
    "      End",
    "   End",
    "End",
    "Attribute VB_Name = \"Form1\"",
    "Attribute VB_GlobalNameSpace = False",
    "Option Explicit",
    "",
    "Private Sub Form_Load()",
    "End Sub",
};

class RoundTrip : public ScratchDir, public ::testing::WithParamInterface<std::string> {};

TEST_P(RoundTrip, MailFormReadsAndWritesBackUnchanged) {
  const std::string text = Join(kMailForm, GetParam());
  const fs::path path = Put("Form1.frm", text);
  const FormFile file = ParseFormFile(path);

  EXPECT_EQ(file.version, "5.00");
  ASSERT_EQ(file.header_lines.size(), 1u);
  EXPECT_EQ(file.header_lines[0].rfind("Object = ", 0), 0u);
  EXPECT_EQ(file.newline, GetParam());
  EXPECT_EQ(file.form.class_name, "VB.Form");
  EXPECT_EQ(file.form.name, "Form1");
  const PropertyValue* border = file.form.Find("borderstyle");
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(*border->scalar(), vb::Variant(std::int16_t{2}));
  EXPECT_EQ(border->comment(), "Sizable");
  EXPECT_EQ(file.form.Find("BackColor")->scalar()->ToLong(), static_cast<std::int32_t>(0x8000000F));

  ASSERT_EQ(file.form.children.size(), 2u);
  const FormNode& skin = file.form.children[0];
  EXPECT_EQ(skin.class_name, "QuorinSkinForVB6.QuorinSkin");
  const vb::FontRef font = *skin.Find("Font")->font();
  EXPECT_EQ(font->Name(), "Arial");
  EXPECT_FLOAT_EQ(font->Size(), 9.75f);
  EXPECT_TRUE(font->Bold());
  EXPECT_EQ(skin.line, 9);

  const FormNode& menu = file.form.children[1];
  EXPECT_EQ(menu.Find("Tag")->scalar()->ToString(), "CBS");
  ASSERT_EQ(menu.children.size(), 1u);
  EXPECT_EQ(menu.children[0].Find("Caption")->scalar()->ToString(), "E&xit");
  EXPECT_EQ(file.trailer.rfind("Attribute VB_Name = \"Form1\"", 0), 0u);
  EXPECT_NE(file.trailer.find("Private Sub Form_Load()"), std::string::npos);

  const fs::path copy = dir_ / "out" / "Form1.frm";
  fs::create_directories(copy.parent_path());
  WriteFormFile(file, copy);
  EXPECT_EQ(Read(copy), text);
  EXPECT_FALSE(fs::exists(dir_ / "out" / "Form1.frx"));  // nothing needed the companion file
  const FormFile again = ParseFormFile(copy);
  EXPECT_TRUE(host::formfile::SameTree(file.form, again.form));
}

INSTANTIATE_TEST_SUITE_P(Newlines, RoundTrip, ::testing::Values("\r\n", "\n"));

using EngineFile = ScratchDir;

// A file as the engine itself writes it (trailing spaces after Begin lines, property groups of
// other controls with a picture inside, a text in the companion file with a four-byte length,
// menu shortcuts, keys with dots and indexes) is written back byte for byte, companion included.
TEST_F(EngineFile, EngineLayoutRoundTripsByteForByte) {
  std::vector<std::uint8_t> frx = PictureEntry(MakeBmp(
      2, 3, [](int x, int y) { return static_cast<std::uint32_t>(0x203040 * (x + 1) + y); }));
  const std::size_t text_offset = frx.size();
  const std::string multi = "line 1\r\nline 2";
  frx.insert(frx.end(), {static_cast<std::uint8_t>(multi.size()), 0, 0, 0});
  frx.insert(frx.end(), multi.begin(), multi.end());
  Put("frmMain.frx", frx);
  const std::string text =
      Join({"VERSION 5.00",
            "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"",
            "Begin VB.Form frmMain ",
            "   Caption         =   \"Main\"",
            "   StartUpPosition =   3  'Windows Default",
            "   Begin MSComctlLib.ImageList ImageList1 ",
            "      _ExtentX        =   1005",
            "      _Version        =   393216",
            "      BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} ",
            "         NumListImages   =   1",
            "         BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} ",
            "            Picture         =   \"frmMain.frx\":0000",
            "            Key             =   \"\"",
            "         EndProperty",
            "      EndProperty",
            "   End",
            "   Begin TabDlg.SSTab SSTab1 ",
            "      Tab(0).Caption  =   \"General\"",
            "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} ",
            "         Name            =   \"MS Sans Serif\"",
            "         Size            =   8.25",
            "         Charset         =   0",
            "         Weight          =   400",
            "         Underline       =   0   'False",
            "         Italic          =   0   'False",
            "         Strikethrough   =   0   'False",
            "      EndProperty",
            "      Text            =   $\"frmMain.frx\":" +
                host::formfile::frx::FormatOffset(static_cast<std::uint32_t>(text_offset)),
            "   End",
            "   Begin VB.Menu mnuFile ",
            "      Caption         =   \"&File\"",
            "      Begin VB.Menu mnuSave ",
            "         Caption         =   \"&Save\"",
            "         Shortcut        =   ^S",
            "      End",
            "      Begin VB.Menu mnuHelp ",
            "         Shortcut        =   {F1}",
            "      End",
            "   End",
            "End",
            "Attribute VB_Name = \"frmMain\""},
           "\r\n");
  const fs::path path = Put("frmMain.frm", text);
  const FormFile file = ParseFormFile(path);

  const FormNode& images = file.form.children[0];
  const host::formfile::PropertyGroup* group = images.Find("Images")->group();
  ASSERT_NE(group, nullptr);
  const host::formfile::PropertyGroup* image = group->properties.Find("ListImage1")->group();
  ASSERT_NE(image, nullptr);
  const vb::PictureRef picture = image->properties.Find("Picture")->picture()->picture;
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Pixels()->at(1, 2), 0xFF000000u | (0x203040 * 2 + 2));
  EXPECT_EQ(file.form.children[1].Find("Text")->scalar()->ToString(), multi);
  EXPECT_EQ(file.form.children[1].Find("tab(0).caption")->scalar()->ToString(), "General");
  const PropertyValue* shortcut = file.form.children[2].children[0].Find("Shortcut");
  EXPECT_TRUE(shortcut->shortcut());
  EXPECT_EQ(shortcut->scalar()->ToString(), "^S");

  const fs::path copy = dir_ / "copy" / "frmMain.frm";
  fs::create_directories(copy.parent_path());
  WriteFormFile(file, copy);
  EXPECT_EQ(Read(copy), text);
  EXPECT_EQ(Read(dir_ / "copy" / "frmMain.frx"), std::string(frx.begin(), frx.end()));
}

using Writer = ScratchDir;

// A tree made in memory is written in the engine's layout, and that text reads back to the
// same tree and writes again to the same bytes.
TEST_F(Writer, FreshTreeUsesTheEngineLayoutAndIsStable) {
  FormFile file;
  file.newline = "\n";
  file.form.class_name = "VB.Form";
  file.form.name = "Form1";
  file.form.Set("Caption", PropertyValue::Scalar(vb::Variant("Say \"hi\"")));
  file.form.Set("BackColor", PropertyValue::Hex(static_cast<std::int32_t>(0x8000000F)));
  file.form.Set("ControlBox", PropertyValue::Scalar(vb::Variant(false)));
  file.form.Set("ShowInTaskbar", PropertyValue::Scalar(vb::Variant(true)));
  file.form.Set("StartUpPosition",
                PropertyValue::Scalar(vb::Variant(std::int16_t{3}), "Windows Default"));
  file.form.Set("Opacity", PropertyValue::Scalar(vb::Variant(0.1f)));
  file.form.Set("ClientWidth", PropertyValue::Scalar(vb::Variant(std::int32_t{70000})));
  file.form.Set("NegotiateToolbars", PropertyValue::Scalar(vb::Variant(std::int16_t{-5})));
  FormNode button;
  button.class_name = "QuorinSkinForVB6.VistaButton";
  button.name = "VistaButton1";
  button.SetIndex(0);
  auto font = std::make_shared<vb::StdFont>("宋体", 9.0f);
  font->Charset(134);
  font->Italic(true);
  button.Set("Font", PropertyValue::Font(font));
  file.form.children.push_back(button);
  file.trailer = "Attribute VB_Name = \"Form1\"\n";

  const fs::path path = dir_ / "Form1.frm";
  WriteFormFile(file, path);
  const std::string expected =
      "VERSION 5.00\n"
      "Begin VB.Form Form1\n"
      "   Caption         =   \"Say \"\"hi\"\"\"\n"
      "   BackColor       =   &H8000000F&\n"
      "   ControlBox      =   0   'False\n"
      "   ShowInTaskbar   =   -1  'True\n"
      "   StartUpPosition =   3  'Windows Default\n"
      "   Opacity         =   0.1\n"
      "   ClientWidth     =   70000\n"
      "   NegotiateToolbars =   -5\n"
      "   Begin QuorinSkinForVB6.VistaButton VistaButton1\n"
      "      Index           =   0\n"
      "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}\n"
      "         Name            =   \"宋体\"\n"
      "         Size            =   9\n"
      "         Charset         =   134\n"
      "         Weight          =   400\n"
      "         Underline       =   0   'False\n"
      "         Italic          =   -1  'True\n"
      "         Strikethrough   =   0   'False\n"
      "      EndProperty\n"
      "   End\n"
      "End\n"
      "Attribute VB_Name = \"Form1\"\n";
  EXPECT_EQ(Read(path), expected);

  const FormFile back = ParseFormFile(path);
  EXPECT_EQ(back.form.Find("Caption")->scalar()->ToString(), "Say \"hi\"");
  EXPECT_FLOAT_EQ(back.form.Find("Opacity")->scalar()->ToSingle(), 0.1f);
  EXPECT_TRUE((*back.form.children[0].Find("Font")->font())->SameAttributes(*font));
  EXPECT_EQ(back.form.children[0].Index(), 0);
  const fs::path again = dir_ / "Again.frm";
  WriteFormFile(back, again);
  EXPECT_EQ(Read(again), expected);
}

// A value changed after loading is written in the writer's own layout; the lines around it
// stay as they were read.
TEST_F(Writer, ChangedValuesAreWrittenAfresh) {
  const std::string text = Join(kMailForm, "\r\n");
  FormFile file = ParseFormText(text, "Form1.frm", dir_);
  file.form.Set("caption", PropertyValue::Scalar(vb::Variant("Inbox")));
  (*file.form.children[0].Find("Font")->font())->Size(12.0f);

  const fs::path path = dir_ / "Form1.frm";
  WriteFormFile(file, path);
  std::string expected = text;
  auto replace = [&](const std::string& from, const std::string& to) {
    const std::size_t at = expected.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    expected.replace(at, from.size(), to);
  };
  replace("   Caption         =   \"Mail\"", "   Caption         =   \"Inbox\"");
  replace(
      "         Name            =   \"Arial\"\r\n"
      "         Size            =   9.75\r\n"
      "         Weight          =   700\r\n",
      "         Name            =   \"Arial\"\r\n"
      "         Size            =   12\r\n"
      "         Charset         =   0\r\n"
      "         Weight          =   700\r\n"
      "         Underline       =   0   'False\r\n"
      "         Italic          =   0   'False\r\n"
      "         Strikethrough   =   0   'False\r\n");
  EXPECT_EQ(Read(path), expected);
}

// Strings the text cannot hold go to the companion file as $-references and come back whole.
TEST_F(Writer, LongAndMultiLineStringsGoThroughTheCompanionFile) {
  const std::vector<std::string> values = {"first line\r\nsecond line", std::string(2000, 'x'),
                                           std::string(70000, 'y'),
                                           "tab\tand \"quotes\" stay inline"};
  FormFile file;
  file.form.class_name = "VB.Form";
  file.form.name = "Form1";
  for (std::size_t i = 0; i < values.size(); ++i) {
    file.form.Set("Text" + std::to_string(i), PropertyValue::Scalar(vb::Variant(values[i])));
  }
  const fs::path path = dir_ / "Strings.frm";
  WriteFormFile(file, path);
  const std::string text = Read(path);
  EXPECT_NE(text.find("Text0           =   $\"Strings.frx\":0000"), std::string::npos) << text;
  EXPECT_NE(text.find("Text3           =   \"tab\t"), std::string::npos) << text;
  const std::string frx = Read(dir_ / "Strings.frx");
  ASSERT_GE(frx.size(), 1u);
  EXPECT_EQ(static_cast<unsigned char>(frx[0]), values[0].size());  // one length byte

  const FormFile back = ParseFormFile(path);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const PropertyValue* v = back.form.Find("Text" + std::to_string(i));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->scalar()->ToString(), values[i]) << i;
  }
  const fs::path again = dir_ / "Again.frm";
  WriteFormFile(back, again);
  EXPECT_EQ(Read(dir_ / "Again.frx"), frx);
}

TEST(PropertyList, LooksUpWithoutCaseAndKeepsOrder) {
  FormNode node;
  node.class_name = "VB.Label";
  node.name = "Label1";
  node.Set("Caption", PropertyValue::Scalar(vb::Variant("a")));
  node.Set("Left", PropertyValue::Scalar(vb::Variant(std::int16_t{10})));
  node.Set("CAPTION", PropertyValue::Scalar(vb::Variant("b")));
  ASSERT_EQ(node.properties.size(), 2u);
  EXPECT_EQ(node.properties[0].key, "Caption");  // the first spelling and place stay
  EXPECT_EQ(node.Find("caption")->scalar()->ToString(), "b");
  EXPECT_TRUE(node.Remove("LEFT"));
  EXPECT_FALSE(node.Remove("Left"));
  EXPECT_EQ(node.Find("Left"), nullptr);
  EXPECT_THROW(PropertyValue::Scalar(vb::Variant()), vb::Error);
  EXPECT_THROW(node.SetIndex(40000), vb::Error);
}

// FromVariant keeps what was read for a value that did not change, so saving an untouched
// control gives back its text, and takes a fresh value otherwise.
TEST(PropertyList, FromVariantKeepsTheSourceOfUnchangedValues) {
  const FormFile file = ParseFormText(
      "Begin VB.Form Form1\n   Enabled         =   -1  'True\n   BackColor       =   "
      "&H00FF00FF&\nEnd\n",
      "f.frm", ".");
  const PropertyValue* enabled = file.form.Find("Enabled");
  const PropertyValue same = PropertyValue::FromVariant(enabled->ToVariant(), enabled);
  EXPECT_EQ(same.comment(), "True");
  const PropertyValue* color = file.form.Find("BackColor");
  EXPECT_TRUE(PropertyValue::FromVariant(color->ToVariant(), color).hex());
  const PropertyValue recoloured =
      PropertyValue::FromVariant(vb::Variant(std::int32_t{0x00FF0000}), color);
  EXPECT_TRUE(recoloured.hex());
  EXPECT_EQ(*recoloured.scalar(), vb::Variant(std::int32_t{0x00FF0000}));
  const PropertyValue changed = PropertyValue::FromVariant(vb::Variant(std::int16_t{0}), enabled);
  EXPECT_EQ(changed.comment(), "");
  EXPECT_EQ(*changed.scalar(), vb::Variant(std::int16_t{0}));
  auto font = std::make_shared<vb::StdFont>();
  EXPECT_EQ(*PropertyValue::FromVariant(vb::Variant(font)).font(), font);
}

}  // namespace
}  // namespace formtest
