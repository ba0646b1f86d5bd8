#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ConfigTestSupport.h"
#include "TextChecks.h"
#include "config/C_OptionTables.h"
#include "config/C_ProductConfigs.h"

namespace {

// The settings display, after a newline so that every line follows one.
std::string displayedSettings(const C_CmdArgs& cmdArgs) {
  cmdArgs.assignToGlobalOptions();
  testing::internal::CaptureStdout();
  argDisplaySettings(stdout);
  return "\n" + testing::internal::GetCapturedStdout();
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

// Which option a spelling reaches is shown by the command-line tests.
TEST(OptionTables, SettingsRowsNameTheirOption) {
  U_BPtr<C_CmdArgs> cmdArgs = new C_CmdArgs("ktlpp");
  C_Options& options = cmdArgs->getOptions();
  int rows = 0;
  const C_OptionMapping* settings = C_getSettingsTable(0, rows);
  for (int i = 0; i < rows; ++i) EXPECT_EQ((options.*settings[i].accessor)().getName(), settings[i].spelling);
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
  const std::string shown = displayedSettings(*cmdArgs);
  EXPECT_EQ(shown.rfind("\n-align                   \n", 0), 0u) << shown;
  // -allowconstconvdeduction has 23 characters: no padding.  -heap is a KTL option.
  EXPECT_TRUE(containsAll(shown, {"\n-allowconstconvdeduction - (off)\n", "\n-maxrecursivetemplatenestingdepth 200\n",
                                  "\n-nomsg                   1-3 7\n", "\n-d                       A, B, \n",
                                  "\n-metrics                 - (off)\n",
                                  "\n-i                       /usr/include, /opt/include, \n"}));
  EXPECT_TRUE(containsNone(shown, {"\n-heap "}));
  EXPECT_TRUE(containsAll(displayedSettings(C_CmdArgs("ktl")), {"\n-heap                    512\n"}));
}
