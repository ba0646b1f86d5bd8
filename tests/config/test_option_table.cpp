#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "ConfigTestSupport.h"
#include "config/C_OptionTables.h"
#include "config/C_ProductConfigs.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string displayedSettings(const C_CmdArgs& cmdArgs) {
  cmdArgs.assignToGlobalOptions();
  testing::internal::CaptureStdout();
  argDisplaySettings(stdout);
  return testing::internal::GetCapturedStdout();
}

}  // namespace

// Spellings are found by binary search on their first character and the
// settings are shown in table order, so every table must be strictly
// sorted (which also makes its spellings unique).
TEST(OptionTables, EveryTableIsInStrictByteOrder) {
  for (int product = 0; product < 4; ++product) {
    int rows = 0;
    const C_OptionMapping* args = C_getArgumentTable(product, rows);
    EXPECT_GT(rows, 0) << "product " << product;
    for (int i = 1; i < rows; ++i)
      EXPECT_LT(std::strcmp(args[i - 1].spelling, args[i].spelling), 0) << args[i].spelling;
    const C_OptionMapping* settings = C_getSettingsTable(product, rows);
    EXPECT_GT(rows, 0) << "product " << product;
    for (int i = 1; i < rows; ++i) EXPECT_LT(std::strcmp(settings[i - 1].spelling, settings[i].spelling), 0);
  }
  int rows = 7;
  EXPECT_EQ(C_getArgumentTable(-1, rows), nullptr);
  EXPECT_EQ(rows, 0);
}

TEST(OptionTables, SettingsRowsNameTheirOptionAndSpellingsReachTheRightOption) {
  U_BPtr<C_CmdArgs> cmdArgs = new C_CmdArgs("ktlpp");
  C_Options& options = cmdArgs->getOptions();
  int rows = 0;
  const C_OptionMapping* settings = C_getSettingsTable(0, rows);
  for (int i = 0; i < rows; ++i) EXPECT_EQ((options.*settings[i].accessor)().getName(), settings[i].spelling);

  const C_OptionMapping* args = C_getArgumentTable(0, rows);
  auto optionFor = [&](const char* spelling) -> C_OptionBase* {
    for (int i = 0; i < rows; ++i)
      if (std::strcmp(args[i].spelling, spelling) == 0) return &(options.*args[i].accessor)();
    return nullptr;
  };
  EXPECT_EQ(optionFor("po"), &options.getAsBaseArgProdOption());
  EXPECT_EQ(optionFor("ktlppoption"), &options.getAsBaseArgProdOption());
  EXPECT_EQ(optionFor("cmaf"), &options.getAsBaseArgCrossModAnlFile());
  EXPECT_EQ(optionFor("c++03auto"), &options.getAsBaseArgCpp03Auto());
  EXPECT_EQ(optionFor("heap"), nullptr) << "heap is a KTL option only";
}

// Names are padded to 24 columns (a longer one gets a single blank),
// booleans show as "+ (on)" or "- (off)", lists in their own forms, and
// each product shows the rows of its own table.
TEST(OptionTables, SettingsDisplayFollowsTheProductsTableAndTheValues) {
  config_test::IsolatedProduct product;
  auto cmdArgs = config_test::makeCmdArgs(
      "ktlpp",
      {"-nomsg", "1,2,3", "-nomsg", "7", "-d", "A", "-dB", "-metrics-", "-i", "/usr/include", "-i/opt/include"});
  config_test::RecordingHandler handler;
  cmdArgs->process(handler);
  const std::vector<std::string> shown = lines(displayedSettings(*cmdArgs));
  auto has = [](const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.front(), "-align                   ");
  EXPECT_TRUE(has(shown, "-allowconstconvdeduction - (off)"));  // 23 characters: no padding
  EXPECT_TRUE(has(shown, "-maxrecursivetemplatenestingdepth 200"));
  EXPECT_TRUE(has(shown, "-nomsg                   1-3 7"));
  EXPECT_TRUE(has(shown, "-d                       A, B, "));
  EXPECT_TRUE(has(shown, "-metrics                 - (off)"));
  EXPECT_TRUE(has(shown, "-i                       /usr/include, /opt/include, "));
  for (const std::string& line : shown) EXPECT_NE(line.rfind("-heap ", 0), 0u) << "a KTL option";

  U_BPtr<C_CmdArgs> ktl = new C_CmdArgs("ktl");
  EXPECT_TRUE(has(lines(displayedSettings(*ktl)), "-heap                    512"));
}
