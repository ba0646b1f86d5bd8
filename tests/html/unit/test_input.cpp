// Reading the report directory: numbered copies are recognised, bad
// documents are named in one-line messages with a non-zero status, and
// nothing is written then.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "html/ReportSet.h"
#include "html/SourceCopies.h"
#include "ChildRun.h"

using namespace kxdf_html;

namespace {

// Runs the installed program with the given arguments.
ChildRun runProgram(const std::string& args) {
  return runInChild([&args] {
    const int raw = std::system(("'" KXDF_HTML_PROGRAM "' " + args).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  });
}

}  // namespace

TEST(HtmlInput, NumberedCopiesAreRecognisedByTheirHeader) {
  const auto copy = parseSourceCopy("   src/a.h\n   *******\n\n  1: int a;\n  2: \n  3: \xFFx\n");
  ASSERT_TRUE(copy.has_value());
  EXPECT_EQ(copy->sourceName, "src/a.h");
  EXPECT_EQ(copy->lines, (std::vector<std::string>{"int a;", "", "\xEF\xBF\xBDx"}));
  EXPECT_TRUE(parseSourceCopy("a.h\n***\n\n").has_value());  // an empty source
  EXPECT_EQ(parseSourceCopy("a\xFF.h\n****\n\n")->sourceName, "a\xEF\xBF\xBD.h");
  EXPECT_FALSE(parseSourceCopy("a.h\n**\n\n1: x\n").has_value());
  EXPECT_FALSE(parseSourceCopy("a.h\n***\n\n1: x\n3: y\n").has_value());
  EXPECT_FALSE(parseSourceCopy("just some notes\n").has_value());
}

TEST(HtmlInput, CopiesAreFoundByNameOrLinkTargetAndPagesNeverClash) {
  SourceCopies copies;
  copies.add({"x/a b.h", "a b.h.txt", "", {}});
  copies.add({"y/a_b.h", "a_b.h.txt", "", {}});
  copies.add({"z/a_b.h_2", "a_b.h_2.txt", "", {}});
  copies.add({"../../up.h", "", "", {}});
  EXPECT_EQ(copies.find("x/a b.h")->pageName, "src_a_b.h.html");
  EXPECT_EQ(copies.find("y/a_b.h")->pageName, "src_a_b.h_2.html");
  EXPECT_EQ(copies.find("z/a_b.h_2")->pageName, "src_a_b.h_2_2.html");
  EXPECT_EQ(copies.find("../../up.h")->pageName, "src_.._.._up.h.html");
  EXPECT_EQ(copies.find("other/a_b.h", "/old/report/a_b.h.txt")->sourceName, "y/a_b.h");
  EXPECT_EQ(copies.find("other/c.h", "/old/report/c.h.txt"), nullptr);
  // A page name and its temporary name fit in a file name of 255 bytes.
  const std::string longName(251, 'n');
  copies.add({"src/" + longName, longName + ".txt", "", {}});
  copies.add({"lib/" + longName, longName + "x.txt", "", {}});
  for (const std::string& source : {"src/" + longName, "lib/" + longName}) {
    EXPECT_LE(copies.find(source)->pageName.size() + 8, 255u) << source;
    EXPECT_EQ(copies.find(source)->pageName.rfind("src_nnn", 0), 0u);
  }
  EXPECT_NE(copies.find("src/" + longName)->pageName, copies.find("lib/" + longName)->pageName);
}

TEST(HtmlInput, DocumentsThatAreNotWellFormedOrNotSectionsAreRejected) {
  LoadedDocument bad = parseDocument("<?xml version='1.0'?>\n<kxdf:section xmlns:kxdf='u'>\n<kxdf:h3>x</kxdf:h2>\n", "t");
  EXPECT_FALSE(bad.ok);
  EXPECT_NE(bad.error.find("not well-formed (line 3:"), std::string::npos) << bad.error;
  EXPECT_EQ(bad.error.find('\n'), std::string::npos);
  LoadedDocument other = parseDocument("<html/>", "t");
  EXPECT_FALSE(other.ok);
  EXPECT_NE(other.error.find("not a report document"), std::string::npos);
  // Bytes that are not UTF-8 in a document declared UTF-8.
  EXPECT_FALSE(parseDocument("<?xml version='1.0' encoding='UTF-8'?><section>\xFF</section>", "t").ok);
  // A declared encoding is honoured: Latin-1 é arrives as UTF-8.
  LoadedDocument latin = parseDocument("<?xml version='1.0' encoding='ISO-8859-1'?><section>\xE9</section>", "t");
  ASSERT_TRUE(latin.ok);
  EXPECT_EQ(latin.root.textContent(), "\xC3\xA9");
}

TEST(HtmlInput, MissingOrMalformedDocumentIsNamedAndNothingIsWritten) {
  TempDir dir;
  writeSmallReport(dir);
  std::filesystem::remove(dir.file(kReportDocuments[4]));
  const ChildRun missing = runProgram("'" + dir.path() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "kxdf.html: " + dir.file(kReportDocuments[4]) + ": missing\n");
  EXPECT_FALSE(dir.exists("html"));

  writeSmallReport(dir);
  dir.write(kReportDocuments[1], sectionXml("<kxdf:h3>f & g</kxdf:h3>\n"));
  const ChildRun bad = runProgram("'" + dir.path() + "' -o '" + dir.file("site") + "'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err.rfind("kxdf.html: " + dir.file(kReportDocuments[1]) + ": not well-formed (line 6: ", 0), 0u)
      << bad.err;
  EXPECT_FALSE(dir.exists("site"));
}

TEST(HtmlInput, UsageErrorsAndAGoodRun) {
  TempDir dir;
  writeSmallReport(dir);
  EXPECT_EQ(runProgram("").status, 2);
  EXPECT_EQ(runProgram("--help").status, 0);
  EXPECT_EQ(runProgram("'" + dir.path() + "' -x").status, 2);
  EXPECT_EQ(runProgram("'" + dir.path() + "' -o ''").status, 2);  // not the default in disguise
  EXPECT_FALSE(dir.exists("html"));
  EXPECT_EQ(runProgram("'" + dir.file("nothing") + "'").status, 1);
  const ChildRun ok = runProgram("'" + dir.path() + "'");
  EXPECT_EQ(ok.status, 0) << ok.err;
  for (const char* page : {"index.html", "kxdf.css", "kxdf.js", "template_usage_class_templates.html",
                           "template_usage_analysis_of_cpp_templates.html", "src_box.h.html"})
    EXPECT_TRUE(dir.exists(std::string("html/") + page)) << page;
  EXPECT_NE(dir.read("html/template_usage_class_templates.html").find("src_box.h.html#L2-L3"),
            std::string::npos);
}

TEST(HtmlInput, EntitiesAreShownAsWrittenAndNeverLoaded) {
  LoadedDocument doc = parseDocument(
      "<?xml version='1.0'?>\n<!DOCTYPE section [<!ENTITY secret SYSTEM 'file:///etc/hostname'>"
      "<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>]>\n"
      "<section><text bold='&b;&b; &amp;'>x &secret; &b; &amp; &#x263A;</text></section>",
      "t");
  ASSERT_TRUE(doc.ok) << doc.error;
  EXPECT_EQ(doc.root.textContent(), "x &secret; &b; & \xE2\x98\xBA");
  // In attributes too: 2000 references to a 100 KB entity would take 200 MB.
  EXPECT_EQ(doc.root.children.at(0).attr("bold"), "&b;&b; &");
}

