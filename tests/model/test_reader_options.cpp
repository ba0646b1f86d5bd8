#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "config/C_Options.h"
#include "model/P_Options.h"
#include "model/P_UniqueStr.h"

namespace {

std::vector<std::pair<std::string, std::string>> entries(const P_OptionCont& store,
                                                         const char* nameSpace) {
  std::vector<std::pair<std::string, std::string>> out;
  const auto range = store.equal_range(P_createUniqueStr(nameSpace));
  for (auto it = range.first; it != range.second; ++it) out.emplace_back(it->first, it->second);
  return out;
}

}  // namespace

TEST(ReaderOptions, ProductOptionsSplitAtFirstDoubleColon) {
  C_Options options;
  C_getArgProdOption(options) = std::vector<U_String>{
      "mxo::report_type=Template Usage Report", "no-namespace", "ends::", "ns::a::b",
      "mxo::extra=1", "::empty-namespace"};
  P_OptionCont store;
  Option::parseOptions(options, store);

  EXPECT_EQ(entries(store, "mxo"),
            (std::vector<std::pair<std::string, std::string>>{
                {"mxo", "report_type=Template Usage Report"}, {"mxo", "extra=1"}}));
  EXPECT_EQ(entries(store, "ns"),
            (std::vector<std::pair<std::string, std::string>>{{"ns", "a::b"}}));
  EXPECT_EQ(entries(store, ""),
            (std::vector<std::pair<std::string, std::string>>{{"", "empty-namespace"}}));
  EXPECT_EQ(store.size(), 4u);
  // Keys and values are unique strings.
  EXPECT_EQ(store.find(P_createUniqueStr("mxo"))->second,
            P_createUniqueStr("report_type=Template Usage Report"));
}

TEST(ReaderOptions, OptionFormsGiveNameValueAndTruth) {
  EXPECT_STREQ(P_getOptionName("level=3"), "level");
  EXPECT_STREQ(P_getOptionValue("level=3"), "3");
  EXPECT_STREQ(P_getOptionName("report_type=Template Usage Report"), "report_type");
  EXPECT_STREQ(P_getOptionValue("report_type=Template Usage Report"), "Template Usage Report");
  EXPECT_STREQ(P_getOptionValue("name some value"), "some value");
  EXPECT_STREQ(P_getOptionValue("empty="), "");
  EXPECT_STREQ(P_getOptionName("warn"), "warn");
  EXPECT_EQ(P_getOptionName("warn+"), P_createUniqueStr("warn"));
  EXPECT_TRUE(P_isOptionTrue("warn"));
  EXPECT_TRUE(P_isOptionTrue("warn+"));
  EXPECT_FALSE(P_isOptionTrue("warn-"));
  // The first separator decides: a '-' before '=' makes a boolean.
  EXPECT_FALSE(P_isOptionTrue("max-depth=3"));
  EXPECT_STREQ(P_getOptionName("max-depth=3"), "max");
}

TEST(ReaderOptionsDeathTest, WrongOptionFormsEndTheRun) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(P_getOptionValue("warn+"), "Value options should be:  option\\[ \\|=\\]");
  EXPECT_DEATH(P_getOptionValue("warn"), "Value options should be:  option");
  EXPECT_DEATH(P_isOptionTrue("level=3"), "Boolean options should be:  option\\[\\+\\|-\\]\\+");
}
