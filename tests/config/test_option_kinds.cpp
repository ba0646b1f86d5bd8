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
  EXPECT_EQ(list.getValueRepresentation(), "1-3 7");
  give(list, "9-8 12");
  EXPECT_EQ(list.getValueRepresentation(), "1-3 7-9 12");
  list.resetOption();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.getValueRepresentation(), "");
}

TEST(OptionKinds, StringAndStringList) {
  C_OptionString style("style", "exdented");
  give(style, "indented");
  EXPECT_EQ(style.str(), "indented");
  style.resetOption();
  EXPECT_EQ(style.str(), "exdented");
  EXPECT_FALSE(style.isSet());

  C_OptionStringList defines("d", C_NoDefault{});
  give(defines, "A");
  attach(defines, "B");
  EXPECT_EQ(defines.getValueRepresentation(), "A, B, ");
  C_OptionStringList copy(defines);
  defines.resetOption();
  EXPECT_EQ(copy.getValueRepresentation(), "A, B, ") << "a copy owns its strings";
}

TEST(OptionKinds, FilenamesAndI8NStrings) {
  C_OptionFilename out("outputpath", "");
  EXPECT_TRUE(out.str().empty());
  attach(out, "=/tmp/out");
  EXPECT_EQ(out.getValueRepresentation(), "/tmp/out");

  C_OptionFilenameList includes("i", C_NoDefault{});
  give(includes, "/usr/include");
  give(includes, "/usr/local/include");
  EXPECT_EQ(includes.size(), 2u);
  EXPECT_EQ(includes.rbegin()->str(), "/usr/local/include");

  C_OptionI8NString format("format", "");
  give(format, "%f:%l: %m");
  EXPECT_EQ(format.str().get(), "%f:%l: %m");
}
