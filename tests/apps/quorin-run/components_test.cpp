// quorin-run --register, --components and --unregister against the built control library.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "apps/quorin-run/components.h"
#include "tests/platform/host/form_test_support.h"

namespace {

using scenario::RegistryAction;

class RegistryCommands : public formtest::ScratchDir {
 protected:
  void SetUp() override {
    formtest::ScratchDir::SetUp();
    setenv("QUORIN_REGISTRY", (dir_ / "components.txt").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("QUORIN_REGISTRY");
    formtest::ScratchDir::TearDown();
  }
  int Run(std::vector<RegistryAction> actions) {
    out_.str("");
    err_.str("");
    return scenario::RunRegistryActions(actions, out_, err_);
  }
  std::ostringstream out_, err_;
};

TEST_F(RegistryCommands, RegisterListAndUnregister) {
  const std::string lib = std::filesystem::weakly_canonical(QUORIN_SERVER_PATH).string();
  ASSERT_EQ(Run({{RegistryAction::kRegister, QUORIN_SERVER_PATH}, {RegistryAction::kList, {}}}), 0)
      << err_.str();
  const std::string listed = out_.str();
  EXPECT_EQ(listed.rfind("registered \"" + lib + "\"\n", 0), 0u) << listed;
  EXPECT_NE(listed.find("component QuorinSkinForVB6.TrayIcon "
                        "clsid={2CBBD904-4DBD-439D-9717-85B9296A78AC} library=\"" +
                        lib + "\"\n"),
            std::string::npos)
      << listed;
  EXPECT_EQ(listed.find("CommandButton"), std::string::npos);

  ASSERT_EQ(Run({{RegistryAction::kUnregister, QUORIN_SERVER_PATH}, {RegistryAction::kList, {}}}),
            0);
  EXPECT_EQ(out_.str(), "unregistered \"" + lib + "\"\n");
}

TEST_F(RegistryCommands, ALibraryThatDoesNotLoadIsABadInput) {
  EXPECT_EQ(Run({{RegistryAction::kRegister, (dir_ / "none.so").string()}}), 2);
  EXPECT_NE(err_.str().find("none.so"), std::string::npos) << err_.str();
  Put("components.txt", "garbage\n");
  EXPECT_EQ(Run({{RegistryAction::kList, {}}}), 2);
  EXPECT_NE(err_.str().find("components.txt:1:"), std::string::npos) << err_.str();
}

}  // namespace
