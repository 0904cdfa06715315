// Whole runs: from the process command line to the calls the installer makes
// and the exit code it ends the process with.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "guarded_bytes.h"
#include "standin_control.h"
#include "startup.h"

namespace {

// Runs the process entry and returns the exit code it ended the process with.
UINT RunProcess() {
  try {
    WinMainCRTStartup();
  } catch (const standin::ProcessExit& exit) {
    return exit.exitCode;
  }
  ADD_FAILURE() << "the process entry returned instead of ending the process";
  return ~0u;
}

struct RunCase {
  const char* name;
  UINT codePage;
  std::string commandLine;
  bool registers;
};

void PrintTo(const RunCase& c, std::ostream* os) {
  *os << c.name;
}

class ProcessTest : public testing::TestWithParam<RunCase> {};

TEST_P(ProcessTest, RegistersOnceForInstallAndAlwaysExitsWithZero) {
  const RunCase& c = GetParam();
  standin::Reset();
  standin::SetCodePage(c.codePage);
  GuardedBytes commandLine(c.commandLine);
  standin::SetCommandLine(commandLine.data());

  EXPECT_EQ(RunProcess(), 0u);

  if (!c.registers) {
    EXPECT_TRUE(standin::ImeInstalls().empty());
    EXPECT_TRUE(standin::SystemDirectorySizes().empty());
    return;
  }
  ASSERT_EQ(standin::ImeInstalls().size(), 1u);
  EXPECT_EQ(standin::ImeInstalls()[0].imeFileName, "C:\\WINDOWS\\system32\\qorxp.IME");
  EXPECT_EQ(standin::ImeInstalls()[0].layoutText, "\xD1\xE3\xCD\xA1\xD7\xD6");
}

// C:\输入法\安装.exe in code page 936.
const std::string gbkProgram = "C:\\\xCA\xE4\xC8\xEB\xB7\xA8\\\xB0\xB2\xD7\xB0.exe";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProcessTest,
    testing::Values(RunCase{"Install", 1252, "setup.exe /Install", true},
                    RunCase{"QuotedProgramWithBlanks", 1252,
                            "\"C:\\Program Files\\IME\\setup.exe\" /Install", true},
                    RunCase{"SeveralBlanksAndTabs", 1252, "setup.exe \t \t/Install", true},
                    RunCase{"GbkProgram", 936, gbkProgram + " /Install", true},
                    RunCase{"QuotedGbkProgram", 936, "\"" + gbkProgram + "\" /Install", true},
                    RunCase{"GbkProgramUnder932", 932, gbkProgram + " /Install", true},
                    RunCase{"GbkProgramUnder1252", 1252, gbkProgram + " /Install", true},
                    RunCase{"TrailingBlank", 1252, "setup.exe /Install ", false},
                    RunCase{"FurtherWords", 1252, "setup.exe /Install now", false},
                    RunCase{"Lowercase", 1252, "setup.exe /install", false},
                    RunCase{"Uppercase", 1252, "setup.exe /INSTALL", false},
                    RunCase{"QuotedCommand", 1252, "setup.exe \"/Install\"", false},
                    RunCase{"NoArgument", 1252, "setup.exe", false},
                    RunCase{"EmptyCommandLine", 1252, "", false},
                    RunCase{"UnclosedQuote", 1252, "\"C:\\Program Files\\setup.exe /Install",
                            false},
                    RunCase{"NoBlankAfterClosingQuote", 1252, "\"setup.exe\"/Install", false},
                    RunCase{"LeadByteTakesBlank", 936, "setup\x81 /Install", false}),
    CaseName<RunCase>);

TEST(ProcessWithoutCommandLine, DoesNothingAndExitsWithZero) {
  standin::Reset();
  standin::SetCommandLine(nullptr);
  EXPECT_EQ(RunProcess(), 0u);
  EXPECT_TRUE(standin::ImeInstalls().empty());
}

TEST(ProcessWhoseInstallFails, ExitsWithZero) {
  standin::Reset();
  CHAR commandLine[] = "setup.exe /Install";
  standin::SetCommandLine(commandLine);
  standin::SetImeInstallResult(nullptr);
  EXPECT_EQ(RunProcess(), 0u);
  EXPECT_EQ(standin::ImeInstalls().size(), 1u);
}

TEST(ProcessRunTwice, RegistersAgain) {
  standin::Reset();
  CHAR commandLine[] = "setup.exe /Install";
  standin::SetCommandLine(commandLine);
  EXPECT_EQ(RunProcess(), 0u);
  EXPECT_EQ(RunProcess(), 0u);
  EXPECT_EQ(standin::ImeInstalls().size(), 2u);
}

}  // namespace
