// Section pages: headings nest into collapsible entries, fragments link
// their lines into the source pages, names come out escaped.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "html/IndexPage.h"
#include "html/SectionPage.h"
#include "html/SourcePage.h"
#include "html/Summary.h"

using namespace kxdf_html;

namespace {

SourceCopies boxCopies() {
  SourceCopies copies;
  copies.add({"src/box.h", "box.h.txt", "", {"// box", "template <typename T>", "struct Box {", "};"}});
  return copies;
}

size_t occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(HtmlRender, FragmentLinesLinkToTheirSourceLinesWithinTheCopy) {
  const SourceCopies copies = boxCopies();
  const std::string html = renderFragment(parseFragment("  2: template <typename T>\n  3: struct Box {\n  9: x\n"),
                                          copies.find("src/box.h"), "src/box.h");
  EXPECT_NE(html.find("<a class=\"ln\" href=\"src_box.h.html#L2\">2</a><code>template &lt;typename T&gt;</code>"),
            std::string::npos);
  EXPECT_NE(html.find("href=\"src_box.h.html#L3\""), std::string::npos);
  // Line 9 is beyond the copy: shown, not linked, and no caption range to it.
  EXPECT_NE(html.find("<span class=\"ln\">9</span><code>x</code>"), std::string::npos);
  EXPECT_EQ(html.find("#L9"), std::string::npos);
  EXPECT_EQ(html.find("figcaption"), std::string::npos);

  const std::string two = renderFragment(parseFragment("2: a\n3: b\n"), copies.find("src/box.h"), "src/box.h");
  EXPECT_NE(two.find("<figcaption><a href=\"src_box.h.html#L2-L3\">box.h, lines 2–3</a>"),
            std::string::npos);
}

TEST(HtmlRender, HeadingsNestAndFragmentsUseTheFileLinkedUnderTheirHeading) {
  const std::string body = renderSectionBody(
      parseSection("<kxdf:h2>Usage</kxdf:h2>\n<kxdf:h3>Box Primary Class Template</kxdf:h3>\n"
                   "<kxdf:filelink href='/elsewhere/box.h.txt'>src/box.h</kxdf:filelink>\n" +
                   frameXml("3: struct Box {\n") + "<kxdf:h4>Box Primary Class Instantiations</kxdf:h4>\n" +
                   frameXml("4: };\n") + "<kxdf:h3>Other Primary Class Template</kxdf:h3>\n"),
      boxCopies());
  EXPECT_EQ(occurrences(body, "<details"), 3u);
  EXPECT_EQ(occurrences(body, "</details>"), 3u);
  EXPECT_NE(body.find("<details open class=\"entry\" id=\"e1\" data-filter><summary><h3>Box Primary"),
            std::string::npos);
  EXPECT_NE(body.find("id=\"e2\""), std::string::npos);
  EXPECT_NE(body.find("<p class=\"filelink\"><a href=\"src_box.h.html\">src/box.h</a>"), std::string::npos);
  EXPECT_NE(body.find("src_box.h.html#L3\">box.h, line 3</a>"), std::string::npos);
  // The h4 fragment has no file link of its own, so it links nowhere.
  EXPECT_NE(body.find("<span class=\"ln\">4</span>"), std::string::npos);
  // The h4 entry closes before the second h3 opens.
  EXPECT_LT(body.find("</div></details>\n</div></details>"), body.find("id=\"e2\""));
}

TEST(HtmlRender, NamesWithMarkupQuotesAndNonAsciiComeOutEscaped) {
  const std::string body = renderSectionBody(
      parseSection("<kxdf:h3>ns::Box&lt;T &amp; \"q\" 'a'&gt; Größe Primary Class Template</kxdf:h3>\n"
                   "<kxdf:text bold='1'>x &lt; y</kxdf:text>\n<kxdf:file_list>\n"
                   "<kxdf:filename>src/box.h</kxdf:filename>\n<kxdf:filename>日本/&lt;a&gt;.h</kxdf:filename>\n"
                   "</kxdf:file_list>\n"),
      boxCopies());
  EXPECT_NE(body.find("<h3>ns::Box&lt;T &amp; &quot;q&quot; &#39;a&#39;&gt; Größe Primary Class Template</h3>"),
            std::string::npos);
  EXPECT_NE(body.find("<strong>x &lt; y</strong>"), std::string::npos);
  EXPECT_NE(body.find("<li data-filter><a href=\"src_box.h.html\">src/box.h</a></li>"), std::string::npos);
  EXPECT_NE(body.find("<li data-filter><span>日本/&lt;a&gt;.h</span></li>"), std::string::npos);
  EXPECT_EQ(body.find("<a>"), std::string::npos);
}

TEST(HtmlRender, EmptySectionSaysSo) {
  const std::string body = renderSectionBody(parseSection(""), boxCopies());
  EXPECT_NE(body.find("This section is empty"), std::string::npos);
}

TEST(HtmlRender, SourcePageAnchorsEveryLine) {
  const SourceCopies copies = boxCopies();
  const std::string page = renderSourcePage(*copies.find("src/box.h"), sectionTable());
  EXPECT_NE(page.find("<div class=\"line\" id=\"L1\"><a class=\"ln\" href=\"#L1\">1</a><code>// box</code></div>"),
            std::string::npos);
  EXPECT_NE(page.find("id=\"L2\"><a class=\"ln\" href=\"#L2\">2</a><code>template &lt;typename T&gt;</code>"),
            std::string::npos);
  EXPECT_EQ(page.find("id=\"L5\""), std::string::npos);
}

TEST(HtmlRender, OptionListingIsPreformattedAndCountedAsOptions) {
  const Node options = parseSection(
      "<kxdf:h3>Analysis Options</kxdf:h3>\n<kxdf:verbatim>\n-align                   \n"
      "-prodoption              a=b&lt;c&gt;,\n                         d=e,\n-tabstop                 8\n"
      "</kxdf:verbatim>\n");
  const std::string body = renderSectionBody(options, boxCopies());
  EXPECT_NE(body.find("<pre class=\"verbatim\">-align                   \n-prodoption              a=b&lt;c&gt;,\n"),
            std::string::npos);
  EXPECT_EQ(body.find("<figure"), std::string::npos);
  const SectionCounts counts = countSection(options);
  EXPECT_EQ(counts.options, 3);
  EXPECT_EQ(counts.blockLines, 4);
  EXPECT_EQ(counts.fragments, 0);

  const std::string empty = renderSectionBody(parseSection("<kxdf:verbatim>\n</kxdf:verbatim>\n"), boxCopies());
  EXPECT_NE(empty.find("<p class=\"note\">(none)</p>"), std::string::npos);
}

TEST(HtmlRender, IndexSummarisesSectionsAndLinksChartBarsToEntries) {
  std::vector<Section> sections = sectionTable();
  sections[0].root = parseSection(
      "<kxdf:h3>Box Primary Class Template</kxdf:h3>\n" + frameXml("3: struct Box {\n") +
      "<kxdf:h3>Pair&lt;A&gt; Primary Class Template</kxdf:h3>\n" + frameXml("1: p\n") +
      "<kxdf:h4>Pair&lt;A&gt; Primary Class Instantiations</kxdf:h4>\n" + frameXml("2: v\n") + frameXml("3: w\n"));
  sections[3].root = parseSection("<kxdf:file_list>\n<kxdf:filename>a</kxdf:filename>\n</kxdf:file_list>\n");
  const std::string index = renderIndexPage(sections, boxCopies());
  EXPECT_NE(index.find("2 class templates (2 definitions), 0 partial specialisations, 0 explicit specialisations, "
                       "2 variables declared with an instance, 0 instantiated members"),
            std::string::npos);
  EXPECT_NE(index.find("<td>1 file</td>"), std::string::npos);
  EXPECT_NE(index.find("<td>empty (not filled in by the run)</td>"), std::string::npos);
  // Only Pair has instances: one bar, linking to the second entry.
  EXPECT_NE(index.find("<a href=\"template_usage_class_templates.html#e2\"><text"), std::string::npos);
  EXPECT_NE(index.find(">Pair&lt;A&gt;</text>"), std::string::npos);
  EXPECT_EQ(index.find("#e1\""), std::string::npos);
  EXPECT_NE(index.find("No function template is instantiated."), std::string::npos);
  EXPECT_NE(index.find("<p class=\"note\">In src/</p>"), std::string::npos);
  EXPECT_NE(index.find(">box.h</a></li>"), std::string::npos);
}

TEST(HtmlRender, SectionPageReadsWithoutScript) {
  std::vector<Section> sections = sectionTable();
  sections[0].root = parseSection("<kxdf:h3>Box Primary Class Template</kxdf:h3>\n"
                                  "<kxdf:h4>Box Primary Class Instantiations</kxdf:h4>\n");
  const std::string page = renderSectionPage(sections[0], sections, boxCopies());
  // The filter box waits hidden for the script; every entry starts open.
  EXPECT_NE(page.find("<div class=\"filter\" id=\"filter\" hidden>"), std::string::npos);
  EXPECT_EQ(occurrences(page, "<details open"), 2u);
  EXPECT_EQ(occurrences(page, "<details"), 2u);
  EXPECT_NE(page.find("<script src=\"kxdf.js\"></script>"), std::string::npos);
  EXPECT_NE(page.find("<link rel=\"stylesheet\" href=\"kxdf.css\">"), std::string::npos);
}
