// WinMain registers the input method for the tail /Install and for nothing else.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "guarded_bytes.h"
#include "platform.h"
#include "standin_control.h"

namespace {

struct GateCase {
  const char* name;
  std::string tail;
  bool registers;
};

void PrintTo(const GateCase& c, std::ostream* os) {
  *os << c.name;
}

class GateTest : public testing::TestWithParam<GateCase> {};

TEST_P(GateTest, RegistersForExactCommandOnly) {
  const GateCase& c = GetParam();
  standin::Reset();
  // Reading past the tail's zero faults.
  GuardedBytes tail(c.tail);

  EXPECT_EQ(WinMain(standin::OwnModule(), nullptr, tail.data(), SW_SHOWDEFAULT), 0);

  ASSERT_EQ(standin::ImeInstalls().size(), c.registers ? 1u : 0u);
  if (c.registers) {
    EXPECT_EQ(standin::ImeInstalls()[0].imeFileName, "C:\\WINDOWS\\system32\\qorxp.IME");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tails, GateTest,
    testing::Values(
        GateCase{"Exact", "/Install", true},
        GateCase{"ZeroIsTheNinthByte", std::string("/Install\0now", 12), true},
        GateCase{"TrailingBlank", "/Install ", false},
        GateCase{"NinthByteDiffers", "/InstallX", false},
        GateCase{"FurtherWords", "/Install now", false},
        GateCase{"LeadingBlank", " /Install", false}, GateCase{"Lowercase", "/install", false},
        GateCase{"Uppercase", "/INSTALL", false}, GateCase{"LastLetterDiffers", "/InstalL", false},
        GateCase{"Shorter", "/Instal", false}, GateCase{"OtherSwitch", "-Install", false},
        GateCase{"NoSwitch", "Install", false}, GateCase{"Quoted", "\"/Install\"", false},
        GateCase{"Empty", "", false}),
    CaseName<GateCase>);

}  // namespace
