#include <gtest/gtest.h>

#include <sstream>

#include "TempDir.h"
#include "source/Qgen.h"

namespace {

using V = std::vector<U_String>;

TEST(Qgen, TrimmingAndCase) {
  EXPECT_EQ(Qgen::Chomp("ab\r\n\n\r"), "ab");
  EXPECT_EQ(Qgen::Chomp("\n"), "");
  EXPECT_EQ(Qgen::Chomp("a\nb"), "a\nb");
  EXPECT_EQ(Qgen::Rtrim("ab  \t", " \t"), "ab");
  EXPECT_EQ(Qgen::Rtrim("  ", " "), "");
  EXPECT_EQ(Qgen::Ltrim("xxab", "x"), "ab");
  EXPECT_EQ(Qgen::Ltrim("", "x"), "");
  EXPECT_EQ(Qgen::Trim("  a b  "), "a b");
  EXPECT_EQ(Qgen::ustring_lower("AbC_1\xc9"), "abc_1\xc9");
  EXPECT_EQ(Qgen::Image(0), "0");
  EXPECT_EQ(Qgen::Image(-120), "-120");
}

TEST(Qgen, GlobalReplaceNeverRescansInsertedText) {
  U_String s = "a&b&&";
  Qgen::Global_Replace(s, "&", "&amp;");
  EXPECT_EQ(s, "a&amp;b&amp;&amp;");
  s = "aaa";
  Qgen::Global_Replace(s, "aa", "b");
  EXPECT_EQ(s, "ba");
  s = "x<><>y";
  Qgen::Global_Replace(s, "<>", "");
  EXPECT_EQ(s, "xy");
  s = "abc";
  Qgen::Global_Replace(s, "", "z");
  EXPECT_EQ(s, "abc");
  s = "";
  Qgen::Global_Replace(s, "a", "z");
  EXPECT_EQ(s, "");
}

TEST(Qgen, ExpandTabsCountsOnTheOutput) {
  EXPECT_EQ(Qgen::Expand_Tabs("ab\tc", 8), "ab      c");
  EXPECT_EQ(Qgen::Expand_Tabs("\t\t", 4), "        ");
  EXPECT_EQ(Qgen::Expand_Tabs("abcdefgh\tx", 8), "abcdefgh        x");
  EXPECT_EQ(Qgen::Expand_Tabs("\tx", 12), "         x");  // nine spaces at most
  EXPECT_EQ(Qgen::Expand_Tabs("", 8), "");
  EXPECT_EQ(Qgen::Expand_Tabs("a\tb", 0), "a\tb");
}

TEST(Qgen, StreamSizeRestoresThePosition) {
  std::istringstream in("hello world");
  in.seekg(3);
  EXPECT_EQ(Qgen::fstream_size(in), 11);
  EXPECT_EQ(in.tellg(), 3);
}

TEST(Qgen, LoadFileHandlesLineEndsAndOddBytes) {
  TempDir dir;
  EXPECT_EQ(Qgen::load_file_as_ustringlist(dir.write("crlf.cpp", "a\r\n\r\nb\tc\r\nlast")),
            (V{"a", "", "b\tc", "last"}));
  EXPECT_EQ(Qgen::load_file_as_ustringlist(dir.write("nl.cpp", "x\n\n")), (V{"x", ""}));
  EXPECT_EQ(Qgen::load_file_as_ustringlist(dir.write("empty.cpp", "")), V{});
  EXPECT_EQ(Qgen::load_file_as_ustringlist(dir.write("bytes.cpp", std::string("\xff\xfe\0z\n", 5))),
            (V{std::string("\xff\xfe\0z", 4)}));

  testing::internal::CaptureStderr();
  EXPECT_EQ(Qgen::load_file_as_ustringlist(dir.file("missing.cpp")), V{});
  EXPECT_EQ(Qgen::load_file_as_ustringlist(dir.file("")), V{});  // a directory
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "cannot open file " + dir.file("missing.cpp") + "\ncannot open file " + dir.file("") + "\n");
}

TEST(Qgen, SearchSameFileAndSimpleSplit) {
  const V lines{"alpha", "beta", "gamma", "beta"};
  EXPECT_EQ(Qgen::search(lines, "eta", 0, 3), 1);
  EXPECT_EQ(Qgen::search(lines, "eta", 2, 3), 3);
  EXPECT_EQ(Qgen::search(lines, "eta", 2, 2), -1);
  EXPECT_EQ(Qgen::search(lines, "alpha", -5, 99), 0);
  EXPECT_EQ(Qgen::search(V{}, "a", 0, 10), -1);

  TempDir dir;
  const std::string a = dir.write("a.h", "x");
  const std::string b = dir.write("b.h", "x");
  EXPECT_TRUE(Qgen::files_are_same(a, dir.file("./a.h")));
  EXPECT_FALSE(Qgen::files_are_same(a, b));
  EXPECT_FALSE(Qgen::files_are_same(a, dir.file("none.h")));

  EXPECT_EQ(Qgen::split_string_simple("a::b::c", "::", 0), (V{"a", "b", "c"}));
  EXPECT_EQ(Qgen::split_string_simple("a::b::c", "::", 2), (V{"a", "b::c"}));
  EXPECT_EQ(Qgen::split_string_simple("a,,b", ",", 0), (V{"a", "", "b"}));
  EXPECT_EQ(Qgen::split_string_simple("", ",", 0), V{});
  EXPECT_EQ(Qgen::split_string_simple("ab", "", 0), (V{"ab"}));
}

}  // namespace
