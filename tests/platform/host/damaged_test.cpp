// Damaged form files are refused as a whole with the file, the line and the reason; no input
// crashes the reader.

#include <random>
#include <string>
#include <vector>

#include "form_test_support.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::kMaxFormFileBytes;
using host::formfile::kMaxNesting;
using host::formfile::ParseFormFile;
using host::formfile::ParseOptions;

struct Damage {
  const char* label;
  std::string text;
  // Files beside the form (name, bytes).
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
  int line;
  std::string reason;
};

std::vector<std::uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

std::string Nested(int levels) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += "Begin VB.PictureBox P" + std::to_string(i) + "\n";
  for (int i = 0; i < levels; ++i) text += "End\n";
  return text;
}

std::string NestedGroups(int levels) {
  std::string text = "Begin VB.Form Form1\n";
  for (int i = 1; i < levels; ++i) text += "BeginProperty G" + std::to_string(i) + " {1234}\n";
  for (int i = 1; i < levels; ++i) text += "EndProperty\n";
  return text + "End\n";
}

std::vector<Damage> Cases() {
  const std::string head = "VERSION 5.00\nBegin VB.Form Form1\n";
  std::vector<std::uint8_t> corrupt_bmp = Bytes("BM");
  corrupt_bmp.resize(30, 0x7F);
  std::vector<std::uint8_t> short_entry = PictureEntry(std::vector<std::uint8_t>(100, 1));
  short_entry.resize(20);
  return {
      {"extra End", head + "End\nEnd\n", {}, 4, "unexpected text after the form's End"},
      {"missing End",
       head + "   Begin VB.Label Label1\n   End\n",
       {},
       4,
       "end of file before the End of Form1 (Begin at line 2)"},
      {"BeginProperty closed by End",
       head + "   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}\n      Name = "
              "\"A\"\nEnd\n",
       {},
       5,
       "missing EndProperty of Font (BeginProperty at line 3)"},
      {"BeginProperty at end of file",
       head + "   BeginProperty Font\n      Name = \"A\"\n",
       {},
       4,
       "end of file before the EndProperty of Font"},
      {"EndProperty alone",
       head + "   EndProperty\nEnd\n",
       {},
       3,
       "EndProperty without BeginProperty"},
      {"bad value", head + "   Left = abc\nEnd\n", {}, 3, "bad value"},
      {"unterminated string", head + "   Caption = \"Mail\nEnd\n", {}, 3, "unterminated string"},
      {"text after the value",
       head + "   Left = 5 6\nEnd\n",
       {},
       3,
       "unexpected text after the value"},
      {"number out of range", head + "   Left = 1E999\nEnd\n", {}, 3, "number out of range"},
      {"hex without digits", head + "   BackColor = &HXYZ&\nEnd\n", {}, 3, "&H without digits"},
      {"key twice",
       head + "   Left = 1\n   LEFT = 2\nEnd\n",
       {},
       4,
       "LEFT given twice (first at line 3)"},
      {"missing value", head + "   Left =\nEnd\n", {}, 3, "missing value for Left"},
      {"bad Index",
       head + "   Begin VB.Label L\n      Index = -1\n   End\nEnd\n",
       {},
       4,
       "Index must be"},
      {"unknown font attribute",
       head + "   BeginProperty Font\n      Colour = 5\n   EndProperty\nEnd\n",
       {},
       4,
       "unknown font attribute Colour"},
      {"bad font size",
       head + "   BeginProperty Font\n      Size = 0\n   EndProperty\nEnd\n",
       {},
       4,
       "bad value for the font's Size"},
      {"unknown syntax", head + "   Dim x\nEnd\n", {}, 3, "unknown syntax"},
      {"huge unknown line",
       head + "   " + std::string(100000, 'x') + "\nEnd\n",
       {},
       3,
       "unknown syntax: \"xxx"},
      {"bad menu shortcut", head + "   Shortcut = ^{F1\nEnd\n", {}, 3, "bad menu shortcut ^{F1"},
      {"bare $", head + "   Text = $5\nEnd\n", {}, 3, "$ must start a companion-file reference"},
      {"Begin without a name",
       head + "   Begin VB.Label\n   End\nEnd\n",
       {},
       3,
       "without a control name"},
      {"text before Begin", "Hello\nBegin VB.Form Form1\nEnd\n", {}, 1, "before the form's Begin"},
      {"empty file", "", {}, 1, "no Begin block"},
      {"companion file missing",
       head + "   Icon = \"Form1.frx\":0000\nEnd\n",
       {},
       3,
       "companion file Form1.frx not found"},
      {"offset beyond the companion file",
       head + "   Icon = \"Form1.frx\":0100\nEnd\n",
       {{"Form1.frx", PictureEntry(MakeBmp(1, 1, [](int, int) { return 0u; }))}},
       3,
       "at 0100: beyond the end"},
      {"short companion entry",
       head + "   Icon = \"Form1.frx\":0000\nEnd\n",
       {{"Form1.frx", short_entry}},
       3,
       "picture data cut short"},
      {"companion header cut",
       head + "   Icon = \"Form1.frx\":0000\nEnd\n",
       {{"Form1.frx", Bytes("\x10\x00\x00")}},
       3,
       "picture header cut short"},
      {"not a picture entry",
       head + "   Icon = \"Form1.frx\":0000\nEnd\n",
       {{"Form1.frx", std::vector<std::uint8_t>(16, 0)}},
       3,
       "no \"lt\" signature"},
      {"corrupt picture in the companion",
       head + "   Icon = \"Form1.frx\":0000\nEnd\n",
       {{"Form1.frx", PictureEntry(corrupt_bmp)}},
       3,
       "bad picture in companion file Form1.frx at 0000: bmp: "},
      {"companion string cut",
       head + "   Text = $\"Form1.frx\":0000\nEnd\n",
       {{"Form1.frx", Bytes("\x10"
                            "abc")}},
       3,
       "string data cut short"},
      {"LoadPicture of a missing file",
       head + "   Icon = LoadPicture(\"icons/none.png\")\nEnd\n",
       {},
       3,
       "LoadPicture: file icons/none.png not found"},
      {"LoadPicture of a corrupt file",
       head + "   Icon = LoadPicture(\"bad.png\")\nEnd\n",
       {{"bad.png", Bytes("\x89PNG\r\n\x1a\n garbage")}},
       3,
       "LoadPicture(\"bad.png\"): "},
      {"binary garbage",
       std::string("\x00\x01\x02\xFF\xFE", 5) + "Begin",
       {},
       1,
       "unexpected control character 0x00"},
      {"garbage on a later line",
       head + std::string("   \x7F\x05\n", 6) + "End\n",
       {},
       3,
       "unexpected control character 0x05"},
      {"not UTF-8 after a byte-order mark",
       "\xEF\xBB\xBF" + head + "   Caption = \"\xC3\"\nEnd\n",
       {},
       3,
       "not UTF-8"},
      {"Begin blocks nested too deeply",
       Nested(kMaxNesting + 1),
       {},
       kMaxNesting + 1,
       "nested too deeply"},
      {"property groups nested too deeply",
       NestedGroups(kMaxNesting + 1),
       {},
       kMaxNesting + 1,
       "nested too deeply"},
      {"file too large", std::string(kMaxFormFileBytes + 1, ' '), {}, 1, "file too large"},
  };
}

using Damaged = ScratchDir;

TEST_F(Damaged, EachIsRefusedWithFileLineAndReason) {
  int n = 0;
  for (const Damage& d : Cases()) {
    SCOPED_TRACE(d.label);
    const std::string folder = "case" + std::to_string(n++);
    for (const auto& [name, bytes] : d.files) Put(folder + "/" + name, bytes);
    const fs::path path = Put(folder + "/Form1.frm", d.text);
    ExpectRefused([&] { ParseFormFile(path); }, path.string(), d.line, d.reason);
  }
}

TEST_F(Damaged, NestingUpToTheLimitIsAccepted) {
  const FormFile file = ParseFormFile(Put("Deep.frm", Nested(kMaxNesting)));
  EXPECT_EQ(file.form.children.size(), 1u);
}

TEST_F(Damaged, MissingFormFileIsFileNotFound) {
  try {
    ParseFormFile(dir_ / "none.frm");
    ADD_FAILURE() << "accepted a missing file";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), vb::kFileNotFound);
    EXPECT_NE(e.Detail().find("none.frm"), std::string::npos);
  }
}

// The engine refuses classes it does not know through the hook, with the line of the Begin.
TEST_F(Damaged, UnknownClassIsRefusedThroughTheHook) {
  ParseOptions options;
  options.accept_class = [](std::string_view name) { return name != "VB.Unknown"; };
  const fs::path path =
      Put("Form1.frm", "Begin VB.Form Form1\n   Begin VB.Unknown X\n   End\nEnd\n");
  ExpectRefused([&] { ParseFormFile(path, options); }, path.string(), 2,
                "unknown class VB.Unknown");
  EXPECT_NO_THROW(ParseFormFile(path));
}

// Mutated and truncated copies of a valid form (with a companion picture and a LoadPicture)
// are either read or refused with vb::Error; nothing else escapes and nothing crashes.
TEST_F(Damaged, MutatedBytesNeverCrash) {
  std::vector<std::uint8_t> frx = PictureEntry(
      MakeBmp(4, 4, [](int x, int y) { return static_cast<std::uint32_t>(x * 0x111111 + y); }));
  const std::string tag_offset = host::formfile::frx::FormatOffset(
      host::formfile::frx::AppendString(frx, "line one\r\nline two"));
  const std::string text =
      "VERSION 5.00\r\n"
      "Object = \"{6B9B7C64-1F1A-4C1B-9D1E-2E3F4A5B6C7D}#1.0#0\"; \"QuorinSkin.ocx\"\r\n"
      "Begin VB.Form Form1\r\n"
      "   Caption         =   \"Mail \"\"x\"\"\"  'c\r\n"
      "   BackColor       =   &H8000000F&\r\n"
      "   Icon            =   \"Form1.frx\":0000\r\n"
      "   Tag             =   $\"Form1.frx\":" +
      tag_offset +
      "\r\n"
      "   Begin QuorinSkinForVB6.QuorinSkin Skin1\r\n"
      "      Index           =   0\r\n"
      "      Picture         =   LoadPicture(\"p.bmp\")\r\n"
      "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}\r\n"
      "         Name            =   \"Arial\"\r\n"
      "         Size            =   9.75\r\n"
      "      EndProperty\r\n"
      "      BeginProperty Other {1234-5678}\r\n"
      "         Value           =   -1.5E+3\r\n"
      "      EndProperty\r\n"
      "   End\r\n"
      "End\r\n"
      "Attribute VB_Name = \"Form1\"\r\n";
  Put("p.bmp", MakeBmp(2, 2, [](int, int) { return 0x00FF00u; }));
  Put("Form1.frx", frx);
  ASSERT_NO_THROW(ParseFormFile(Put("Form1.frm", text)));

  std::mt19937 random(12345);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  for (int round = 0; round < 1500; ++round) {
    std::string t = text;
    std::vector<std::uint8_t> f = frx;
    switch (round % 4) {
      case 0:  // overwrite a few bytes of the text
        for (int k = 0; k < 3; ++k) t[pick(t.size())] = static_cast<char>(random());
        break;
      case 1:  // cut the text short
        t.resize(pick(t.size()));
        break;
      case 2:  // damage the companion file
        for (int k = 0; k < 4; ++k) f[pick(f.size())] = static_cast<std::uint8_t>(random());
        if (round % 8 == 2) f.resize(pick(f.size()));
        break;
      case 3:  // duplicate or delete a line
      {
        const std::size_t at = t.find('\n', pick(t.size()));
        const std::size_t end = t.find('\n', at == std::string::npos ? 0 : at + 1);
        if (at != std::string::npos && end != std::string::npos) {
          const std::string line = t.substr(at + 1, end - at);
          if (round % 8 == 3)
            t.erase(at + 1, end - at);
          else
            t.insert(at + 1, line);
        }
      } break;
    }
    if (f != frx) Put("Form1.frx", f);
    try {
      host::formfile::ParseFormText(t, "Form1.frm", dir_);
    } catch (const vb::Error&) {
    } catch (const std::exception& e) {
      ADD_FAILURE() << "round " << round << ": " << e.what();
    }
    if (f != frx) Put("Form1.frx", frx);
  }
}

}  // namespace
}  // namespace formtest
