#include "util/decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace k9 {
namespace {

TEST(ParseDecimal, FollowsTheCLibraryRules) {
  struct Case {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"", 0},           {"abc", 0},         {"1234", 1234},         {"  42", 42},
      {"\t-7", -7},      {"+5", 5},          {"12ab", 12},           {"- 3", 0},
      {"007", 7},        {"3.9", 3},         {"--1", 0},             {"2147483647", 2147483647},
      {"2147483648", 2147483647},            {"-2147483648", -2147483648},
      {"-99999999999999999999", -2147483648}, {"99999999999999999999999999", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseDecimal, StopsAtAnEmbeddedNul) {
  EXPECT_EQ(ParseDecimal(std::string("12\0" "34", 5)), 12);
}

}  // namespace
}  // namespace k9
