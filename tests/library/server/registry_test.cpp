// The component registry's text file: entries, damaged lines, adding and removing.

#include <cstdlib>
#include <string>

#include "platform/host/components/guid.h"
#include "platform/host/components/registry.h"
#include "tests/platform/host/form_test_support.h"

namespace {

namespace hc = host::components;

class Registry : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    formtest::ScratchDir::SetUp();
    path_ = dir_ / "sub" / "components.txt";
    setenv("QUORIN_REGISTRY", path_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("QUORIN_REGISTRY");
    formtest::ScratchDir::TearDown();
  }
  static hc::Component Entry(const std::string& progid, const char* clsid) {
    hc::Component e;
    e.progid = progid;
    e.clsid = *hc::ParseGuid(clsid);
    e.typelib = *hc::ParseGuid("{63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}");
    e.library = "/opt/my \"libs\"/libQuorin.so";
    return e;
  }
  std::filesystem::path path_;
};

TEST_F(Registry, GuidsReadAndPrintInTheBracedForm) {
  auto g = hc::ParseGuid("{2cbbd904-4dbd-439d-9717-85b9296a78ac}");
  ASSERT_TRUE(g);
  EXPECT_EQ(hc::FormatGuid(*g), "{2CBBD904-4DBD-439D-9717-85B9296A78AC}");
  for (const char* bad :
       {"", "2CBBD904-4DBD-439D-9717-85B9296A78AC", "{2CBBD904-4DBD-439D-9717-85B9296A78A}",
        "{2CBBD904+4DBD-439D-9717-85B9296A78AC}", "{2CBBD904-4DBD-439D-9717-85B9296A78AG}"}) {
    EXPECT_FALSE(hc::ParseGuid(bad)) << bad;
  }
}

TEST_F(Registry, AMissingFileIsEmptyAndEntriesRoundTripThroughTheFile) {
  EXPECT_EQ(hc::RegistryPath(), path_);
  EXPECT_TRUE(hc::ReadRegistry().empty());
  hc::AddComponents({Entry("Lib.One", "{00000000-0000-0000-0000-000000000001}"),
                     Entry("Lib.Two", "{00000000-0000-0000-0000-000000000002}")});
  // The same class id again replaces its entry.
  hc::AddComponents({Entry("Lib.One", "{00000000-0000-0000-0000-000000000001}")});
  auto entries = hc::ReadRegistry();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].progid, "Lib.Two");
  EXPECT_EQ(entries[1].library, "/opt/my \"libs\"/libQuorin.so");
  EXPECT_EQ(hc::ListingLine(entries[0]),
            "component Lib.Two clsid={00000000-0000-0000-0000-000000000002} "
            "library=\"/opt/my \"\"libs\"\"/libQuorin.so\"");
  hc::RemoveComponents({*hc::ParseGuid("{00000000-0000-0000-0000-000000000002}")});
  entries = hc::ReadRegistry();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].progid, "Lib.One");
}

TEST_F(Registry, ADamagedLineIsAnErrorWithItsLine) {
  const std::string good =
      hc::RegistryLine(Entry("Lib.One", "{00000000-0000-0000-0000-000000000001}"));
  const std::string bad_lines[] = {
      "component",
      "component Lib.One clsid={nope} typelib={63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}#1.0 "
      "library=\"x\"",
      "component Lib.One clsid={00000000-0000-0000-0000-000000000001} "
      "typelib={63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}#1 library=\"x\"",
      "component Lib.One clsid={00000000-0000-0000-0000-000000000001} "
      "typelib={63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}#1.0 library=\"\"",
      "component Lib.One clsid={00000000-0000-0000-0000-000000000001} "
      "typelib={63F841AE-46C1-4BA7-8BAC-CD8D950C06DE}#1.0 library=\"a\"b\"",
      "something else",
  };
  for (const std::string& bad : bad_lines) {
    SCOPED_TRACE(bad);
    Put("sub/components.txt", "# comment\n\n" + good + "\n" + bad + "\n");
    try {
      hc::ReadRegistry();
      ADD_FAILURE() << "read a damaged registry";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), 380);
      EXPECT_NE(e.Detail().find("components.txt:4:"), std::string::npos) << e.Detail();
    }
  }
}

}  // namespace
