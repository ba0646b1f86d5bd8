// Section pages: headings nest into collapsible entries, fragments link
// their lines into the source pages, names come out escaped.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "TextChecks.h"
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

}  // namespace

TEST(HtmlRender, FragmentLinesLinkToTheirSourceLinesWithinTheCopy) {
  const SourceCopies copies = boxCopies();
  const std::string html = renderFragment(parseFragment("  2: template <typename T>\n  3: struct Box {\n  9: x\n"),
                                          copies.find("src/box.h"), "src/box.h");
  // Line 9 is beyond the copy: shown, not linked, and no caption range to it.
  EXPECT_TRUE(containsAll(html, {"<a class=\"ln\" href=\"src_box.h.html#L2\">2</a>"
                                 "<code>template &lt;typename T&gt;</code>",
                                 "href=\"src_box.h.html#L3\"", "<span class=\"ln\">9</span><code>x</code>"}));
  EXPECT_TRUE(containsNone(html, {"#L9", "figcaption"}));

  const std::string two = renderFragment(parseFragment("2: a\n3: b\n"), copies.find("src/box.h"), "src/box.h");
  EXPECT_TRUE(containsAll(two, {"<figcaption><a href=\"src_box.h.html#L2-L3\">box.h, lines 2–3</a>"}));
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
  // The h4 fragment has no file link of its own, so it links nowhere.
  EXPECT_TRUE(containsAll(body, {"<details open class=\"entry\" id=\"e1\" data-filter><summary><h3>Box Primary",
                                 "id=\"e2\"", "<p class=\"filelink\"><a href=\"src_box.h.html\">src/box.h</a>",
                                 "src_box.h.html#L3\">box.h, line 3</a>", "<span class=\"ln\">4</span>"}));
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
  EXPECT_TRUE(containsAll(body, {"<h3>ns::Box&lt;T &amp; &quot;q&quot; &#39;a&#39;&gt; Größe Primary Class "
                                 "Template</h3>",
                                 "<strong>x &lt; y</strong>",
                                 "<li data-filter><a href=\"src_box.h.html\">src/box.h</a></li>",
                                 "<li data-filter><span>日本/&lt;a&gt;.h</span></li>"}));
  EXPECT_TRUE(containsNone(body, {"<a>"}));
}

TEST(HtmlRender, EmptySectionSaysSo) {
  EXPECT_TRUE(containsAll(renderSectionBody(parseSection(""), boxCopies()), {"This section is empty"}));
}

TEST(HtmlRender, SourcePageAnchorsEveryLine) {
  const SourceCopies copies = boxCopies();
  const std::string page = renderSourcePage(*copies.find("src/box.h"), sectionTable());
  EXPECT_TRUE(containsAll(page, {"<div class=\"line\" id=\"L1\"><a class=\"ln\" href=\"#L1\">1</a><code>// box</code></div>",
                                 "id=\"L2\"><a class=\"ln\" href=\"#L2\">2</a><code>template &lt;typename T&gt;</code>"}));
  EXPECT_TRUE(containsNone(page, {"id=\"L5\""}));
}

TEST(HtmlRender, OptionListingIsPreformattedAndCountedAsOptions) {
  const Node options = parseSection(
      "<kxdf:h3>Analysis Options</kxdf:h3>\n<kxdf:verbatim>\n-align                   \n"
      "-prodoption              a=b&lt;c&gt;,\n                         d=e,\n-tabstop                 8\n"
      "</kxdf:verbatim>\n");
  const std::string body = renderSectionBody(options, boxCopies());
  EXPECT_TRUE(containsAll(body, {"<pre class=\"verbatim\">-align                   \n"
                                 "-prodoption              a=b&lt;c&gt;,\n"}));
  EXPECT_TRUE(containsNone(body, {"<figure"}));
  const SectionCounts counts = countSection(options);
  EXPECT_EQ(counts.options, 3);
  EXPECT_EQ(counts.blockLines, 4);
  EXPECT_EQ(counts.fragments, 0);

  EXPECT_TRUE(containsAll(renderSectionBody(parseSection("<kxdf:verbatim>\n</kxdf:verbatim>\n"), boxCopies()),
                          {"<p class=\"note\">(none)</p>"}));
}

TEST(HtmlRender, IndexSummarisesSectionsAndLinksChartBarsToEntries) {
  std::vector<Section> sections = sectionTable();
  sections[0].root = parseSection(
      "<kxdf:h3>Box Primary Class Template</kxdf:h3>\n" + frameXml("3: struct Box {\n") +
      "<kxdf:h3>Pair&lt;A&gt; Primary Class Template</kxdf:h3>\n" + frameXml("1: p\n") +
      "<kxdf:h4>Pair&lt;A&gt; Primary Class Instantiations</kxdf:h4>\n" + frameXml("2: v\n") + frameXml("3: w\n"));
  sections[3].root = parseSection("<kxdf:file_list>\n<kxdf:filename>a</kxdf:filename>\n</kxdf:file_list>\n");
  const std::string index = renderIndexPage(sections, boxCopies());
  // Only Pair has instances: one bar, linking to the second entry.
  EXPECT_TRUE(containsAll(index, {"2 class templates (2 definitions), 0 partial specialisations, 0 explicit "
                                  "specialisations, 2 variables declared with an instance, 0 instantiated members",
                                  "<td>1 file</td>", "<td>empty (not filled in by the run)</td>",
                                  "<a href=\"template_usage_class_templates.html#e2\"><text", ">Pair&lt;A&gt;</text>",
                                  "No function template is instantiated.", "<p class=\"note\">In src/</p>",
                                  ">box.h</a></li>"}));
  EXPECT_TRUE(containsNone(index, {"#e1\""}));
}

TEST(HtmlRender, SectionPageReadsWithoutScript) {
  std::vector<Section> sections = sectionTable();
  sections[0].root = parseSection("<kxdf:h3>Box Primary Class Template</kxdf:h3>\n"
                                  "<kxdf:h4>Box Primary Class Instantiations</kxdf:h4>\n");
  const std::string page = renderSectionPage(sections[0], sections, boxCopies());
  // The filter box waits hidden for the script; every entry starts open.
  EXPECT_TRUE(containsAll(page, {"<div class=\"filter\" id=\"filter\" hidden>", "<script src=\"kxdf.js\"></script>",
                                 "<link rel=\"stylesheet\" href=\"kxdf.css\">"}));
  EXPECT_EQ(occurrences(page, "<details open"), 2u);
  EXPECT_EQ(occurrences(page, "<details"), 2u);
}
