// Every writer operation, byte for byte, inside a section.
#include <gtest/gtest.h>

#include "XmlTestSupport.h"

namespace {

// Headings, frames, bold texts and file lists of the report documents are
// pinned byte for byte by the end-to-end report tests; these are the
// operations those documents do not show.
TEST(XmlElements, OperationsTheReportsDoNotShow) {
  TempDir dir;
  const std::string body = sectionBody(dir, [](XMLFormat& w) {
    w.sub_heading_h4("it's \"quoted\"");
    w.sub_heading_h5("&amp;");
    w.printPlainText("");
    w.verbatimStart();
    w.verbatimLine("-po  a&b");
    w.verbatimLine("");
    w.verbatimEnd();
    w.line_separator();
    w.new_line();
    w.writeFileList({});
  });
  EXPECT_EQ(body,
            "<kxdf:h4>it's \"quoted\"</kxdf:h4>\n"
            "<kxdf:h5>&amp;amp;</kxdf:h5>\n"
            "<kxdf:text></kxdf:text>\n"
            "<kxdf:verbatim>\n-po  a&amp;b\n\n</kxdf:verbatim>\n"
            "<kxdf:separator/>\n<kxdf:eoln/>\n"
            "<kxdf:file_list>\n</kxdf:file_list>\n");
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
