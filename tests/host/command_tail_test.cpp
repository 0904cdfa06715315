// The command tail, derived byte by byte from raw command lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "command_tail.h"
#include "guarded_bytes.h"
#include "standin_control.h"

namespace {

struct TailCase {
  const char* name;
  UINT codePage;
  std::string commandLine;
  std::string tail;
};

void PrintTo(const TailCase& c, std::ostream* os) {
  *os << c.name;
}

// A walk that steps over the terminating zero finds this next and returns a
// tail that passes the gate.
const char afterTheZero[] = " /Install";

class CommandTailTest : public testing::TestWithParam<TailCase> {};

TEST_P(CommandTailTest, TailIsWhatFollowsNameAndBlanks) {
  const TailCase& c = GetParam();
  standin::Reset();
  standin::SetCodePage(c.codePage);
  std::vector<CHAR> line(c.commandLine.begin(), c.commandLine.end());
  line.push_back('\0');
  line.insert(line.end(), afterTheZero, afterTheZero + sizeof afterTheZero);

  LPSTR tail = CommandTail(line.data());

  EXPECT_EQ(std::string(tail), c.tail);
  // The tail is the end of the command line itself, up to its own zero.
  EXPECT_EQ(static_cast<size_t>(tail - line.data()), c.commandLine.size() - c.tail.size());
}

TEST_P(CommandTailTest, ReadsNothingPastTheZero) {
  const TailCase& c = GetParam();
  standin::Reset();
  standin::SetCodePage(c.codePage);
  GuardedBytes line(c.commandLine);

  LPSTR tail = CommandTail(line.data());

  EXPECT_EQ(std::string(tail), c.tail);
}

// 输入法 and 安装 in code page 936.
const std::string inputMethodGbk = "\xCA\xE4\xC8\xEB\xB7\xA8";
const std::string setupGbk = "\xB0\xB2\xD7\xB0";

INSTANTIATE_TEST_SUITE_P(
    ProgramNameAndBlanks, CommandTailTest,
    testing::Values(
        TailCase{"OneBlank", 1252, "setup.exe /Install", "/Install"},
        TailCase{"QuotedNameWithBlanks", 1252, "\"C:\\Program Files\\IME\\setup.exe\" /Install",
                 "/Install"},
        TailCase{"QuotesInsideName", 1252, "C:\\\"Program Files\"\\setup.exe /Install", "/Install"},
        TailCase{"BlanksAndTabs", 1252, "setup.exe \t  \t/Install", "/Install"},
        TailCase{"ControlCharactersAreBlanks", 1252, "setup.exe\x01\x1F/Install", "/Install"},
        TailCase{"DeleteIsNotBlank", 1252, "setup.exe\x7F/Install", ""},
        TailCase{"NoBreakSpaceIsNotBlank", 1252, "setup.exe\xA0/Install", ""},
        TailCase{"HighBytesBelongToName", 1252, "C:\\\xE4\xF6\\setup.exe /Install", "/Install"},
        TailCase{"LeadingBlankMeansEmptyName", 1252, " /Install", "/Install"},
        TailCase{"NoArgument", 1252, "setup.exe", ""},
        TailCase{"OnlyBlanksAfterName", 1252, "setup.exe \t ", ""},
        TailCase{"EmptyLine", 1252, "", ""},
        TailCase{"UnclosedQuote", 1252, "\"C:\\Program Files\\setup.exe /Install", ""},
        TailCase{"CommandRightAfterClosingQuote", 1252, "\"setup.exe\"/Install", ""}),
    CaseName<TailCase>);

INSTANTIATE_TEST_SUITE_P(
    TailKeptAsItIs, CommandTailTest,
    testing::Values(TailCase{"TrailingBlank", 1252, "setup.exe /Install ", "/Install "},
                    TailCase{"FurtherWords", 1252, "setup.exe /Install now", "/Install now"},
                    TailCase{"QuotedCommand", 1252, "setup.exe \"/Install\"", "\"/Install\""},
                    TailCase{"InnerBlanks", 1252, "setup.exe a \t b", "a \t b"}),
    CaseName<TailCase>);

INSTANTIATE_TEST_SUITE_P(
    DoubleByteCodePages, CommandTailTest,
    testing::Values(TailCase{"GbkName", 936,
                             "C:\\" + inputMethodGbk + "\\" + setupGbk + ".exe /Install",
                             "/Install"},
                    TailCase{"QuotedGbkNameWithBlank", 936,
                             "\"C:\\" + inputMethodGbk + " " + setupGbk + ".exe\" /Install",
                             "/Install"},
                    TailCase{"LeadByteTakesBlank", 936, "setup\x81 /Install", ""},
                    TailCase{"SameBytesWithoutLeadBytes", 1252, "setup\x81 /Install", "/Install"},
                    TailCase{"LeadByteTakesQuote", 936, "\x81\"setup.exe /Install", "/Install"},
                    TailCase{"SameQuoteWithoutLeadBytes", 1252, "\x81\"setup.exe /Install", ""},
                    TailCase{"LeadByteTakesBlankInQuotes", 936, "\"setup\x81\" /Install", ""},
                    TailCase{"LeadByteBeforeZero", 936, "setup\x81", ""},
                    TailCase{"LeadByteInQuotesBeforeZero", 936, "\"setup\xFE", ""},
                    TailCase{"LastLeadByteOf936", 936, "setup\xFE /Install", ""},
                    TailCase{"KatakanaIsSingleByteIn932", 932, "setup\xB1 /Install", "/Install"},
                    TailCase{"SameByteIsLeadIn936", 936, "setup\xB1 /Install", ""},
                    TailCase{"UpperLeadRangeOf932", 932, "setup\xE0 /Install", ""},
                    TailCase{"PastLeadRangeOf932", 932, "setup\xFD /Install", "/Install"}),
    CaseName<TailCase>);

}  // namespace
