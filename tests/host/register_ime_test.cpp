// The module path and display name handed to the input method manager.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "register_ime.h"
#include "standin_control.h"

namespace {

const char layoutTextGbk[] = "\xD1\xE3\xCD\xA1\xD7\xD6";

class RegisterImeTest : public testing::Test {
 protected:
  void SetUp() override {
    standin::Reset();
  }
};

TEST_F(RegisterImeTest, HandsModulePathAndLayoutBytesToManager) {
  RegisterIme();

  ASSERT_EQ(standin::ImeInstalls().size(), 1u);
  const standin::ImeInstall& install = standin::ImeInstalls()[0];
  EXPECT_EQ(install.imeFileName, "C:\\WINDOWS\\system32\\qorxp.IME");
  EXPECT_EQ(install.imeFileName.size(), 29u);
  EXPECT_EQ(install.layoutText, layoutTextGbk);
  EXPECT_EQ(standin::SystemDirectorySizes(), std::vector<UINT>{MAX_PATH});
}

struct DirectoryCase {
  const char* name;
  std::string directory;
  std::optional<std::string> modulePath;
};

void PrintTo(const DirectoryCase& c, std::ostream* os) {
  *os << c.name;
}

class SystemDirectoryTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(SystemDirectoryTest, RegistersOnlyAWholePath) {
  const DirectoryCase& c = GetParam();
  standin::Reset();
  standin::SetSystemDirectoryQuery(standin::DocumentedSystemDirectory(c.directory));

  RegisterIme();

  if (!c.modulePath) {
    EXPECT_TRUE(standin::ImeInstalls().empty());
    return;
  }
  ASSERT_EQ(standin::ImeInstalls().size(), 1u);
  EXPECT_EQ(standin::ImeInstalls()[0].imeFileName, *c.modulePath);
}

// A directory of exactly length characters.
std::string DirectoryOfLength(size_t length) {
  std::string directory = "C:\\";
  directory.resize(length, 'd');
  return directory;
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SystemDirectoryTest,
    testing::Values(DirectoryCase{"Root", "C:\\", "C:\\\\qorxp.IME"},
                    DirectoryCase{"GbkDirectory", "D:\\\xCA\xE4\xC8\xEB",
                                  "D:\\\xCA\xE4\xC8\xEB\\qorxp.IME"},
                    DirectoryCase{"FillsBufferExactly", DirectoryOfLength(249),
                                  DirectoryOfLength(249) + "\\qorxp.IME"},
                    DirectoryCase{"OneTooLong", DirectoryOfLength(250), std::nullopt},
                    DirectoryCase{"LongestThatFitsQuery", DirectoryOfLength(259), std::nullopt},
                    DirectoryCase{"QueryNeedsLargerBuffer", DirectoryOfLength(260), std::nullopt},
                    DirectoryCase{"FarTooLong", DirectoryOfLength(300), std::nullopt},
                    DirectoryCase{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<DirectoryCase>& info) { return info.param.name; });

TEST_F(RegisterImeTest, FailingQueryRegistersNothing) {
  standin::SetSystemDirectoryQuery(standin::FailingSystemDirectory());
  RegisterIme();
  EXPECT_TRUE(standin::ImeInstalls().empty());
}

TEST_F(RegisterImeTest, FailingQueryDoesNotReuseAnEarlierPath) {
  // The same stack frame held a whole path a moment ago.
  RegisterIme();
  standin::SetSystemDirectoryQuery(standin::FailingSystemDirectory());
  RegisterIme();
  EXPECT_EQ(standin::ImeInstalls().size(), 1u);
}

TEST_F(RegisterImeTest, QueryThatWritesButReportsFailureRegistersNothing) {
  standin::SetSystemDirectoryQuery([](LPSTR buffer, UINT) -> UINT {
    std::string("C:\\WINDOWS\\system32").copy(buffer, 20);
    return 0;
  });
  RegisterIme();
  EXPECT_TRUE(standin::ImeInstalls().empty());
}

TEST_F(RegisterImeTest, FailingInstallIsNotRetried) {
  standin::SetImeInstallResult(nullptr);
  RegisterIme();
  EXPECT_EQ(standin::ImeInstalls().size(), 1u);
}

}  // namespace
