// The module path and display name handed to the input method manager, for
// every kind of system directory answer, those that break the rules included.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "case_name.h"
#include "register_ime.h"
#include "standin_control.h"

namespace {

const char layoutTextGbk[] = "\xD1\xE3\xCD\xA1\xD7\xD6";
const size_t longestDirectory = MAX_PATH - sizeof "\\qorxp.IME";

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

TEST_F(RegisterImeTest, FailingQueryDoesNotReuseAnEarlierPath) {
  // The same stack frame held a whole path a moment ago.
  RegisterIme();
  standin::SetSystemDirectoryQuery(standin::FailingSystemDirectory());
  RegisterIme();
  EXPECT_EQ(standin::ImeInstalls().size(), 1u);
}

TEST_F(RegisterImeTest, FailingInstallIsNotRetried) {
  standin::SetImeInstallResult(nullptr);
  RegisterIme();
  EXPECT_EQ(standin::ImeInstalls().size(), 1u);
}

// A directory of exactly length characters.
std::string DirectoryOfLength(size_t length) {
  std::string directory = "C:\\";
  directory.resize(length, 'd');
  return directory;
}

// Writes bytes, at most size of them, and answers with reported.
standin::SystemDirectoryQuery Writes(std::string bytes, UINT reported) {
  return [bytes, reported](LPSTR buffer, UINT size) -> UINT {
    std::memcpy(buffer, bytes.data(), std::min<size_t>(bytes.size(), size));
    return reported;
  };
}

std::string WithZero(const std::string& directory) {
  return directory + '\0';
}

struct DirectoryCase {
  const char* name;
  standin::SystemDirectoryQuery query;
  std::optional<std::string> modulePath;
};

void PrintTo(const DirectoryCase& c, std::ostream* os) {
  *os << c.name;
}

class SystemDirectoryTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(SystemDirectoryTest, RegistersOnlyAWholePath) {
  const DirectoryCase& c = GetParam();
  standin::Reset();
  standin::SetSystemDirectoryQuery(c.query);

  RegisterIme();

  EXPECT_EQ(standin::SystemDirectorySizes(), std::vector<UINT>{MAX_PATH});
  if (!c.modulePath) {
    EXPECT_TRUE(standin::ImeInstalls().empty());
    return;
  }
  ASSERT_EQ(standin::ImeInstalls().size(), 1u);
  EXPECT_EQ(standin::ImeInstalls()[0].imeFileName, *c.modulePath);
}

standin::SystemDirectoryQuery Documented(const std::string& directory) {
  return standin::DocumentedSystemDirectory(directory);
}

const std::string system32 = "C:\\WINDOWS\\system32";

INSTANTIATE_TEST_SUITE_P(
    AsDocumented, SystemDirectoryTest,
    testing::Values(
        DirectoryCase{"Root", Documented("C:\\"), "C:\\\\qorxp.IME"},
        DirectoryCase{"GbkDirectory", Documented("D:\\\xCA\xE4\xC8\xEB"),
                      "D:\\\xCA\xE4\xC8\xEB\\qorxp.IME"},
        DirectoryCase{"FillsBufferExactly", Documented(DirectoryOfLength(249)),
                      DirectoryOfLength(249) + "\\qorxp.IME"},
        DirectoryCase{"OneTooLong", Documented(DirectoryOfLength(250)), std::nullopt},
        DirectoryCase{"LongestThatFitsQuery", Documented(DirectoryOfLength(259)), std::nullopt},
        DirectoryCase{"QueryNeedsLargerBuffer", Documented(DirectoryOfLength(260)), std::nullopt},
        DirectoryCase{"Empty", Documented(""), std::nullopt},
        DirectoryCase{"QueryFails", standin::FailingSystemDirectory(), std::nullopt}),
    CaseName<DirectoryCase>);

INSTANTIATE_TEST_SUITE_P(
    BreakingTheRules, SystemDirectoryTest,
    testing::Values(
        DirectoryCase{"FillsBufferWithoutZero", Writes(std::string(MAX_PATH, 'd'), MAX_PATH - 1),
                      std::nullopt},
        DirectoryCase{"FillsBufferWithoutZeroReportsShort", Writes(std::string(MAX_PATH, 'd'), 19),
                      std::nullopt},
        DirectoryCase{"ClaimsLongerThanBuffer", Writes(WithZero(system32), 1000), std::nullopt},
        DirectoryCase{"ClaimsExactlyTheBuffer", Writes(WithZero(system32), MAX_PATH), std::nullopt},
        DirectoryCase{"ReturnsZeroAfterWriting", Writes(WithZero(system32), 0), std::nullopt},
        DirectoryCase{"ClaimsLengthButWritesNothing", Writes("", 19), std::nullopt},
        DirectoryCase{"Writes248", Writes(WithZero(DirectoryOfLength(248)), 248),
                      DirectoryOfLength(248) + "\\qorxp.IME"},
        DirectoryCase{"Writes249", Writes(WithZero(DirectoryOfLength(249)), 249),
                      DirectoryOfLength(249) + "\\qorxp.IME"},
        DirectoryCase{"Writes250", Writes(WithZero(DirectoryOfLength(250)), 250), std::nullopt},
        DirectoryCase{"Writes250ReportsShort", Writes(WithZero(DirectoryOfLength(250)), 5),
                      std::nullopt},
        DirectoryCase{"Writes249ReportsLonger", Writes(WithZero(DirectoryOfLength(249)), 255),
                      DirectoryOfLength(249) + "\\qorxp.IME"}),
    CaseName<DirectoryCase>);

// Every length from 0 to 300, answered as documented and by a query that
// truncates to the buffer instead of writing nothing.
TEST(SystemDirectoryLengthSweep, RegistersExactlyTheDirectoriesThatFit) {
  for (size_t length = 0; length <= 300; ++length) {
    const std::string directory = DirectoryOfLength(length);
    const standin::SystemDirectoryQuery queries[] = {
        Documented(directory),
        Writes(WithZero(directory.substr(0, MAX_PATH - 1)), static_cast<UINT>(length))};
    for (const standin::SystemDirectoryQuery& query : queries) {
      SCOPED_TRACE("directory of " + std::to_string(length) + " characters");
      standin::Reset();
      standin::SetSystemDirectoryQuery(query);

      RegisterIme();

      if (length == 0 || length > longestDirectory) {
        EXPECT_TRUE(standin::ImeInstalls().empty());
        continue;
      }
      ASSERT_EQ(standin::ImeInstalls().size(), 1u);
      EXPECT_EQ(standin::ImeInstalls()[0].imeFileName, directory + "\\qorxp.IME");
    }
  }
}

}  // namespace
