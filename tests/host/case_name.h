// Names parameterized tests after the name field of their case.
#pragma once

#include <gtest/gtest.h>

#include <string>

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}
