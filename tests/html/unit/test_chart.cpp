// The figures behind the index: counts per heading kind, the ranking of
// the charts and the lengths of their bars.
#include <gtest/gtest.h>

#include <array>

#include "ReportFixture.h"
#include "TextChecks.h"
#include "html/Summary.h"
#include "html/SvgChart.h"

using namespace kxdf_html;

namespace {

const std::string kClasses =
    "<kxdf:h2>Class Template Usage</kxdf:h2>\n"
    "<kxdf:h3>A Primary Class Template</kxdf:h3>\n" + frameXml("1: a\n") + frameXml("9: a\n") +
    "<kxdf:h4>A Class Template Member(s) That Are Instantiated</kxdf:h4>\n" + frameXml("2: m\n") +
    "<kxdf:h4>A Partial Class Template Specializations</kxdf:h4>\n" + frameXml("3: p\n") + frameXml("4: p\n") +
    "<kxdf:h5>A Partial Class Template Member(s) That Are Instantiated</kxdf:h5>\n" + frameXml("5: pm\n") +
    "<kxdf:h4>A Explicit Class Template Specialization</kxdf:h4>\n" + frameXml("6: e\n") +
    "<kxdf:h4>A Primary Class Instantiation</kxdf:h4>\n" + frameXml("7: v\n") +
    "<kxdf:h3>B Primary Class Template</kxdf:h3>\n" + frameXml("1: b\n") +
    "<kxdf:h4>B Primary Class Instantiations</kxdf:h4>\n" + frameXml("2: v\n") + frameXml("3: v\n") +
    "<kxdf:h3>C Primary Class Template</kxdf:h3>\n" + frameXml("1: c\n") +
    "<kxdf:text bold='1'>There are no primary class instantiations of template class C.</kxdf:text>\n";

const std::string kFunctions =
    "<kxdf:separator/>\n<kxdf:h2>Function Template Usage</kxdf:h2>\n"
    "<kxdf:h3>f Overloaded Function Templates</kxdf:h3>\n<kxdf:filelink href='f.h.txt'>f.h</kxdf:filelink>\n" +
    frameXml("1: f(int)\n") + frameXml("2: f(long)\n") +
    "<kxdf:h4>f Function Template Instantiated In File(s)</kxdf:h4>\n"
    "<kxdf:filelink href='a.cpp.txt'>a.cpp</kxdf:filelink>\n<kxdf:filelink href='b.cpp.txt'>b.cpp</kxdf:filelink>\n"
    "<kxdf:h3>g Function Template</kxdf:h3>\n" + frameXml("3: g\n") +
    "<kxdf:text bold='1'>No instantiations of function template g.</kxdf:text>\n"
    "<kxdf:h3>h Function Template</kxdf:h3>\n" + frameXml("4: h\n") +
    "<kxdf:h4>h Function Template Instantiated In File(s)</kxdf:h4>\n"
    "<kxdf:filelink href='b.cpp.txt'>b.cpp</kxdf:filelink>\n";

// Entries as "name=value@entry", in order.
std::string entries(const std::vector<EntryCount>& list) {
  std::string out;
  for (const EntryCount& e : list) out += e.name + "=" + std::to_string(e.value) + "@" + std::to_string(e.entry) + " ";
  return out;
}

std::string counts(const ClassSummary& s) {
  return std::to_string(s.templates) + " templates, " + std::to_string(s.definitions) + " definitions, " +
         std::to_string(s.members) + " members, " + std::to_string(s.partialSpecs) + " partial, " +
         std::to_string(s.explicitSpecs) + " explicit, " + std::to_string(s.instances) + " instances; " +
         entries(s.instancesPerTemplate);
}

}  // namespace

// Two definitions of A, one each of B and C; the partial's member is a
// member, not a specialisation.
TEST(HtmlSummary, ClassFragmentsAreCountedUnderTheHeadingTheyFollow) {
  EXPECT_EQ(counts(summariseClasses(parseSection(kClasses))),
            "3 templates, 4 definitions, 2 members, 2 partial, 1 explicit, 3 instances; A=1@1 B=2@2 C=0@3 ");
}

TEST(HtmlSummary, InstancesOfASpecialisationCountAsInstancesOfItsTemplate) {
  const std::string classes =
      "<kxdf:h2>Class Template Usage</kxdf:h2>\n<kxdf:h3>A Primary Class Template</kxdf:h3>\n" +
      frameXml("1: a\n") + "<kxdf:h4>A Partial Class Template Specialization</kxdf:h4>\n" +
      frameXml("3: p\n") + "<kxdf:h5>A Partial Class Template Specialization Instance(s)</kxdf:h5>\n" +
      frameXml("8: v\n") + frameXml("9: w\n") +
      "<kxdf:h4>A Explicit Class Template Specialization</kxdf:h4>\n" + frameXml("6: e\n") +
      "<kxdf:h5>A Explicit Class Template Specialization Instance(s)</kxdf:h5>\n" + frameXml("7: x\n");
  EXPECT_EQ(counts(summariseClasses(parseSection(classes))),
            "1 templates, 1 definitions, 0 members, 1 partial, 1 explicit, 3 instances; A=3@1 ");
}

TEST(HtmlSummary, FunctionFilesAreCountedPerTemplateAndOnceOverall) {
  const FunctionSummary s = summariseFunctions(parseSection(kFunctions));
  EXPECT_EQ(s.templates, 3);
  EXPECT_EQ(s.declarations, 4);
  EXPECT_EQ(s.instantiated, 2);
  EXPECT_EQ(s.files, 2);  // b.cpp instantiates both f and h
  EXPECT_EQ(entries(s.filesPerTemplate), "f=2@1 g=0@2 h=1@3 ");
}

TEST(HtmlSummary, TopEntriesRankByValueThenNameAndDropZeros) {
  EXPECT_EQ(entries(topEntries({{"zeta", 2, 1}, {"alpha", 2, 2}, {"none", 0, 3}, {"big", 7, 4}, {"one", 1, 5}}, 3)),
            "big=7@4 alpha=2@2 zeta=2@1 ");
  EXPECT_TRUE(topEntries({{"none", 0, 1}}, 10).empty());
}

TEST(HtmlChart, BarsAreProportionalWithAVisibleMinimum) {
  // Rows of {value, largest value, longest bar, bar}; 2/3 of 100 is rounded up.
  for (const auto& [value, largest, longest, bar] : std::vector<std::array<int, 4>>{
           {10, 10, 300, 300}, {5, 10, 300, 150}, {1, 3, 100, 33}, {2, 3, 100, 67}, {1, 100000, 300, 1},
           {0, 10, 300, 0}, {3, 0, 300, 0}})
    EXPECT_EQ(barLength(value, largest, longest), bar) << value << " of " << largest;
}

TEST(HtmlChart, SvgDrawsEachBarWithItsLengthLabelAndLink) {
  ChartLayout layout;
  layout.labelWidth = 100;
  layout.barWidth = 200;
  const std::string svg =
      barChartSvg("T<1>", {{"Box<int>", 4, "p.html#e1"}, {"Pair&\"Q\"", 1, ""}}, layout);
  EXPECT_TRUE(containsAll(svg, {"aria-label=\"T&lt;1&gt;\"", "<a href=\"p.html#e1\"><text", ">Box&lt;int&gt;</text>",
                                "x=\"100\" y=\"12\" width=\"200\"", "width=\"50\"", ">Pair&amp;&quot;Q&quot;</text>"}));
  EXPECT_TRUE(containsNone(svg, {"Box<int>"}));
}
