#include <gtest/gtest.h>

#include <sstream>

#include "config/C_CmdArgs.h"
#include "config/C_Exceptions.h"

namespace {

// Hands one value to an option as the word after it.
void give(C_OptionBase& option, const std::string& value) {
  std::istringstream in(value + "\n");
  option.handleArgument(in, C_HasSuffix::no);
}

// Hands one value to an option as attached to its word.
void attach(C_OptionBase& option, const std::string& suffix) {
  std::istringstream in(suffix);
  option.handleArgument(in, C_HasSuffix::yes);
}

}  // namespace

// A rejected value (its message, the option left on and set) is shown by
// the command-line processing tests.
TEST(OptionKinds, BoolTakesPlusMinus) {
  C_OptionBool flag("metrics", true);
  EXPECT_EQ(flag.getValueRepresentation(), "+ (on)");
  attach(flag, "-");
  EXPECT_FALSE(flag);
  EXPECT_EQ(flag.getValueRepresentation(), "- (off)");
  attach(flag, "=+");
  EXPECT_TRUE(flag);
  std::istringstream none;
  flag = false;
  flag.handleArgument(none, C_HasSuffix::no);  // a bare option switches on and reads nothing
  EXPECT_TRUE(flag);
  EXPECT_TRUE(flag.isSet());
  flag.resetOption();
  EXPECT_FALSE(flag.isSet());
}

TEST(OptionKinds, IntReadsLeadingDigitsAndNeverFails) {
  C_OptionInt tab("tabstop", 8);
  give(tab, "abc");
  EXPECT_EQ(static_cast<int>(tab), 0);
  EXPECT_TRUE(tab.isSet());
  give(tab, "4x");
  EXPECT_EQ(tab.getValueRepresentation(), "4");
  attach(tab, "=12");
  EXPECT_EQ(static_cast<int>(tab), 12);
  tab.resetOption();
  EXPECT_EQ(static_cast<int>(tab), 8);
  std::istringstream empty;
  EXPECT_THROW(tab.handleArgument(empty, C_HasSuffix::no), C_ValueExpectedException);
}

// The C-style views of the lists (terminated arrays) are left untested:
// nothing in the programs reads them.
TEST(OptionKinds, IntListAccumulatesAndShowsRuns) {
  C_OptionIntList list("nomsg", C_NoDefault{});
  give(list, "1,2,3");
  give(list, "7");
  give(list, "9-8 12");
  EXPECT_EQ(list.getValueRepresentation(), "1-3 7-9 12");
  list.resetOption();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.getValueRepresentation(), "");
}

// Values given to strings, lists and file names, and their resets, are
// shown by the command-line and settings display tests.
TEST(OptionKinds, StringListCopyOwnsItsStrings) {
  C_OptionStringList defines("d", C_NoDefault{});
  give(defines, "A");
  attach(defines, "B");
  C_OptionStringList copy(defines);
  defines.resetOption();
  EXPECT_EQ(copy.getValueRepresentation(), "A, B, ");
}
