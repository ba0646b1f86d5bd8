#include <gtest/gtest.h>

#include "TempDir.h"
#include "source/Qgen.h"

namespace {

using V = std::vector<U_String>;

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

}  // namespace
