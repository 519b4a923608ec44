// Control names and control arrays.

#include <string>
#include <vector>

#include "form_test_support.h"

namespace formtest {
namespace {

using host::formfile::FormFile;
using host::formfile::FormNode;
using host::formfile::ParseFormText;

TEST(ControlArrays, MembersShareANameAcrossContainers) {
  const FormFile file = ParseFormText(
      "Begin VB.Form Form1\n"
      "   Begin VB.Frame Frame1\n"
      "      Begin VB.OptionButton Option1\n"
      "         Caption         =   \"A\"\n"
      "         Index           =   0\n"
      "      End\n"
      "   End\n"
      "   Begin VB.OptionButton option1\n"
      "      Index           =   2\n"
      "   End\n"
      "End\n",
      "Form1.frm", ".");
  const FormNode* second = file.form.FindControl("Option1", 2);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->line, 8);
  const FormNode* first = file.form.FindControl("OPTION1", 0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Find("Caption")->scalar()->ToString(), "A");
  EXPECT_EQ(file.form.FindControl("Option1"), nullptr);  // no member without an index
  EXPECT_EQ(file.form.FindControl("Option1", 1), nullptr);
}

struct NameClash {
  const char* label;
  std::string first;
  std::string second;
  std::string reason;
};

// The second of two clashing controls is refused at its Begin line.
TEST(ControlArrays, ClashingNamesAreRefused) {
  auto block = [](const std::string& cls, const std::string& name, const std::string& index) {
    return "   Begin " + cls + " " + name + "\n" +
           (index.empty() ? "" : "      Index           =   " + index + "\n") + "   End\n";
  };
  const std::vector<NameClash> cases = {
      {"two without Index", block("VB.Label", "Label1", ""), block("VB.Label", "label1", ""),
       "a control named label1 already exists (line 2)"},
      {"Index on one only", block("VB.Label", "Label1", "0"), block("VB.Label", "Label1", ""),
       "control array member on one line and not on the other"},
      {"Index on the second only", block("VB.Label", "Label1", ""),
       block("VB.Label", "Label1", "1"), "control array member on one line and not on the other"},
      {"same Index twice", block("VB.Label", "Label1", "3"), block("VB.Label", "Label1", "3"),
       "Label1(3) already exists"},
      {"classes mixed", block("VB.Label", "Label1", "0"), block("VB.TextBox", "Label1", "1"),
       "mixes VB.Label and VB.TextBox"},
  };
  for (const NameClash& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string text = "Begin VB.Form Form1\n" + c.first + c.second + "End\n";
    const int second_line = c.first.find("Index") == std::string::npos ? 4 : 5;
    ExpectRefused([&] { ParseFormText(text, "Form1.frm", "."); }, "Form1.frm", second_line,
                  c.reason);
  }
}

}  // namespace
}  // namespace formtest
