// Every writer operation, byte for byte, inside a section.
#include <gtest/gtest.h>

#include "XmlTestSupport.h"

namespace {

TEST(XmlElements, HeadingsAndTextsEscapeOnlyAmpersandAndBrackets) {
  TempDir dir;
  const std::string body = sectionBody(dir, [](XMLFormat& w) {
    w.main_heading_h2("Analysis Summary");
    w.sub_heading_h3("a<b && c>d");
    w.sub_heading_h4("it's \"quoted\"");
    w.sub_heading_h5("&amp;");
    w.printPlainText("x < y");
    w.printPlainBoldText("No instantiations of function template f<T>.");
    w.printPlainTextRaw("<b>raw & kept</b>");
    w.printPlainText("");
  });
  EXPECT_EQ(body,
            "<kxdf:h2>Analysis Summary</kxdf:h2>\n"
            "<kxdf:h3>a&lt;b &amp;&amp; c&gt;d</kxdf:h3>\n"
            "<kxdf:h4>it's \"quoted\"</kxdf:h4>\n"
            "<kxdf:h5>&amp;amp;</kxdf:h5>\n"
            "<kxdf:text>x &lt; y</kxdf:text>\n"
            "<kxdf:text bold='1'>No instantiations of function template f&lt;T&gt;.</kxdf:text>\n"
            "<kxdf:text><b>raw & kept</b></kxdf:text>\n"
            "<kxdf:text></kxdf:text>\n");
}

TEST(XmlElements, FrameIsNineLinesAndNothingForEmptyText) {
  TempDir dir;
  const std::string body = sectionBody(dir, [](XMLFormat& w) {
    w.textInFrame("");
    w.textInFrame(" 7: template <typename T>\n 8: class Box {\n");
    w.textInFrame("");
  });
  EXPECT_EQ(body,
            "<kxdf:table class='box' width='100%' formating='2'>\n"
            "<kxdf:col_width width='100%'/>\n"
            "<kxdf:row>\n"
            "<kxdf:cell heading='1' align='left'>\n"
            "<kxdf:verbatim> 7: template &lt;typename T&gt;\n 8: class Box {\n</kxdf:verbatim>\n"
            "</kxdf:cell>\n"
            "</kxdf:row>\n"
            "</kxdf:table>\n");
}

TEST(XmlElements, VerbatimBreaksTablesAndRawWrites) {
  TempDir dir;
  const std::string body = sectionBody(dir, [](XMLFormat& w) {
    w.verbatimStart();
    w.verbatimLine("-po  a&b");
    w.verbatimLine("");
    w.verbatimEnd();
    w.new_line();
    w.line_separator();
    w.nbsp();
    w.nbsp();
    w.write("<as-is>&");
    w.new_line();
    w.tableEnd();
  });
  EXPECT_EQ(body,
            "<kxdf:verbatim>\n-po  a&amp;b\n\n</kxdf:verbatim>\n"
            "<kxdf:eoln/>\n<kxdf:separator/>\n"
            "<kxdf:nbsp/><kxdf:nbsp/><as-is>&<kxdf:eoln/>\n"
            "</kxdf:table>\n");
}

TEST(XmlElements, DividersCountFromTheLastReset) {
  TempDir dir;
  const std::string body = sectionBody(dir, [](XMLFormat& w) {
    w.initialiseDividerMarkerCounter();
    w.dividerMarker("f(int)");
    w.dividerMarker("a<b>");
    w.dividerMarker("(x)");
    w.initialiseDividerMarkerCounter();
    w.dividerMarker("g");
  });
  EXPECT_EQ(body,
            "<kxdf:divider>1 - f</kxdf:divider>\n"
            "<kxdf:divider>2 - a&lt;b&gt;</kxdf:divider>\n"
            "<kxdf:divider>3 - </kxdf:divider>\n"
            "<kxdf:divider>1 - g</kxdf:divider>\n");
}

TEST(XmlElements, FileListsAndCommentOperations) {
  TempDir dir;
  std::vector<U_String> lines{"ignored"};
  const std::string body = sectionBody(dir, [&lines](XMLFormat& w) {
    w.writeFileList({"src/a.cpp", "x&y.h", "project.cma (CMA file)"});
    w.writeFileList({});
    w.writeSummary(1, 2, 3, 4, 5, 6, "a", "b", "c", "d", "e", 7, 8, 9, 10, "f", true);
    w.startAppendix(lines);
    w.writeAnalysisOptions();
    w.writePersonOptions(lines);
    w.writeLinesOfText(lines);
    w.writeMessGroupOff();
    w.writeMessGroupOn();
    w.writeMessSummary();
    w.writeStart();
    w.writeStandardNote();
  });
  EXPECT_EQ(body,
            "<kxdf:file_list>\n"
            "<kxdf:filename>src/a.cpp</kxdf:filename>\n"
            "<kxdf:filename>x&amp;y.h</kxdf:filename>\n"
            "<kxdf:filename>project.cma (CMA file)</kxdf:filename>\n"
            "</kxdf:file_list>\n"
            "<kxdf:file_list>\n</kxdf:file_list>\n"
            "<!-- writeSummary -->\n<!-- startAppendix -->\n<!-- writeAnalysisOptions -->\n"
            "<!-- writePersonOptions -->\n<!-- writeLinesOfText -->\n<!-- writeMessGroupOff -->\n"
            "<!-- writeMessGroupOn -->\n<!-- writeMessSummary -->\n");
}

TEST(XmlElements, WritesOutsideASectionAreDropped) {
  TempDir dir;
  {
    XMLFormat w(dir.path());
    w.printPlainText("before any section");
    w.sectionStart("Only");
    w.sectionEnd();
    w.writeEnd();  // after the last section: the closed file gets nothing
    w.printPlainText("after");
  }
  EXPECT_EQ(dir.read("only.kxdf.xml"), sectionHeader() + "</kxdf:section>\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
