// Text encodings: UTF-8 (with or without a byte-order mark) and the ANSI code page.

#include <string>

#include "form_test_support.h"
#include "platform/vb/ansi.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::ParseFormFile;
using host::formfile::PropertyValue;
using host::formfile::TextEncoding;
using host::formfile::WriteFormFile;

using Encoding = ScratchDir;

const std::string kMail = "邮件";  // UTF-8

std::string FormWithCaption(const std::string& caption) {
  return "Begin VB.Form Form1\r\n   Caption         =   \"" + caption + "\"\r\nEnd\r\n";
}

struct EncodingCase {
  const char* label;
  std::string bytes;
  TextEncoding encoding;
};

// Each encoding reads to the same UTF-8 text and is written back byte for byte.
TEST_F(Encoding, EachEncodingReadsAndIsKept) {
  vb::SetAnsiCodePage(936);
  const std::vector<EncodingCase> cases = {
      {"UTF-8", FormWithCaption(kMail), TextEncoding::Utf8},
      {"UTF-8 with mark", "\xEF\xBB\xBF" + FormWithCaption(kMail), TextEncoding::Utf8Bom},
      {"ANSI 936", vb::ToAnsi(FormWithCaption(kMail)), TextEncoding::Ansi},
  };
  for (const EncodingCase& c : cases) {
    SCOPED_TRACE(c.label);
    const fs::path path = Put("In.frm", c.bytes);
    const FormFile file = ParseFormFile(path);
    EXPECT_EQ(file.encoding, c.encoding);
    EXPECT_EQ(file.form.Find("Caption")->scalar()->ToString(), kMail);
    const fs::path out = dir_ / "Out.frm";
    WriteFormFile(file, out);
    EXPECT_EQ(Read(out), c.bytes);
  }
}

// Multi-line strings of an ANSI form are stored in the ANSI code page in the companion file
// too; a character the code page cannot hold makes the writer use UTF-8 so nothing is lost.
TEST_F(Encoding, AnsiFormsFallBackToUtf8RatherThanLoseCharacters) {
  vb::SetAnsiCodePage(936);
  FormFile file = ParseFormFile(Put("In.frm", vb::ToAnsi(FormWithCaption(kMail))));
  file.form.Set("Tag", PropertyValue::Scalar(vb::Variant(kMail + "\r\n" + kMail)));
  WriteFormFile(file, dir_ / "Ansi.frm");
  // The length byte, then the text (appended, not added, which GCC 12 misreads at -O2).
  std::string expected = "\x0A";
  expected.append(vb::ToAnsi(kMail + "\r\n" + kMail));
  EXPECT_EQ(Read(dir_ / "Ansi.frx"), expected);
  const FormFile ansi = ParseFormFile(dir_ / "Ansi.frm");
  EXPECT_EQ(ansi.encoding, TextEncoding::Ansi);
  EXPECT_EQ(ansi.form.Find("Tag")->scalar()->ToString(), kMail + "\r\n" + kMail);

  const std::string smile = "\xF0\x9F\x98\x80";
  file.form.Set("Caption", PropertyValue::Scalar(vb::Variant(kMail + smile)));
  WriteFormFile(file, dir_ / "Wide.frm");
  const FormFile wide = ParseFormFile(dir_ / "Wide.frm");
  EXPECT_EQ(wide.encoding, TextEncoding::Utf8);
  EXPECT_EQ(wide.form.Find("Caption")->scalar()->ToString(), kMail + smile);
  EXPECT_EQ(wide.form.Find("Tag")->scalar()->ToString(), kMail + "\r\n" + kMail);
}

}  // namespace
}  // namespace formtest
