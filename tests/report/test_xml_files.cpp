// Section documents, file links and the numbered source copies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "XmlTestSupport.h"
#include "report/ReportTrace.h"

namespace {

std::vector<std::string>& traced() {
  static std::vector<std::string> lines;
  return lines;
}
void recordTrace(const U_String& line) { traced().push_back(line); }

std::string numberedLines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}

// Line `i` (1-based) of a copy, after its three header lines.
std::string copyLine(const std::string& copy, int i) {
  std::istringstream in(copy);
  std::string line;
  for (int k = 0; k < i + 3 && std::getline(in, line);) ++k;
  return line;
}

bool wellFormed(const std::string& path) {
  const std::string command = "xmllint --noout '" + path + "'";
  return std::system(command.c_str()) == 0;
}

TEST(XmlFiles, SectionsAreNamedAfterTheirTitleAndTraced) {
  TempDir dir;
  dir.write("template_usage_class_templates.kxdf.xml", "old placeholder that is longer than the new text");
  traced().clear();
  ReportTrace::setWriter(recordTrace);
  XMLFormat w(dir.path());
  w.sectionStart("Template Usage Class Templates");
  w.sectionEnd();
  ReportTrace::setWriter(nullptr);
  // The longer old text is gone.
  EXPECT_EQ(dir.read("template_usage_class_templates.kxdf.xml"), sectionHeader() + "</kxdf:section>\n");
  EXPECT_EQ(traced(), std::vector<std::string>{"Opening: " + dir.file("template_usage_class_templates.kxdf.xml")});
}

TEST(XmlFiles, EveryElementKindGivesAWellFormedDocument) {
  ASSERT_EQ(std::system("xmllint --version >/dev/null 2>&1"), 0) << "xmllint is needed";
  TempDir dir;
  const std::string odd = dir.write("it's & <odd>.h", "int a = 1 < 2 && 3 > 2;\n");
  XMLFormat w(dir.path());
  w.sectionStart("All Kinds");
  w.main_heading_h2("h2 & <x> \"q\" 'a'");
  w.sub_heading_h3("h3 <");
  w.sub_heading_h4("h4 >");
  w.sub_heading_h5("h5 &");
  w.printPlainText("a<b && c>d 'x' \"y\"");
  w.printPlainBoldText("b & <bold>");
  w.textInFrame("1: template <class T> struct S { bool f() { return a < b && c > d; } };\n");
  w.textInFrame("");
  w.printFileLink(odd);
  w.new_line();
  w.line_separator();
  w.verbatimStart();
  w.verbatimLine("-po  \"a,b\" & <c>");
  w.verbatimEnd();
  w.writeFileList({"a&b.h", "<c>.h", "d'e\".h"});
  w.sectionEnd();
  EXPECT_TRUE(wellFormed(dir.file("all_kinds.kxdf.xml"))) << dir.read("all_kinds.kxdf.xml");
}

TEST(XmlFiles, LinkedFileIsCopiedOnceWithNumberedLines) {
  TempDir dir;
  const std::string source = dir.write("box.h", "template <class T>\r\nclass Box {\n\t};");
  XMLFormat w(dir.path());
  w.sectionStart("Links");
  w.printFileLink(source);
  std::filesystem::remove(dir.file("box.h.txt"));
  w.printFileLink(source);
  w.sectionEnd();

  const std::string link = "<kxdf:filelink href='" + dir.file("box.h.txt") + "'>" + source + "</kxdf:filelink>\n";
  EXPECT_EQ(dir.read("links.kxdf.xml"), sectionHeader() + link + link + "</kxdf:section>\n");
  // The second link does not copy again.
  EXPECT_FALSE(dir.exists("box.h.txt"));

  const std::string other = dir.write("other.h", "x\n");
  w.printFileLink(other);
  EXPECT_EQ(dir.read("other.h.txt"), " " + other + "\n " + std::string(other.size(), '*') + "\n\n1: x\n");
}

TEST(XmlFiles, LineNumbersAreRightAlignedToTheWidthOfTheLastOne) {
  TempDir dir;
  XMLFormat w(dir.path());
  // Files of `lines` lines; line `line` of each and how its copy shows it.
  const std::tuple<int, int, const char*> cases[] = {
      {1, 1, "1: line 1"},      {9, 9, "9: line 9"},          {10, 1, " 1: line 1"},
      {10, 10, "10: line 10"},  {120, 1, "  1: line 1"},      {120, 99, " 99: line 99"},
      {120, 120, "120: line 120"}, {1200, 7, "   7: line 7"}, {1200, 1200, "1200: line 1200"}};
  for (const auto& [lines, line, shown] : cases) {
    const std::string name = "n" + std::to_string(lines) + ".cpp";
    const std::string source = dir.write(name, numberedLines(lines));
    w.printFileLink(source);
    const std::string copy = dir.read(name + ".txt");
    const std::string indent(std::to_string(lines).size(), ' ');
    const std::string header = indent + source + "\n" + indent + std::string(source.size(), '*') + "\n\n";
    EXPECT_EQ(copy.substr(0, header.size()), header) << name;
    EXPECT_EQ(copyLine(copy, line), shown) << name;
  }
}

TEST(XmlFiles, EmptyOrUnreadableSourcesGiveJustTheHeader) {
  TempDir dir;
  XMLFormat w(dir.path());
  const std::string empty = dir.write("empty.h", "");
  w.printFileLink(empty);
  EXPECT_EQ(dir.read("empty.h.txt"), " " + empty + "\n " + std::string(empty.size(), '*') + "\n\n");

  testing::internal::CaptureStderr();
  w.printFileLink(dir.file("gone.h"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot open file " + dir.file("gone.h") + "\n");
  EXPECT_TRUE(dir.exists("gone.h.txt"));
}

TEST(XmlFiles, SameNameInTwoDirectoriesGetsTwoCopies) {
  TempDir dir;
  std::filesystem::create_directories(dir.file("a"));
  std::filesystem::create_directories(dir.file("b"));
  const std::string first = dir.write("a/util.h", "first\n");
  const std::string second = dir.write("b/util.h", "second\n");
  XMLFormat w(dir.path());
  w.sectionStart("Twins");
  w.printFileLink(first);
  w.printFileLink(second);
  w.printFileLink(first);
  w.sectionEnd();
  const std::string doc = dir.read("twins.kxdf.xml");
  EXPECT_NE(doc.find("href='" + dir.file("util.h.txt") + "'>" + first + "<"), std::string::npos) << doc;
  EXPECT_NE(doc.find("href='" + dir.file("util.h.2.txt") + "'>" + second + "<"), std::string::npos) << doc;
  EXPECT_EQ(copyLine(dir.read("util.h.txt"), 1), "1: first");
  EXPECT_EQ(copyLine(dir.read("util.h.2.txt"), 1), "1: second");
}

TEST(XmlFilesDeathTest, UncreatableCopyEndsTheRun) {
  TempDir dir;
  const std::string source = dir.write("s.h", "x\n");
  EXPECT_EXIT(writeNumberedSourceCopy(source, "/nonexistent/dir/s.h.txt"), testing::ExitedWithCode(10),
              "^cannot open file /nonexistent/dir/s.h.txt\n$");
}

TEST(XmlFiles, UnwritableOutputDirectoryFailsTheSection) {
  TempDir dir;
  // A regular file where the output directory should be: nothing can be created in it.
  const std::string blocked = dir.write("blocked", "keep");
  XMLFormat w(blocked);
  EXPECT_THROW(w.sectionStart("Lost"), U_CannotWriteException);
  EXPECT_EQ(dir.read("blocked"), "keep");
}

}  // namespace
